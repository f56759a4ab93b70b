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

    int Open(const std::string& path, OpenMode mode, unsigned permissions, Handle& handle,
             bool& created) override;
    int LockExclusive(Handle handle) override;
    long long Size(Handle handle) override;
    long long ReadAt(Handle handle, long long offset, void* buffer, std::size_t size) override;
    int WriteAt(Handle handle, long long offset, const void* data, std::size_t size) override;
    int Truncate(Handle handle, long long length) override;
    int Sync(Handle handle) override;
    int Close(Handle handle) override;
    int Remove(const std::string& path) override;
    int SyncDirectoryOf(const std::string& path) override;
    int Facts(Handle handle, FileFacts& facts) override;
    int Facts(const std::string& path, FileFacts& facts) override;
    int CreateFolder(const std::string& path) override;
    int Rename(const std::string& from, const std::string& to, bool replace) override;
    int ResolvePath(const std::string& path, std::string& resolved) override;
    int CreateTemporary(const std::string& besidePath, unsigned permissions, TemporaryFile& file) override;
    int Publish(TemporaryFile& file, const std::string& path, bool replace) override;
    void Discard(TemporaryFile& file) override;

  private:
    bool unnamedTemporaries_;
};

// The one mapping of errno values to the negated causes -1..-14 (or StoreError::OtherFileError).
int CauseFromErrno(int error);

}  // namespace orva
