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

    int Open(const std::string& path, OpenMode mode, unsigned permissions, Handle& handle,
             bool& created) override {
        return inner_.Open(path, mode, permissions, handle, created);
    }
    int LockExclusive(Handle handle) override { return inner_.LockExclusive(handle); }
    long long Size(Handle handle) override { return inner_.Size(handle); }
    long long ReadAt(Handle handle, long long offset, void* buffer, std::size_t size) override {
        return inner_.ReadAt(handle, offset, buffer, size);
    }
    int WriteAt(Handle handle, long long offset, const void* data, std::size_t size) override {
        return inner_.WriteAt(handle, offset, data, size);
    }
    int Truncate(Handle handle, long long length) override { return inner_.Truncate(handle, length); }
    int Sync(Handle handle) override { return inner_.Sync(handle); }
    int Close(Handle handle) override { return inner_.Close(handle); }
    int Remove(const std::string& path) override { return inner_.Remove(path); }
    int SyncDirectoryOf(const std::string& path) override { return inner_.SyncDirectoryOf(path); }
    int Facts(Handle handle, FileFacts& facts) override { return inner_.Facts(handle, facts); }
    int Facts(const std::string& path, FileFacts& facts) override { return inner_.Facts(path, facts); }
    int CreateFolder(const std::string& path) override { return inner_.CreateFolder(path); }
    int Rename(const std::string& from, const std::string& to, bool replace) override {
        return inner_.Rename(from, to, replace);
    }
    int ResolvePath(const std::string& path, std::string& resolved) override {
        return inner_.ResolvePath(path, resolved);
    }
    int CreateTemporary(const std::string& besidePath, unsigned permissions, TemporaryFile& file) override {
        return inner_.CreateTemporary(besidePath, permissions, file);
    }
    int Publish(TemporaryFile& file, const std::string& path, bool replace) override {
        return inner_.Publish(file, path, replace);
    }
    void Discard(TemporaryFile& file) override { inner_.Discard(file); }

  protected:
    FileSystem& Inner() { return inner_; }

  private:
    FileSystem& inner_;
};

}  // namespace orva::testsupport
