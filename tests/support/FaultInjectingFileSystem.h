// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <optional>
#include <string>

#include "store/FileSystem.h"
#include "support/ForwardingFileSystem.h"

namespace orva {

// A file system for tests: passes every call to another one, but can make writes fail after a
// number of bytes, fill the disk, and make a chosen operation fail with a chosen cause.
class FaultInjectingFileSystem final : public testsupport::ForwardingFileSystem {
  public:
    using ForwardingFileSystem::ForwardingFileSystem;

    // Writes succeed for `bytes` more bytes; the write that crosses the limit keeps the part
    // that fits and fails with `cause`. Later writes succeed again, as after a passing fault.
    void FailWritesAfter(long long bytes, int cause = -10) {
        writeBudget_ = bytes;
        writeCause_ = cause;
    }
    // The disk has room for `bytes` more bytes: writes that grow a file beyond that keep the
    // part that fits and fail with StoreError::DiskFull, now and later; writes inside a file still work.
    void DiskFullAfter(long long bytes) { diskRoom_ = bytes; }
    // Every open fails, the making of temporary files included.
    void FailOpen(int cause) { openCause_ = cause; }
    void FailLock(int cause) { lockCause_ = cause; }
    void FailSize(int cause) { sizeCause_ = cause; }
    // Reads that reach `offset` or beyond fail (all reads when it is 0).
    void FailReads(int cause, long long offset = 0) {
        readCause_ = cause;
        readFailsFrom_ = offset;
    }
    void FailSync(int cause) { syncCause_ = cause; }
    void FailTruncate(int cause) { truncateCause_ = cause; }
    // The next removal fails, as removing a file that is still open does on some platforms.
    void FailNextRemove(int cause) { removeCause_ = cause; }
    void Heal();

    long long BytesWritten() const { return bytesWritten_; }
    int SyncCount() const { return syncs_; }

    int Open(const std::string& path, OpenMode mode, unsigned permissions, Handle& handle,
             bool& created) override;
    int LockExclusive(Handle handle) override;
    long long Size(Handle handle) override;
    long long ReadAt(Handle handle, long long offset, void* buffer, std::size_t size) override;
    int WriteAt(Handle handle, long long offset, const void* data, std::size_t size) override;
    int Truncate(Handle handle, long long length) override;
    int Sync(Handle handle) override;
    int Remove(const std::string& path) override;
    int CreateTemporary(const std::string& besidePath, unsigned permissions, TemporaryFile& file) override;

  private:
    std::optional<long long> writeBudget_;
    int writeCause_ = -10;
    std::optional<long long> diskRoom_;
    int openCause_ = 0;
    int lockCause_ = 0;
    int sizeCause_ = 0;
    int readCause_ = 0;
    long long readFailsFrom_ = 0;
    int syncCause_ = 0;
    int truncateCause_ = 0;
    int removeCause_ = 0;
    long long bytesWritten_ = 0;
    int syncs_ = 0;
};

}  // namespace orva
