// SPDX-License-Identifier: Apache-2.0
#include "support/FaultInjectingFileSystem.h"

#include <algorithm>
#include <utility>

#include "store/StoreError.h"

namespace orva {

void FaultInjectingFileSystem::Heal() {
    writeBudget_.reset();
    diskRoom_.reset();
    openCause_ = lockCause_ = sizeCause_ = readCause_ = syncCause_ = truncateCause_ = removeCause_ = {};
}

StoreResult<FileSystem::Handle> FaultInjectingFileSystem::Open(const std::string& path, OpenMode mode,
                                                               unsigned permissions) {
    if (!openCause_) return openCause_;
    return Inner().Open(path, mode, permissions);
}

StoreResult<TemporaryFile> FaultInjectingFileSystem::CreateTemporary(const std::string& besidePath,
                                                                     unsigned permissions) {
    if (!openCause_) return openCause_;
    return Inner().CreateTemporary(besidePath, permissions);
}

StoreStatus FaultInjectingFileSystem::LockExclusive(Handle handle) {
    return lockCause_ ? Inner().LockExclusive(handle) : lockCause_;
}

StoreResult<long long> FaultInjectingFileSystem::Size(Handle handle) {
    return sizeCause_ ? Inner().Size(handle) : StoreResult<long long>(sizeCause_);
}

StoreResult<long long> FaultInjectingFileSystem::ReadAt(Handle handle, long long offset, void* buffer,
                                                        std::size_t size) {
    const bool fails = !readCause_ && offset + static_cast<long long>(size) > readFailsFrom_;
    return fails ? StoreResult<long long>(readCause_) : Inner().ReadAt(handle, offset, buffer, size);
}

StoreStatus FaultInjectingFileSystem::WriteAt(Handle handle, long long offset, const void* data,
                                              std::size_t size) {
    auto n = static_cast<long long>(size);
    StoreStatus cause;
    if (writeBudget_) {
        if (n > *writeBudget_) {
            n = *writeBudget_;
            cause = writeCause_;
            writeBudget_.reset();
        } else {
            *writeBudget_ -= n;
        }
    }
    if (diskRoom_) {
        const StoreResult<long long> length = Inner().Size(handle);
        if (!length) return length.AsStatus();
        const long long end = std::max(*length, offset);  // bytes before it take no new room
        const long long growth = std::max(0LL, offset + n - end);
        if (growth > *diskRoom_) {
            n = end - offset + *diskRoom_;
            cause = StoreError::DiskFull;
            *diskRoom_ = 0;
        } else {
            *diskRoom_ -= growth;
        }
    }
    if (n > 0) {
        const StoreStatus result = Inner().WriteAt(handle, offset, data, static_cast<std::size_t>(n));
        if (!result) return result;
        bytesWritten_ += n;
    }
    return cause;
}

StoreStatus FaultInjectingFileSystem::Truncate(Handle handle, long long length) {
    return truncateCause_ ? Inner().Truncate(handle, length) : truncateCause_;
}

StoreStatus FaultInjectingFileSystem::Sync(Handle handle) {
    ++syncs_;
    return syncCause_ ? Inner().Sync(handle) : syncCause_;
}

StoreStatus FaultInjectingFileSystem::Remove(const std::string& path) {
    if (!removeCause_) return std::exchange(removeCause_, {});
    return Inner().Remove(path);
}

}  // namespace orva
