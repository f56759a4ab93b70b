#include "store/OutputFile.h"

#include <random>

#include "store/StoreResult.h"

namespace orva {

namespace {

// A name in the target's folder that no one else uses, so that the rename stays in one file system.
std::string TemporaryName(const std::string& path) {
    static std::mt19937_64 random{std::random_device{}()};
    return path + "." + std::to_string(random() % 1000000000ULL) + ".part";
}

}  // namespace

OutputFile::OutputFile(FileSystem& fileSystem) : fs_(fileSystem) {}

OutputFile::~OutputFile() {
    // A file never closed is no finished report.
    Discard();
}

int OutputFile::Open(bool replace) {
    Discard();
    FileSystem::Handle old = -1;
    bool created = false;
    if (fs_.Open(path_, OpenMode::ReadOnly, kReportFilePermissions, old, created) == kStoreOk) {
        if (!replace) {
            fs_.Close(old);
            return kFileExists;
        }
        // Someone holding the old file keeps it: replacing it under them would lose their work.
        const int locked = fs_.LockExclusive(old);
        fs_.Close(old);
        if (locked < 0) return locked;
    }
    replace_ = replace;
    // Everything is written to a file of its own beside the target, which takes the target's
    // name only once it is complete and on the disk.
    for (int attempt = 0; attempt < 10; ++attempt) {
        temporary_ = TemporaryName(path_);
        FileSystem::Handle handle = -1;
        const int opened = fs_.Open(temporary_, OpenMode::CreateNew, kReportFilePermissions, handle, created);
        if (opened == kFileExists) continue;
        if (opened < 0) return opened;
        handle_ = handle;
        open_ = true;
        written_ = 0;
        failure_ = kStoreOk;
        return kStoreOk;
    }
    return kFileExists;
}

long long OutputFile::Write(const void* data, std::size_t size) {
    if (!open_) return kInvalidFile;
    const int result = fs_.WriteAt(handle_, written_, data, size);
    if (result < 0) {
        if (failure_ == kStoreOk) failure_ = result;
        return result;
    }
    written_ += static_cast<long long>(size);
    return static_cast<long long>(size);
}

int OutputFile::Discard() {
    if (!open_) return kStoreOk;
    fs_.Close(handle_);
    open_ = false;
    handle_ = -1;
    const int removed = fs_.Remove(temporary_);
    return removed == kFileNotFound ? kStoreOk : removed;
}

int OutputFile::Close() {
    if (!open_) return kStoreOk;
    // A report with a block missing is no report: it never takes the target's name.
    if (failure_ != kStoreOk) {
        const int failure = failure_;
        Discard();
        return failure;
    }
    int result = fs_.Sync(handle_);
    const int closed = fs_.Close(handle_);
    open_ = false;
    handle_ = -1;
    if (result >= 0) result = closed;
    // Without `replace`, a file that appeared under the name meanwhile is not overwritten.
    if (result >= 0 && !replace_) {
        FileSystem::Handle other = -1;
        bool created = false;
        if (fs_.Open(path_, OpenMode::ReadOnly, 0, other, created) == kStoreOk) {
            fs_.Close(other);
            result = kFileExists;
        }
    }
    if (result >= 0) result = fs_.Rename(temporary_, path_);
    if (result < 0) {
        fs_.Remove(temporary_);
        return result;
    }
    fs_.SyncDirectoryOf(path_);
    return kStoreOk;
}

}  // namespace orva
