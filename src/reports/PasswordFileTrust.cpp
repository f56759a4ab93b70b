// SPDX-License-Identifier: Apache-2.0
#include "reports/PasswordFileTrust.h"

#include "store/StoreError.h"

namespace orva {

namespace {

#ifdef _WIN32
// The program-data folder lets every user make folders in it, so the check stops below it: the
// file's own folder (ORVA) and the maker's (Kelbrin) must be the administrators'.
constexpr int kFoldersChecked = 2;
#else
constexpr int kFoldersChecked = 64;
#endif

bool OwnedByTrusted(const FileFacts& facts, bool developersOwn) {
    return facts.ownedByAdministrator || (developersOwn && facts.ownedByCurrentUser);
}

// The folder above `path`, or `path` itself at the top.
std::string Parent(const std::string& path) {
    std::string trimmed = path;
    while (trimmed.size() > 1 && (trimmed.back() == '/' || trimmed.back() == '\\')) trimmed.pop_back();
    const std::size_t separator = trimmed.find_last_of("/\\");
    if (separator == std::string::npos) return trimmed;
    if (separator == 0) return trimmed.substr(0, 1);
    // "C:\" is the top of a drive.
    if (separator == 2 && trimmed[1] == ':') return trimmed.substr(0, 3);
    return trimmed.substr(0, separator);
}

}  // namespace

std::string FirstUntrustedOfPasswordFile(FileSystem& fs, FileSystem::Handle handle, const std::string& file,
                                         const std::string& folder, bool developersOwn) {
    const StoreResult<FileFacts> named = fs.Facts(file);
    if (!named || named->symbolicLink) return file;
    const StoreResult<FileFacts> opened = fs.Facts(handle);
    if (!opened || !opened->regularFile || opened->othersMayWrite ||
        !OwnedByTrusted(*opened, developersOwn)) {
        return file;
    }
    const StoreResult<std::string> resolved = fs.ResolvePath(folder);
    if (!resolved) return folder;
    std::string current = *resolved;
    for (int level = 0; level < kFoldersChecked; ++level) {
        const StoreResult<FileFacts> facts = fs.Facts(current);
        if (!facts || !facts->folder || !OwnedByTrusted(*facts, developersOwn)) return current;
        const bool onlyAddNames = level > 0 && facts->othersOnlyAddNames;
        if (facts->othersMayWrite && !onlyAddNames) return current;
        const std::string parent = Parent(current);
        if (parent == current) break;
        current = parent;
    }
    return {};
}

}  // namespace orva
