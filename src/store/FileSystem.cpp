// SPDX-License-Identifier: Apache-2.0
#include "store/FileSystem.h"

#include "store/StoreError.h"
#include "store/TemporaryNames.h"

namespace orva {

// File systems made for tests need only the operations on record files; these answer that
// they cannot tell or do it, which the callers take as a failure.
StoreResult<FileFacts> FileSystem::Facts(Handle) { return StoreError::OtherFileError; }
StoreResult<FileFacts> FileSystem::Facts(const std::string&) { return StoreError::OtherFileError; }
StoreStatus FileSystem::CreateFolder(const std::string&) { return StoreError::OtherFileError; }
StoreStatus FileSystem::Rename(const std::string&, const std::string&, bool) { return StoreError::OtherFileError; }

// A file system without links: every name is the file's own.
StoreResult<std::string> FileSystem::ResolvePath(const std::string& path) {
    return path;
}

// A named temporary file: what every file system can make.
StoreResult<TemporaryFile> FileSystem::CreateTemporary(const std::string& besidePath, unsigned permissions) {
    for (int attempt = 0; attempt < TemporaryNames::kNameAttempts; ++attempt) {
        const std::string name = TemporaryNames::NameBeside(besidePath);
        const StoreResult<FileSystem::Handle> opened = Open(name, OpenMode::CreateNew, permissions);
        if (!opened && opened.Error() == StoreError::FileExists) continue;
        if (!opened) return opened.Error();
        return TemporaryFile{*opened, name};
    }
    return StoreError::FileExists;
}

StoreStatus FileSystem::Publish(TemporaryFile& file, const std::string& path, bool replace) {
    if (file.name.empty()) return StoreError::OtherFileError;
    // Closed first: some platforms cannot rename a file that is open.
    if (file.handle >= 0) {
        const StoreStatus closed = Close(file.handle);
        file.handle = -1;
        if (!closed) return closed;
    }
    const StoreStatus renamed = Rename(file.name, path, replace);
    if (!renamed) return renamed;
    file.name.clear();
    return {};
}

void FileSystem::Discard(TemporaryFile& file) {
    // What cannot be closed or removed is left: the caller has already failed for another cause.
    if (file.handle >= 0) (void)Close(file.handle);
    if (!file.name.empty()) (void)Remove(file.name);
    file = TemporaryFile{};
}

}  // namespace orva
