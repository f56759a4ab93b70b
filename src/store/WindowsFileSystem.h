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
    void* Native(Handle handle) const;

    std::vector<void*> open_;  // native handles by Handle; null when free
};

// The one mapping of Windows error codes to the causes -1..-14 (or StoreError::FileExists).
StoreError CauseFromWindowsError(unsigned long error);

}  // namespace orva
