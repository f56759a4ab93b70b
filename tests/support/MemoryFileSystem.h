// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "store/FileSystem.h"

namespace orva::testsupport {

// Files and folders held in memory, with what a power cut keeps: for each file only the bytes
// written up to its last Sync, and for each folder only the names as they were at its last
// SyncDirectoryOf. PowerCut() turns everything back to that. Paths are "/folder/name"; folders
// exist once made (the constructor makes "/" and `folders`). Unnamed temporary files are made
// unless told not to, as on a file system without them.
class MemoryFileSystem final : public FileSystem {
  public:
    explicit MemoryFileSystem(std::vector<std::string> folders = {}, bool unnamedTemporaries = true);

    // What stays after the power goes off at this moment: every open handle is gone too. The
    // file named `writtenBack` (when given) keeps all it was written, as when the system had
    // written its pages out before the cut while those of every other file were lost.
    void PowerCut(const std::string& writtenBack = {});
    // Everything as it is now becomes durable, as when the disk has written it all.
    void Flush();

    // The file's bytes as they are now; empty when there is no file.
    std::vector<unsigned char> Content(const std::string& path) const;
    bool Exists(const std::string& path) const;
    void Put(const std::string& path, const std::vector<unsigned char>& bytes);  // made durable at once
    // The names in a folder.
    std::set<std::string> Names(const std::string& folder) const;
    int OpenHandles() const { return static_cast<int>(handles_.size()); }

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
    StoreResult<TemporaryFile> CreateTemporary(const std::string& besidePath, unsigned permissions) override;
    StoreStatus Publish(TemporaryFile& file, const std::string& path, bool replace) override;

  private:
    struct File {
        std::vector<unsigned char> content;
        std::vector<unsigned char> durable;
    };
    struct Folder {
        std::map<std::string, int> names;  // name -> file number
        std::map<std::string, int> durable;
    };
    struct OpenFile {
        int file = 0;
        bool writable = false;
    };

    // The folder and the name of `path`; false when the folder is not there.
    bool Split(const std::string& path, std::string& folder, std::string& name) const;
    const int* Find(const std::string& path) const;
    OpenFile* Opened(Handle handle);

    std::map<int, File> files_;
    std::map<std::string, Folder> folders_;
    std::map<Handle, OpenFile> handles_;
    std::map<int, Handle> locks_;  // file number -> the handle holding it
    int nextFile_ = 1;
    Handle nextHandle_ = 3;
    bool unnamedTemporaries_;
};

}  // namespace orva::testsupport
