// SPDX-License-Identifier: Apache-2.0
#include "support/FaultInjectingFileSystem.h"

#include <algorithm>
#include <utility>

#include "store/StoreError.h"

namespace orva {

void FaultInjectingFileSystem::Heal() {
    writeBudget_.reset();
    diskRoom_.reset();
    openCause_ = lockCause_ = sizeCause_ = readCause_ = syncCause_ = truncateCause_ = removeCause_ = 0;
}

int FaultInjectingFileSystem::Open(const std::string& path, OpenMode mode, unsigned permissions,
                                   Handle& handle, bool& created) {
    if (openCause_ != 0) {
        handle = -1;
        created = false;
        return openCause_;
    }
    return Inner().Open(path, mode, permissions, handle, created);
}

int FaultInjectingFileSystem::CreateTemporary(const std::string& besidePath, unsigned permissions,
                                              TemporaryFile& file) {
    if (openCause_ != 0) return openCause_;
    return Inner().CreateTemporary(besidePath, permissions, file);
}

int FaultInjectingFileSystem::LockExclusive(Handle handle) {
    return lockCause_ != 0 ? lockCause_ : Inner().LockExclusive(handle);
}

long long FaultInjectingFileSystem::Size(Handle handle) {
    return sizeCause_ != 0 ? sizeCause_ : Inner().Size(handle);
}

long long FaultInjectingFileSystem::ReadAt(Handle handle, long long offset, void* buffer, std::size_t size) {
    const bool fails = readCause_ != 0 && offset + static_cast<long long>(size) > readFailsFrom_;
    return fails ? readCause_ : Inner().ReadAt(handle, offset, buffer, size);
}

int FaultInjectingFileSystem::WriteAt(Handle handle, long long offset, const void* data, std::size_t size) {
    auto n = static_cast<long long>(size);
    int cause = 0;
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
        const long long length = Inner().Size(handle);
        if (length < 0) return static_cast<int>(length);
        const long long end = std::max(length, offset);  // bytes before it take no new room
        const long long growth = std::max(0LL, offset + n - end);
        if (growth > *diskRoom_) {
            n = end - offset + *diskRoom_;
            cause = Code(StoreError::DiskFull);
            *diskRoom_ = 0;
        } else {
            *diskRoom_ -= growth;
        }
    }
    if (n > 0) {
        const int result = Inner().WriteAt(handle, offset, data, static_cast<std::size_t>(n));
        if (result < 0) return result;
        bytesWritten_ += n;
    }
    return cause;
}

int FaultInjectingFileSystem::Truncate(Handle handle, long long length) {
    return truncateCause_ != 0 ? truncateCause_ : Inner().Truncate(handle, length);
}

int FaultInjectingFileSystem::Sync(Handle handle) {
    ++syncs_;
    return syncCause_ != 0 ? syncCause_ : Inner().Sync(handle);
}

int FaultInjectingFileSystem::Remove(const std::string& path) {
    if (removeCause_ != 0) return std::exchange(removeCause_, 0);
    return Inner().Remove(path);
}

}  // namespace orva
