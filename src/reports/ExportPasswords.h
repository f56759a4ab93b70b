// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <chrono>
#include <functional>
#include <string>
#include <string_view>

#include "reports/ReportsError.h"
#include "store/FileSystem.h"

namespace orva {

inline constexpr int kExportPasswordSlots = 3;
inline constexpr std::size_t kMinExportPasswordLength = 8;
inline constexpr std::size_t kMaxExportPasswordLength = 64;

// The machine-wide settings folder, which only administrators can write: /etc/orva, or
// ORVA_SETTINGS_DIR when it is set and SettingsFolderOverridable() (settings/DevelopmentOverride.h).
std::string MachineSettingsFolder();

// Waits; tests pass one that only records the wait.
using Sleeper = std::function<void(std::chrono::milliseconds)>;
void SleepFor(std::chrono::milliseconds duration);

// The export passwords of this installation: up to three, each kept only as a salted Argon2id
// hash in the file "export-passwords" of the settings folder, one line per slot (an empty line
// for an empty slot).
class ExportPasswords {
  public:
    explicit ExportPasswords(std::string folder = MachineSettingsFolder(),
                             FileSystem& fileSystem = DefaultFileSystem());

    std::string FilePath() const;

    // Reads the file; a missing file means three empty slots. A file that someone other than the
    // administrator could change, or that lies in such a folder, is refused
    // (ReportsError::PasswordFileUnsafe) and UntrustedPath() names what must be put right
    // (PasswordFileTrust.h).
    ReportsStatus Load();
    const std::string& UntrustedPath() const { return untrusted_; }
    // Writes the file in one step (a complete new file renamed over the old one), readable by
    // everyone, since every user's export checks against it.
    StoreStatus Save() const;

    bool IsSet(int slot) const;  // slot 1..3
    bool AnySet() const;
    // Hashes `password` into the slot; an empty password clears it. Refused when CheckNew
    // refuses it.
    Status<ReportsError> Set(int slot, std::string_view password);
    // The rule for new passwords: printable ASCII, no capital letters (the password dialog
    // lower-cases what is typed, so a capital could never be entered), 8 to 64 characters.
    // The empty password, which clears a slot, is allowed.
    static Status<ReportsError> CheckNew(std::string_view password);

    // The entered text matches when it verifies against a set slot. Empty slots never match.
    bool Matches(std::string_view entered) const;

    // The turn to check one entered password, the same for every process of the computer: the
    // password file held locked. While one check holds it the others wait, so wrong passwords
    // cost their delay one after another however many are tried at once. Without a file to
    // lock (or after a minute of waiting) the turn is empty and the check goes ahead.
    class GuessTurn {
      public:
        GuessTurn(FileSystem& fs, FileSystem::Handle handle) : fs_(&fs), handle_(handle) {}
        ~GuessTurn();
        GuessTurn(const GuessTurn&) = delete;
        GuessTurn& operator=(const GuessTurn&) = delete;

      private:
        FileSystem* fs_;
        FileSystem::Handle handle_;
    };
    // Polls for the turn, waiting through `sleep` between tries.
    GuessTurn WaitForGuessTurn(const Sleeper& sleep) const;

  private:
    std::string folder_;
    FileSystem* fs_;
    std::array<std::string, kExportPasswordSlots> hashes_;
    std::string untrusted_;
};

// The export password dialog lower-cases letters as they are typed; the command line does the
// same to what it reads.
std::string LowerCaseAsTyped(std::string_view text);

}  // namespace orva
