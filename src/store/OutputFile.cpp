// SPDX-License-Identifier: Apache-2.0
#include "store/OutputFile.h"

#include <array>
#include <cstring>
#include <string_view>
#include <utility>

#include "store/RecordFormat.h"
#include "store/StoreError.h"

namespace orva {

namespace {

bool EndsInRecordFileExtension(const std::string& path) {
    constexpr std::string_view kExtension = ".rpc";
    if (path.size() < kExtension.size()) return false;
    for (std::size_t i = 0; i < kExtension.size(); ++i) {
        char c = path[path.size() - kExtension.size() + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != kExtension[i]) return false;
    }
    return true;
}

}  // namespace

OutputFile::OutputFile(FileSystem& fileSystem, unsigned permissions) : fs_(fileSystem), permissions_(permissions) {}

OutputFile::~OutputFile() {
    // A file never closed is no finished output.
    Discard();
}

bool OutputFile::IsRecordFile(FileSystem& fs, const std::string& path) {
    if (EndsInRecordFileExtension(path)) return true;
    const StoreResult<FileSystem::Handle> opened = fs.Open(path, OpenMode::ReadOnly, 0);
    if (!opened) return false;
    std::array<char, kVersionWordSize> word{};
    const StoreResult<long long> read = fs.ReadAt(*opened, 0, word.data(), word.size());
    (void)fs.Close(*opened);  // only read from
    return read.ValueOr(0) == static_cast<long long>(word.size()) &&
           std::memcmp(word.data(), kVersionText, word.size()) == 0;
}

StoreStatus OutputFile::Open(bool replace) {
    Discard();
    // Records are never lost to a report or an export named like their file.
    if (IsRecordFile(fs_, path_)) return StoreError::OutputIsRecordFile;
    if (const StoreResult<FileSystem::Handle> old = fs_.Open(path_, OpenMode::ReadOnly, 0)) {
        // Someone holding the old file keeps it: replacing it under them would lose their work.
        const StoreStatus locked = replace ? fs_.LockExclusive(*old) : StoreStatus(StoreError::FileExists);
        (void)fs_.Close(*old);  // only looked at
        if (!locked) return locked;
    }
    StoreResult<TemporaryFile> made = fs_.CreateTemporary(path_, permissions_);
    if (!made) return made.Error();
    temporary_ = std::move(made).Value();
    replace_ = replace;
    open_ = true;
    written_ = 0;
    failure_ = {};
    return {};
}

StoreStatus OutputFile::Write(const void* data, std::size_t size) {
    if (!open_) return StoreError::InvalidFile;
    const StoreStatus result = fs_.WriteAt(temporary_.handle, written_, data, size);
    if (!result) {
        if (failure_) failure_ = result;
        return result;
    }
    written_ += static_cast<long long>(size);
    return {};
}

void OutputFile::Discard() {
    if (!open_) return;
    fs_.Discard(temporary_);
    open_ = false;
}

StoreStatus OutputFile::Close() {
    if (!open_) return {};
    // An output with a block missing is no output: it never takes the target's name.
    StoreStatus result = failure_;
    if (result) result = fs_.Sync(temporary_.handle);
    // A record file put there since the open is not replaced either.
    if (result && replace_ && IsRecordFile(fs_, path_)) result = StoreError::OutputIsRecordFile;
    if (result) result = fs_.Publish(temporary_, path_, replace_);
    if (!result) {
        Discard();
        return result;
    }
    open_ = false;
    // The output is whole under its name; a name not yet durable is the most a power cut takes.
    (void)fs_.SyncDirectoryOf(path_);
    return {};
}

}  // namespace orva
