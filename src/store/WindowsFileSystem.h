// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "store/FileSystem.h"

namespace orva {

// The file system of Windows: exclusive access through a share mode of 0, so that any other
// opener, in this process or another, fails with a sharing violation. Paths are UTF-8.
class WindowsFileSystem final : public FileSystem {
  public:
    WindowsFileSystem() = default;
    ~WindowsFileSystem() override;
    WindowsFileSystem(const WindowsFileSystem&) = delete;
    WindowsFileSystem& operator=(const WindowsFileSystem&) = delete;

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
    void* Native(Handle handle) const;

    std::vector<void*> open_;  // native handles by Handle; null when free
};

// The one mapping of Windows error codes to the negated causes -1..-14 (or StoreError::FileExists).
int CauseFromWindowsError(unsigned long error);

}  // namespace orva
