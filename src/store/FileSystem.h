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
};

// The machine's file system.
FileSystem& DefaultFileSystem();

}  // namespace orva
