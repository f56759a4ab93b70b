// SPDX-License-Identifier: Apache-2.0
#include "reports/ExportPasswords.h"

#include <sodium.h>

#ifdef _WIN32
#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>
#endif

#include <thread>
#include <vector>

#include "reports/PasswordFileTrust.h"
#include "reports/ReportsError.h"
#include "reports/ReportsTexts.h"
#include "settings/DevelopmentOverride.h"
#include "store/OutputFile.h"
#include "store/StoreError.h"

namespace orva {

namespace {

constexpr const char* kFileComment =
    "# ORVA export passwords: one Argon2id hash per slot, an empty line for none";
constexpr std::string_view kHashPrefix = "$argon2id$";
constexpr std::size_t kLargestFile = 4096;

bool SodiumReady() {
    static const bool ready = sodium_init() >= 0;
    return ready;
}

// Everyone reads the file (every user's export checks against it); only its owner writes it.
constexpr unsigned kPasswordFilePermissions = 0644;

// A guess holds the file locked for about a second (kWrongPasswordDelay); where that keeps
// others from opening it at all (Windows), reading waits for it, up to a minute.
constexpr std::chrono::milliseconds kBusyPoll{50};
constexpr int kMostPolls = 1200;

StoreResult<FileSystem::Handle> OpenWhenFree(FileSystem& fs, const std::string& path) {
    StoreResult<FileSystem::Handle> opened = StoreError::SharingViolation;
    for (int poll = 0; poll < kMostPolls && !opened && opened.Error() == StoreError::SharingViolation; ++poll) {
        if (poll > 0) std::this_thread::sleep_for(kBusyPoll);
        opened = fs.Open(path, OpenMode::ReadOnly, 0);
    }
    return opened;
}

ReportsStatus ReadWhole(FileSystem& fs, const std::string& path, const std::string& folder, bool developersOwn,
                        std::string& content, std::string& untrusted) {
    const StoreResult<FileFacts> found = fs.Facts(path);
    // Nothing there, not even the folder: no passwords have been set.
    if (!found && (found.Error() == StoreError::FileNotFound || found.Error() == StoreError::BadPath)) {
        return StoreError::FileNotFound;
    }
    if (!found) return found.Error();

    const StoreResult<FileSystem::Handle> opened = OpenWhenFree(fs, path);
    if (!opened && opened.Error() == StoreError::InvalidFile) {
        untrusted = path;
        return ReportsError::PasswordFileUnsafe;
    }
    if (!opened) return opened.Error();
    const FileSystem::Handle handle = *opened;
    untrusted = FirstUntrustedOfPasswordFile(fs, handle, path, folder, developersOwn);
    ReportsStatus result = untrusted.empty() ? ReportsStatus() : ReportsStatus(ReportsError::PasswordFileUnsafe);
    std::vector<char> buffer(kLargestFile + 1);
    long long total = 0;
    if (result) {
        const StoreResult<long long> read = fs.ReadAt(handle, 0, buffer.data(), buffer.size());
        if (read) total = *read;
        else result = ReportsFailure(read.Error());
    }
    (void)fs.Close(handle);  // only read from
    if (!result) return result;
    if (total > static_cast<long long>(kLargestFile)) return ReportsError::PasswordFileMalformed;
    content.assign(buffer.data(), static_cast<std::size_t>(total));
    return {};
}

#ifdef _WIN32
// %ProgramData%\Kelbrin\ORVA, asked of the shell rather than read from the environment, which
// every user can change.
std::string SystemSettingsFolder() {
    std::string programData;
    PWSTR wide = nullptr;
    if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_ProgramData, 0, nullptr, &wide))) {
        const int n = ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
        if (n > 1) {
            programData.resize(static_cast<std::size_t>(n));
            ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, programData.data(), n, nullptr, nullptr);
            programData.resize(static_cast<std::size_t>(n - 1));
        }
    }
    ::CoTaskMemFree(wide);
    return (programData.empty() ? std::string(texts::kWindowsProgramData) : programData) +
           texts::kWindowsSettingsSubfolder;
}
#else
std::string SystemSettingsFolder() {
    return texts::kMachineSettingsFolder;
}
#endif

}  // namespace

std::string MachineSettingsFolder() {
    const std::string overridden = OverriddenSettingsFolder();
    return overridden.empty() ? SystemSettingsFolder() : overridden;
}

void SleepFor(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

std::string LowerCaseAsTyped(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

ExportPasswords::ExportPasswords(std::string folder, FileSystem& fileSystem)
    : folder_(std::move(folder)), fs_(&fileSystem) {}

std::string ExportPasswords::FilePath() const {
    return folder_ + "/" + texts::kPasswordFileName;
}

ReportsStatus ExportPasswords::Load() {
    hashes_ = {};
    untrusted_.clear();
    std::string content;
    // The machine folder must be the administrator's alone; one named for development may be
    // the developer's.
    const bool developersOwn = folder_ != SystemSettingsFolder();
    const ReportsStatus read = ReadWhole(*fs_, FilePath(), folder_, developersOwn, content, untrusted_);
    if (!read && read.Error() == ReportsFailure(StoreError::FileNotFound)) return {};
    if (!read) return read;

    std::array<std::string, kExportPasswordSlots> hashes;
    int slot = 0;
    std::string_view rest = content;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (!line.empty() && line.front() == '#') continue;
        if (slot == kExportPasswordSlots) return ReportsError::PasswordFileMalformed;
        if (!line.empty() &&
            (line.substr(0, kHashPrefix.size()) != kHashPrefix || line.size() >= crypto_pwhash_STRBYTES)) {
            return ReportsError::PasswordFileMalformed;
        }
        hashes[slot++] = std::string(line);
    }
    hashes_ = hashes;
    return {};
}

StoreStatus ExportPasswords::Save() const {
    const StoreStatus made = fs_->CreateFolder(folder_);
    if (!made) return made;
    std::string text = std::string(kFileComment) + "\n";
    for (const std::string& hash : hashes_) text += hash + "\n";

    // Written whole beside the old file and put in its place in one step.
    OutputFile file(*fs_, kPasswordFilePermissions);
    file.SetPath(FilePath());
    const StoreStatus opened = file.Open(true);
    if (!opened) return opened;
    const StoreStatus written = file.Write(text.data(), text.size());
    if (!written) {
        file.Discard();
        return written;
    }
    return file.Close();
}

bool ExportPasswords::IsSet(int slot) const {
    return slot >= 1 && slot <= kExportPasswordSlots && !hashes_[slot - 1].empty();
}

bool ExportPasswords::AnySet() const {
    for (const std::string& hash : hashes_) {
        if (!hash.empty()) return true;
    }
    return false;
}

Status<ReportsError> ExportPasswords::CheckNew(std::string_view password) {
    if (password.size() > kMaxExportPasswordLength) return ReportsError::PasswordTooLong;
    if (!password.empty() && password.size() < kMinExportPasswordLength) return ReportsError::PasswordTooShort;
    for (char c : password) {
        if (c < 0x20 || c > 0x7e) return ReportsError::PasswordNotPlainText;
        if (c >= 'A' && c <= 'Z') return ReportsError::PasswordHasCapitals;
    }
    return {};
}

Status<ReportsError> ExportPasswords::Set(int slot, std::string_view password) {
    if (slot < 1 || slot > kExportPasswordSlots) return ReportsError::PasswordSlotInvalid;
    const Status<ReportsError> allowed = CheckNew(password);
    if (!allowed) return allowed;
    if (password.empty()) {
        hashes_[slot - 1].clear();
        return {};
    }
    if (!SodiumReady()) return ReportsError::PasswordLibraryUnavailable;
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, password.data(), password.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0) {
        return ReportsError::PasswordHashFailed;
    }
    hashes_[slot - 1] = hash;
    return {};
}

ExportPasswords::GuessTurn::~GuessTurn() {
    if (handle_ >= 0) (void)fs_->Close(handle_);  // only held, to keep other guesses out
}

ExportPasswords::GuessTurn ExportPasswords::WaitForGuessTurn(const Sleeper& sleep) const {
    for (int poll = 0; poll < kMostPolls; ++poll) {
        if (poll > 0) sleep(kBusyPoll);
        const StoreResult<FileSystem::Handle> opened = fs_->Open(FilePath(), OpenMode::ReadOnly, 0);
        if (opened) {
            if (fs_->LockExclusive(*opened)) return GuessTurn(*fs_, *opened);
            (void)fs_->Close(*opened);  // only held
        } else if (opened.Error() != StoreError::SharingViolation) {
            break;
        }
    }
    return GuessTurn(*fs_, -1);
}

bool ExportPasswords::Matches(std::string_view entered) const {
    if (!SodiumReady()) return false;
    for (const std::string& hash : hashes_) {
        if (hash.empty()) continue;
        if (crypto_pwhash_str_verify(hash.c_str(), entered.data(), entered.size()) == 0) return true;
    }
    return false;
}

}  // namespace orva
