// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "store/FileSystem.h"

namespace orva {

// The file system of POSIX systems: exclusive access through flock(LOCK_EX | LOCK_NB);
// temporary files unnamed (O_TMPFILE) where the file system allows it.
class PosixFileSystem final : public FileSystem {
  public:
    // `unnamedTemporaries` false makes every temporary file a named one, as on file systems
    // without unnamed files (tests use it to reach that path).
    explicit PosixFileSystem(bool unnamedTemporaries = true);

    StoreResult<Handle> Open(const std::string& path, OpenMode mode, unsigned permissions) override;
    StoreStatus LockExclusive(Handle handle) override;
    StoreResult<long long> Size(Handle handle) override;
    StoreResult<long long> ReadAt(Handle handle, long long offset, void* buffer, std::size_t size) override;
    StoreStatus WriteAt(Handle handle, long long offset, const void* data, std::size_t size) override;
    StoreStatus Truncate(Handle handle, long long length) override;
    StoreStatus Sync(Handle handle) override;
    StoreStatus Close(Handle handle) override;
    StoreStatus Remove(const std::string& path) override;
    StoreStatus SyncDirectoryOf(const std::string& path) override;
    StoreResult<FileFacts> Facts(Handle handle) override;
    StoreResult<FileFacts> Facts(const std::string& path) override;
    StoreStatus CreateFolder(const std::string& path) override;
    StoreStatus Rename(const std::string& from, const std::string& to, bool replace) override;
    StoreResult<std::string> ResolvePath(const std::string& path) override;
    StoreResult<TemporaryFile> CreateTemporary(const std::string& besidePath, unsigned permissions) override;
    StoreStatus Publish(TemporaryFile& file, const std::string& path, bool replace) override;
    void Discard(TemporaryFile& file) override;

  private:
    bool unnamedTemporaries_;
};

// The one mapping of errno values to the causes -1..-14 (or StoreError::OtherFileError).
StoreError CauseFromErrno(int error);

}  // namespace orva
