// SPDX-License-Identifier: Apache-2.0
#include "store/FileSystem.h"

#include "store/StoreError.h"
#include "store/TemporaryNames.h"

namespace orva {

// File systems made for tests need only the operations on record files; these answer that
// they cannot tell or do it, which the callers take as a failure.
int FileSystem::Facts(Handle, FileFacts&) { return Code(StoreError::OtherFileError); }
int FileSystem::Facts(const std::string&, FileFacts&) { return Code(StoreError::OtherFileError); }
int FileSystem::CreateFolder(const std::string&) { return Code(StoreError::OtherFileError); }
int FileSystem::Rename(const std::string&, const std::string&, bool) { return Code(StoreError::OtherFileError); }

// A file system without links: every name is the file's own.
int FileSystem::ResolvePath(const std::string& path, std::string& resolved) {
    resolved = path;
    return 0;
}

// A named temporary file: what every file system can make.
int FileSystem::CreateTemporary(const std::string& besidePath, unsigned permissions, TemporaryFile& file) {
    file = TemporaryFile{};
    for (int attempt = 0; attempt < TemporaryNames::kNameAttempts; ++attempt) {
        const std::string name = TemporaryNames::NameBeside(besidePath);
        bool created = false;
        const int opened = Open(name, OpenMode::CreateNew, permissions, file.handle, created);
        if (opened == Code(StoreError::FileExists)) continue;
        if (opened < 0) return opened;
        file.name = name;
        return 0;
    }
    return Code(StoreError::FileExists);
}

int FileSystem::Publish(TemporaryFile& file, const std::string& path, bool replace) {
    if (file.name.empty()) return Code(StoreError::OtherFileError);
    // Closed first: some platforms cannot rename a file that is open.
    if (file.handle >= 0) {
        const int closed = Close(file.handle);
        file.handle = -1;
        if (closed < 0) return closed;
    }
    const int renamed = Rename(file.name, path, replace);
    if (renamed < 0) return renamed;
    file.name.clear();
    return 0;
}

void FileSystem::Discard(TemporaryFile& file) {
    if (file.handle >= 0) Close(file.handle);
    if (!file.name.empty()) Remove(file.name);
    file = TemporaryFile{};
}

}  // namespace orva
