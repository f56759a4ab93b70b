// SPDX-License-Identifier: Apache-2.0
#include "support/StoppingFileSystem.h"

#include "store/StoreError.h"

namespace orva::testsupport {

std::vector<long long> StoppingFileSystem::StopPoints() const {
    std::vector<long long> points = stops_;
    points.push_back(kUnlimited - budget_);
    return points;
}

void StoppingFileSystem::NoteStops(long long size) {
    const long long spent = kUnlimited - budget_;
    stops_.push_back(spent);
    if (size > 1) {
        stops_.push_back(spent + 1);
        stops_.push_back(spent + size / 2);
    }
}

bool StoppingFileSystem::Step() {
    if (dead_) return false;
    NoteStops(1);
    if (budget_ == 0) {
        dead_ = true;
        return false;
    }
    --budget_;
    return true;
}

StoreResult<FileSystem::Handle> StoppingFileSystem::Open(const std::string& path, OpenMode mode, unsigned permissions) {
    if (denyWrite_ && mode != OpenMode::ReadOnly) return StoreError::AccessDenied;
    if (mode == OpenMode::CreateNew && !Step()) return StoreError::HardwareError;
    if (dead_ && mode != OpenMode::ReadOnly) return StoreError::HardwareError;
    return Inner().Open(path, mode, permissions);
}

StoreStatus StoppingFileSystem::WriteAt(Handle handle, long long offset, const void* data, std::size_t size) {
    if (dead_) return StoreError::HardwareError;
    NoteStops(static_cast<long long>(size));
    if (static_cast<long long>(size) > budget_) {
        // The part that fits reaches the disk; whether it did is no matter to a dead process.
        if (budget_ > 0) (void)Inner().WriteAt(handle, offset, data, static_cast<std::size_t>(budget_));
        budget_ = 0;
        dead_ = true;
        return StoreError::HardwareError;
    }
    budget_ -= static_cast<long long>(size);
    return Inner().WriteAt(handle, offset, data, size);
}

StoreStatus StoppingFileSystem::Truncate(Handle handle, long long length) {
    return Step() ? Inner().Truncate(handle, length) : StoreError::HardwareError;
}

StoreStatus StoppingFileSystem::Sync(Handle handle) {
    return Step() ? Inner().Sync(handle) : StoreError::HardwareError;
}

StoreStatus StoppingFileSystem::Remove(const std::string& path) {
    return Step() ? Inner().Remove(path) : StoreError::HardwareError;
}

StoreStatus StoppingFileSystem::SyncDirectoryOf(const std::string& path) {
    return Step() ? Inner().SyncDirectoryOf(path) : StoreError::HardwareError;
}

StoreStatus StoppingFileSystem::Rename(const std::string& from, const std::string& to, bool replace) {
    return Step() ? Inner().Rename(from, to, replace) : StoreError::HardwareError;
}

StoreResult<TemporaryFile> StoppingFileSystem::CreateTemporary(const std::string& besidePath, unsigned permissions) {
    if (denyWrite_) return StoreError::AccessDenied;
    return Step() ? Inner().CreateTemporary(besidePath, permissions) : StoreError::HardwareError;
}

StoreStatus StoppingFileSystem::Publish(TemporaryFile& file, const std::string& path, bool replace) {
    return Step() ? Inner().Publish(file, path, replace) : StoreError::HardwareError;
}

void StoppingFileSystem::Discard(TemporaryFile& file) {
    if (!dead_) {
        Inner().Discard(file);
        return;
    }
    // A process that died removes nothing; only its handles close.
    if (file.handle >= 0) (void)Inner().Close(file.handle);
    file = TemporaryFile{};
}

}  // namespace orva::testsupport
