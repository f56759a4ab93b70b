#include "store/OutputFile.h"

#include <array>
#include <cstring>
#include <string_view>

#include "store/RecordFormat.h"
#include "store/StoreResult.h"

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
    FileSystem::Handle handle = -1;
    bool created = false;
    if (fs.Open(path, OpenMode::ReadOnly, 0, handle, created) != kStoreOk) return false;
    std::array<char, kVersionWordSize> word{};
    const long long read = fs.ReadAt(handle, 0, word.data(), word.size());
    fs.Close(handle);
    return read == static_cast<long long>(word.size()) && std::memcmp(word.data(), kVersionText, word.size()) == 0;
}

int OutputFile::Open(bool replace) {
    Discard();
    // Records are never lost to a report or an export named like their file.
    if (IsRecordFile(fs_, path_)) return kOutputIsRecordFile;
    FileSystem::Handle old = -1;
    bool created = false;
    if (fs_.Open(path_, OpenMode::ReadOnly, 0, old, created) == kStoreOk) {
        if (!replace) {
            fs_.Close(old);
            return kFileExists;
        }
        // Someone holding the old file keeps it: replacing it under them would lose their work.
        const int locked = fs_.LockExclusive(old);
        fs_.Close(old);
        if (locked < 0) return locked;
    }
    const int made = fs_.CreateTemporary(path_, permissions_, temporary_);
    if (made < 0) return made;
    replace_ = replace;
    open_ = true;
    written_ = 0;
    failure_ = kStoreOk;
    return kStoreOk;
}

long long OutputFile::Write(const void* data, std::size_t size) {
    if (!open_) return kInvalidFile;
    const int result = fs_.WriteAt(temporary_.handle, written_, data, size);
    if (result < 0) {
        if (failure_ == kStoreOk) failure_ = result;
        return result;
    }
    written_ += static_cast<long long>(size);
    return static_cast<long long>(size);
}

int OutputFile::Discard() {
    if (!open_) return kStoreOk;
    fs_.Discard(temporary_);
    open_ = false;
    return kStoreOk;
}

int OutputFile::Close() {
    if (!open_) return kStoreOk;
    // An output with a block missing is no output: it never takes the target's name.
    int result = failure_;
    if (result >= 0) result = fs_.Sync(temporary_.handle);
    // A record file put there since the open is not replaced either.
    if (result >= 0 && replace_ && IsRecordFile(fs_, path_)) result = kOutputIsRecordFile;
    if (result >= 0) result = fs_.Publish(temporary_, path_, replace_);
    if (result < 0) {
        Discard();
        return result;
    }
    open_ = false;
    fs_.SyncDirectoryOf(path_);
    return kStoreOk;
}

}  // namespace orva
