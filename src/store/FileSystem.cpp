#include "store/FileSystem.h"

#include "store/StoreResult.h"
#include "store/TemporaryNames.h"

namespace orva {

// File systems made for tests need only the operations on record files; these answer that
// they cannot tell or do it, which the callers take as a failure.
int FileSystem::Facts(Handle, FileFacts&) { return kOtherFileError; }
int FileSystem::Facts(const std::string&, FileFacts&) { return kOtherFileError; }
int FileSystem::CreateFolder(const std::string&) { return kOtherFileError; }
int FileSystem::Rename(const std::string&, const std::string&, bool) { return kOtherFileError; }

// A file system without links: every name is the file's own.
int FileSystem::ResolvePath(const std::string& path, std::string& resolved) {
    resolved = path;
    return kStoreOk;
}

// A named temporary file: what every file system can make.
int FileSystem::CreateTemporary(const std::string& besidePath, unsigned permissions, TemporaryFile& file) {
    file = TemporaryFile{};
    for (int attempt = 0; attempt < TemporaryNames::kNameAttempts; ++attempt) {
        const std::string name = TemporaryNames::NameBeside(besidePath);
        bool created = false;
        const int opened = Open(name, OpenMode::CreateNew, permissions, file.handle, created);
        if (opened == kFileExists) continue;
        if (opened < 0) return opened;
        file.name = name;
        return kStoreOk;
    }
    return kFileExists;
}

int FileSystem::Publish(TemporaryFile& file, const std::string& path, bool replace) {
    if (file.name.empty()) return kOtherFileError;
    // Closed first: some platforms cannot rename a file that is open.
    if (file.handle >= 0) {
        const int closed = Close(file.handle);
        file.handle = -1;
        if (closed < 0) return closed;
    }
    const int renamed = Rename(file.name, path, replace);
    if (renamed < 0) return renamed;
    file.name.clear();
    return kStoreOk;
}

void FileSystem::Discard(TemporaryFile& file) {
    if (file.handle >= 0) Close(file.handle);
    if (!file.name.empty()) Remove(file.name);
    file = TemporaryFile{};
}

}  // namespace orva
