// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <optional>
#include <string>

#include "store/FileSystem.h"
#include "store/StoreError.h"
#include "support/ForwardingFileSystem.h"

namespace orva {

// A file system for tests: passes every call to another one, but can make writes fail after a
// number of bytes, fill the disk, and make a chosen operation fail with a chosen cause.
class FaultInjectingFileSystem final : public testsupport::ForwardingFileSystem {
  public:
    using ForwardingFileSystem::ForwardingFileSystem;

    // Writes succeed for `bytes` more bytes; the write that crosses the limit keeps the part
    // that fits and fails with `cause`. Later writes succeed again, as after a passing fault.
    void FailWritesAfter(long long bytes, StoreError cause = StoreError::HardwareError) {
        writeBudget_ = bytes;
        writeCause_ = cause;
    }
    // The disk has room for `bytes` more bytes: writes that grow a file beyond that keep the
    // part that fits and fail with StoreError::DiskFull, now and later; writes inside a file still work.
    void DiskFullAfter(long long bytes) { diskRoom_ = bytes; }
    // Every open fails, the making of temporary files included.
    void FailOpen(StoreError cause) { openCause_ = cause; }
    void FailLock(StoreError cause) { lockCause_ = cause; }
    void FailSize(StoreError cause) { sizeCause_ = cause; }
    // Reads that reach `offset` or beyond fail (all reads when it is 0).
    void FailReads(StoreError cause, long long offset = 0) {
        readCause_ = cause;
        readFailsFrom_ = offset;
    }
    void FailSync(StoreError cause) { syncCause_ = cause; }
    void FailTruncate(StoreError cause) { truncateCause_ = cause; }
    // The next removal fails, as removing a file that is still open does on some platforms.
    void FailNextRemove(StoreError cause) { removeCause_ = cause; }
    void Heal();

    long long BytesWritten() const { return bytesWritten_; }
    int SyncCount() const { return syncs_; }

    StoreResult<Handle> Open(const std::string& path, OpenMode mode, unsigned permissions) override;
    StoreStatus LockExclusive(Handle handle) override;
    StoreResult<long long> Size(Handle handle) override;
    StoreResult<long long> ReadAt(Handle handle, long long offset, void* buffer, std::size_t size) override;
    StoreStatus WriteAt(Handle handle, long long offset, const void* data, std::size_t size) override;
    StoreStatus Truncate(Handle handle, long long length) override;
    StoreStatus Sync(Handle handle) override;
    StoreStatus Remove(const std::string& path) override;
    StoreResult<TemporaryFile> CreateTemporary(const std::string& besidePath, unsigned permissions) override;

  private:
    // Each call's injected failure; success when none is.
    std::optional<long long> writeBudget_;
    StoreError writeCause_ = StoreError::HardwareError;
    std::optional<long long> diskRoom_;
    StoreStatus openCause_;
    StoreStatus lockCause_;
    StoreStatus sizeCause_;
    StoreStatus readCause_;
    long long readFailsFrom_ = 0;
    StoreStatus syncCause_;
    StoreStatus truncateCause_;
    StoreStatus removeCause_;
    long long bytesWritten_ = 0;
    int syncs_ = 0;
};

}  // namespace orva
