#include "reports/ExportPasswords.h"

#include <fcntl.h>
#include <sodium.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "store/PosixFileSystem.h"
#include "reports/ReportsResult.h"
#include "reports/ReportsTexts.h"
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

int Cause() {
    return CauseFromErrno(errno);
}

// Passwords that any user could rewrite protect nothing: the file must be writable by its
// owner only, in a folder that not everyone can write to.
bool OnlyOwnerCanChange(int fd, const std::string& folder) {
    struct stat file {};
    struct stat dir {};
    if (::fstat(fd, &file) != 0 || ::stat(folder.c_str(), &dir) != 0) return false;
    return S_ISREG(file.st_mode) && (file.st_mode & (S_IWGRP | S_IWOTH)) == 0 && (dir.st_mode & S_IWOTH) == 0;
}

int ReadWhole(const std::string& path, const std::string& folder, std::string& content) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return Cause();
    if (!OnlyOwnerCanChange(fd, folder)) {
        ::close(fd);
        return kPasswordFileUnsafe;
    }
    std::vector<char> buffer(kLargestFile + 1);
    std::size_t total = 0;
    while (total < buffer.size()) {
        const ssize_t n = ::read(fd, buffer.data() + total, buffer.size() - total);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int cause = Cause();
            ::close(fd);
            return cause;
        }
        if (n == 0) break;
        total += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (total > kLargestFile) return kPasswordFileMalformed;
    content.assign(buffer.data(), total);
    return kReportsOk;
}

int WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Cause();
        done += static_cast<std::size_t>(n);
    }
    return kReportsOk;
}

}  // namespace

bool SettingsFolderOverridable() {
    return ORVA_DEV_SETTINGS_OVERRIDE != 0;
}

std::string MachineSettingsFolder() {
    const char* overridden = SettingsFolderOverridable() ? std::getenv("ORVA_SETTINGS_DIR") : nullptr;
    return overridden != nullptr && *overridden != '\0' ? std::string(overridden)
                                                        : std::string(texts::kMachineSettingsFolder);
}

std::string LowerCaseAsTyped(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

ExportPasswords::ExportPasswords(std::string folder) : folder_(std::move(folder)) {}

std::string ExportPasswords::FilePath() const {
    return folder_ + "/" + texts::kPasswordFileName;
}

int ExportPasswords::Load() {
    hashes_ = {};
    std::string content;
    const int read = ReadWhole(FilePath(), folder_, content);
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
    if (::mkdir(folder_.c_str(), 0755) != 0 && errno != EEXIST) return Cause();
    std::string text = std::string(kFileComment) + "\n";
    for (const std::string& hash : hashes_) text += hash + "\n";

    std::string temporary = FilePath() + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return Cause();
    int result = ::fchmod(fd, 0644) == 0 ? kReportsOk : Cause();
    if (result == kReportsOk) result = WriteAll(fd, text);
    if (result == kReportsOk && ::fsync(fd) != 0) result = Cause();
    if (::close(fd) != 0 && result == kReportsOk) result = Cause();
    if (result == kReportsOk && ::rename(temporary.c_str(), FilePath().c_str()) != 0) result = Cause();
    if (result != kReportsOk) {
        ::unlink(temporary.c_str());
        return result;
    }
    // The rename is durable only once the folder is.
    const int dir = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return kReportsOk;
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

bool ExportPasswords::Matches(std::string_view entered) const {
    if (!SodiumReady()) return false;
    for (const std::string& hash : hashes_) {
        if (hash.empty()) continue;
        if (crypto_pwhash_str_verify(hash.c_str(), entered.data(), entered.size()) == 0) return true;
    }
    return false;
}

}  // namespace orva
