// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "store/StoreError.h"

namespace orva {

// How a file is opened.
enum class OpenMode {
    ReadOnly,   // the file must exist
    ReadWrite,  // the file must exist
    CreateNew,  // write only; fails with StoreError::FileExists when the file is there
};

// Permissions for files this program creates. Record files and reports hold personal health
// data: record files are shared with the owner's group, reports stay with their owner.
inline constexpr unsigned kRecordFilePermissions = 0660;
inline constexpr unsigned kReportFilePermissions = 0600;

// Which file a name reaches: the same for every name of one file (a link, a second hard link),
// different for a copy or a file put in its place.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t file = 0;

    bool operator==(const FileIdentity&) const = default;
};

// What a file or folder is, who owns it and who besides its owner may change it: enough to tell
// whether a file that guards something (the export passwords) could have been rewritten by
// another user, and whether a journal belongs to the file beside it.
struct FileFacts {
    bool regularFile = false;
    bool folder = false;
    bool symbolicLink = false;      // the name itself is a link (Facts by path; what it reaches is described)
    bool othersMayWrite = false;    // someone besides the owner (a group, or everyone) may change it
    bool everyoneMayWrite = false;  // any user at all may change it
    // A folder in which others may add names but not take away or replace those of others
    // (the sticky bit of /tmp).
    bool othersOnlyAddNames = false;
    bool ownedByAdministrator = false;  // root; the administrators or the system on Windows
    bool ownedByCurrentUser = false;
    FileIdentity identity;
};

// A file made to be given its name only once it is complete: unnamed where the file system
// allows it (nothing of it is left by a kill), else under a temporary name of its own beside
// the target, which is removed on Ctrl+C and termination signals.
struct TemporaryFile {
    int handle = -1;
    std::string name;  // empty for an unnamed file
};

// The file operations of the store. Each answers with its value or the platform's cause
// (StoreError.h). Tests substitute implementations that fail on purpose.
class FileSystem {
  public:
    using Handle = int;

    virtual ~FileSystem() = default;

    // The handle of the opened file.
    virtual StoreResult<Handle> Open(const std::string& path, OpenMode mode, unsigned permissions) = 0;
    // Exclusive lock for as long as the handle is open; StoreError::SharingViolation when someone else,
    // in this process or another, holds the file.
    virtual StoreStatus LockExclusive(Handle handle) = 0;
    virtual StoreResult<long long> Size(Handle handle) = 0;
    // Bytes read: fewer than `size` only at the end of the file.
    virtual StoreResult<long long> ReadAt(Handle handle, long long offset, void* buffer,
                                          std::size_t size) = 0;
    // Writes all `size` bytes or fails.
    virtual StoreStatus WriteAt(Handle handle, long long offset, const void* data, std::size_t size) = 0;
    virtual StoreStatus Truncate(Handle handle, long long length) = 0;
    // Makes the written data durable before success is reported.
    virtual StoreStatus Sync(Handle handle) = 0;
    virtual StoreStatus Close(Handle handle) = 0;
    virtual StoreStatus Remove(const std::string& path) = 0;
    // Makes the names made, changed or removed in the folder of `path` durable.
    virtual StoreStatus SyncDirectoryOf(const std::string& path) = 0;

    // The facts of an open file, or of the file or folder at `path` (StoreError::FileNotFound or
    // StoreError::BadPath when nothing is there). A file system that cannot tell gives
    // StoreError::OtherFileError, which every caller must take as "not safe".
    virtual StoreResult<FileFacts> Facts(Handle handle);
    virtual StoreResult<FileFacts> Facts(const std::string& path);
    // Makes the folder (its parent must exist); success when it is already there.
    virtual StoreStatus CreateFolder(const std::string& path);
    // Gives the file `from` the name `to` in one step: over a file there only with `replace`,
    // else StoreError::FileExists and nothing changes.
    virtual StoreStatus Rename(const std::string& from, const std::string& to, bool replace);
    // The path of the file that `path` names, every link followed, so that whatever name
    // reaches a file, what belongs to it (its journal) is found beside it. A missing file is
    // resolved through its folder.
    virtual StoreResult<std::string> ResolvePath(const std::string& path);

    // A new empty file, writable, in the folder of `besidePath`.
    virtual StoreResult<TemporaryFile> CreateTemporary(const std::string& besidePath, unsigned permissions);
    // Names the complete temporary file `path` (its data already synced) and closes it: over a
    // file there only with `replace`, else StoreError::FileExists and the temporary file is left as it is.
    // The name is durable only after SyncDirectoryOf(path). `file` is changed to what is left of
    // it (no handle once closed, no name once given the target's), even on a failure part way,
    // so that a Discard afterwards closes and removes exactly that.
    virtual StoreStatus Publish(TemporaryFile& file, const std::string& path, bool replace);
    // Closes the temporary file and removes whatever name it has.
    virtual void Discard(TemporaryFile& file);
};

// The machine's file system.
FileSystem& DefaultFileSystem();

}  // namespace orva
