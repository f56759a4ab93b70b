// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>

#include "store/FileSystem.h"

namespace orva::testsupport {

// Passes every call on to another file system; a test derives from it and overrides only the
// calls it makes fail or watches.
class ForwardingFileSystem : public FileSystem {
  public:
    explicit ForwardingFileSystem(FileSystem& inner = DefaultFileSystem()) : inner_(inner) {}

    StoreResult<Handle> Open(const std::string& path, OpenMode mode, unsigned permissions) override {
        return inner_.Open(path, mode, permissions);
    }
    StoreStatus LockExclusive(Handle handle) override { return inner_.LockExclusive(handle); }
    StoreResult<long long> Size(Handle handle) override { return inner_.Size(handle); }
    StoreResult<long long> ReadAt(Handle handle, long long offset, void* buffer, std::size_t size) override {
        return inner_.ReadAt(handle, offset, buffer, size);
    }
    StoreStatus WriteAt(Handle handle, long long offset, const void* data, std::size_t size) override {
        return inner_.WriteAt(handle, offset, data, size);
    }
    StoreStatus Truncate(Handle handle, long long length) override { return inner_.Truncate(handle, length); }
    StoreStatus Sync(Handle handle) override { return inner_.Sync(handle); }
    StoreStatus Close(Handle handle) override { return inner_.Close(handle); }
    StoreStatus Remove(const std::string& path) override { return inner_.Remove(path); }
    StoreStatus SyncDirectoryOf(const std::string& path) override { return inner_.SyncDirectoryOf(path); }
    StoreResult<FileFacts> Facts(Handle handle) override { return inner_.Facts(handle); }
    StoreResult<FileFacts> Facts(const std::string& path) override { return inner_.Facts(path); }
    StoreStatus CreateFolder(const std::string& path) override { return inner_.CreateFolder(path); }
    StoreStatus Rename(const std::string& from, const std::string& to, bool replace) override {
        return inner_.Rename(from, to, replace);
    }
    StoreResult<std::string> ResolvePath(const std::string& path) override {
        return inner_.ResolvePath(path);
    }
    StoreResult<TemporaryFile> CreateTemporary(const std::string& besidePath, unsigned permissions) override {
        return inner_.CreateTemporary(besidePath, permissions);
    }
    StoreStatus Publish(TemporaryFile& file, const std::string& path, bool replace) override {
        return inner_.Publish(file, path, replace);
    }
    void Discard(TemporaryFile& file) override { inner_.Discard(file); }

  protected:
    FileSystem& Inner() { return inner_; }

  private:
    FileSystem& inner_;
};

}  // namespace orva::testsupport
