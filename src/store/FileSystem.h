#pragma once

#include <cstddef>
#include <string>

namespace orva {

// How a file is opened.
enum class OpenMode {
    ReadOnly,         // the file must exist
    ReadWrite,        // the file must exist
    ReadWriteCreate,  // created empty when missing, never truncated
    CreateNew,        // write only; fails with kFileExists when the file is there
};

// Permissions for files this program creates. Record files and reports hold personal health
// data: record files are shared with the owner's group, reports stay with their owner.
inline constexpr unsigned kRecordFilePermissions = 0660;
inline constexpr unsigned kReportFilePermissions = 0600;

// What a file or folder is and who besides its owner may change it: enough to tell whether a
// file that guards something (the export passwords) could have been rewritten by another user.
struct FileFacts {
    bool regularFile = false;
    bool folder = false;
    bool othersMayWrite = false;    // someone besides the owner (a group, or everyone) may change it
    bool everyoneMayWrite = false;  // any user at all may change it
};

// The file operations of the store. Every result is 0 (or a count or length) on success and
// a negated platform cause (StoreResult.h) on failure. Tests substitute implementations that
// fail on purpose.
class FileSystem {
  public:
    using Handle = int;

    virtual ~FileSystem() = default;

    // `created` tells whether this call made the file.
    virtual int Open(const std::string& path, OpenMode mode, unsigned permissions, Handle& handle,
                     bool& created) = 0;
    // Exclusive lock for as long as the handle is open; kSharingViolation when someone else,
    // in this process or another, holds the file.
    virtual int LockExclusive(Handle handle) = 0;
    virtual long long Size(Handle handle) = 0;
    // Bytes read: fewer than `size` only at the end of the file.
    virtual long long ReadAt(Handle handle, long long offset, void* buffer, std::size_t size) = 0;
    // Writes all `size` bytes or fails.
    virtual int WriteAt(Handle handle, long long offset, const void* data, std::size_t size) = 0;
    virtual int Truncate(Handle handle, long long length) = 0;
    // Makes the written data durable before success is reported.
    virtual int Sync(Handle handle) = 0;
    virtual int Close(Handle handle) = 0;
    virtual int Remove(const std::string& path) = 0;
    // Makes a newly created file's name durable.
    virtual int SyncDirectoryOf(const std::string& path) = 0;

    // The facts of an open file, or of the file or folder at `path` (kFileNotFound or kBadPath
    // when nothing is there). A file system that cannot tell gives kOtherFileError, which every
    // caller must take as "not safe".
    virtual int Facts(Handle handle, FileFacts& facts);
    virtual int Facts(const std::string& path, FileFacts& facts);
    // Makes the folder (its parent must exist); 0 when it is already there.
    virtual int CreateFolder(const std::string& path);
    // Puts the file `from` in the place of `to`, replacing it, in one step.
    virtual int Rename(const std::string& from, const std::string& to);
};

// The machine's file system.
FileSystem& DefaultFileSystem();

}  // namespace orva
