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
#include "reports/ReportsResult.h"
#include "reports/ReportsTexts.h"
#include "settings/DevelopmentOverride.h"
#include "store/OutputFile.h"
#include "store/StoreResult.h"

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

int OpenWhenFree(FileSystem& fs, const std::string& path, FileSystem::Handle& handle) {
    bool created = false;
    int opened = kSharingViolation;
    for (int poll = 0; poll < kMostPolls && opened == kSharingViolation; ++poll) {
        if (poll > 0) std::this_thread::sleep_for(kBusyPoll);
        opened = fs.Open(path, OpenMode::ReadOnly, 0, handle, created);
    }
    return opened;
}

int ReadWhole(FileSystem& fs, const std::string& path, const std::string& folder, bool developersOwn,
              std::string& content, std::string& untrusted) {
    FileFacts there;
    const int found = fs.Facts(path, there);
    // Nothing there, not even the folder: no passwords have been set.
    if (found == kFileNotFound || found == kBadPath) return kFileNotFound;
    if (found < 0) return found;

    FileSystem::Handle handle = -1;
    const int opened = OpenWhenFree(fs, path, handle);
    if (opened == kInvalidFile) {
        untrusted = path;
        return kPasswordFileUnsafe;
    }
    if (opened < 0) return opened;
    untrusted = FirstUntrustedOfPasswordFile(fs, handle, path, folder, developersOwn);
    int result = untrusted.empty() ? kReportsOk : kPasswordFileUnsafe;
    std::vector<char> buffer(kLargestFile + 1);
    long long total = 0;
    if (result == kReportsOk) {
        total = fs.ReadAt(handle, 0, buffer.data(), buffer.size());
        if (total < 0) result = static_cast<int>(total);
    }
    fs.Close(handle);
    if (result != kReportsOk) return result;
    if (total > static_cast<long long>(kLargestFile)) return kPasswordFileMalformed;
    content.assign(buffer.data(), static_cast<std::size_t>(total));
    return kReportsOk;
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

int ExportPasswords::Load() {
    hashes_ = {};
    untrusted_.clear();
    std::string content;
    // The machine folder must be the administrator's alone; one named for development may be
    // the developer's.
    const bool developersOwn = folder_ != SystemSettingsFolder();
    const int read = ReadWhole(*fs_, FilePath(), folder_, developersOwn, content, untrusted_);
    if (read == kFileNotFound) return kReportsOk;
    if (read < 0) return read;

    std::array<std::string, kExportPasswordSlots> hashes;
    int slot = 0;
    std::string_view rest = content;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (!line.empty() && line.front() == '#') continue;
        if (slot == kExportPasswordSlots) return kPasswordFileMalformed;
        if (!line.empty() &&
            (line.substr(0, kHashPrefix.size()) != kHashPrefix || line.size() >= crypto_pwhash_STRBYTES)) {
            return kPasswordFileMalformed;
        }
        hashes[slot++] = std::string(line);
    }
    hashes_ = hashes;
    return kReportsOk;
}

int ExportPasswords::Save() const {
    const int made = fs_->CreateFolder(folder_);
    if (made < 0) return made;
    std::string text = std::string(kFileComment) + "\n";
    for (const std::string& hash : hashes_) text += hash + "\n";

    // Written whole beside the old file and put in its place in one step.
    OutputFile file(*fs_, kPasswordFilePermissions);
    file.SetPath(FilePath());
    const int opened = file.Open(true);
    if (opened < 0) return opened;
    const long long written = file.Write(text.data(), text.size());
    if (written < 0) {
        file.Discard();
        return static_cast<int>(written);
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

int ExportPasswords::CheckNew(std::string_view password) {
    if (password.size() > kMaxExportPasswordLength) return kPasswordTooLong;
    if (!password.empty() && password.size() < kMinExportPasswordLength) return kPasswordTooShort;
    for (char c : password) {
        if (c < 0x20 || c > 0x7e) return kPasswordNotPlainText;
        if (c >= 'A' && c <= 'Z') return kPasswordHasCapitals;
    }
    return kReportsOk;
}

int ExportPasswords::Set(int slot, std::string_view password) {
    if (slot < 1 || slot > kExportPasswordSlots) return kPasswordSlotInvalid;
    const int allowed = CheckNew(password);
    if (allowed < 0) return allowed;
    if (password.empty()) {
        hashes_[slot - 1].clear();
        return kReportsOk;
    }
    if (!SodiumReady()) return kPasswordLibraryUnavailable;
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, password.data(), password.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0) {
        return kPasswordHashFailed;
    }
    hashes_[slot - 1] = hash;
    return kReportsOk;
}

ExportPasswords::GuessTurn::~GuessTurn() {
    if (handle_ >= 0) fs_->Close(handle_);
}

ExportPasswords::GuessTurn ExportPasswords::WaitForGuessTurn(const Sleeper& sleep) const {
    for (int poll = 0; poll < kMostPolls; ++poll) {
        if (poll > 0) sleep(kBusyPoll);
        FileSystem::Handle handle = -1;
        bool created = false;
        const int opened = fs_->Open(FilePath(), OpenMode::ReadOnly, 0, handle, created);
        if (opened == kStoreOk) {
            if (fs_->LockExclusive(handle) == kStoreOk) return GuessTurn(*fs_, handle);
            fs_->Close(handle);
        } else if (opened != kSharingViolation) {
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
