#include "store/OutputFile.h"

#include "store/StoreResult.h"

namespace orva {

OutputFile::OutputFile(FileSystem& fileSystem) : fs_(fileSystem) {}

OutputFile::~OutputFile() {
    Close();
}

int OutputFile::Open(bool replace) {
    Close();
    if (replace) {
        // Someone holding the old file keeps it: deleting it under them would lose their work.
        FileSystem::Handle old = -1;
        bool created = false;
        if (fs_.Open(path_, OpenMode::ReadOnly, kReportFilePermissions, old, created) == kStoreOk) {
            const int locked = fs_.LockExclusive(old);
            if (locked < 0) {
                fs_.Close(old);
                return locked;
            }
            // Removed while held where the platform allows it, else just after closing it.
            int removed = fs_.Remove(path_);
            fs_.Close(old);
            if (removed < 0 && removed != kFileNotFound) removed = fs_.Remove(path_);
            if (removed < 0 && removed != kFileNotFound) return removed;
        } else {
            const int removed = fs_.Remove(path_);
            if (removed < 0 && removed != kFileNotFound) return removed;
        }
    }
    FileSystem::Handle handle = -1;
    bool created = false;
    const int opened = fs_.Open(path_, OpenMode::CreateNew, kReportFilePermissions, handle, created);
    if (opened < 0) return opened;
    const int locked = fs_.LockExclusive(handle);
    if (locked < 0) {
        fs_.Close(handle);
        return locked;
    }
    handle_ = handle;
    open_ = true;
    written_ = 0;
    partial_ = false;
    return kStoreOk;
}

long long OutputFile::Write(const void* data, std::size_t size) {
    if (!open_) return kInvalidFile;
    const int result = fs_.WriteAt(handle_, written_, data, size);
    if (result < 0) {
        // The next block goes where this one should have; Close cuts off what is left of it.
        partial_ = true;
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
    partial_ = false;
    const int removed = fs_.Remove(path_);
    return removed == kFileNotFound ? kStoreOk : removed;
}

int OutputFile::Close() {
    if (!open_) return kStoreOk;
    const int cut = partial_ ? fs_.Truncate(handle_, written_) : kStoreOk;
    const int synced = fs_.Sync(handle_);
    const int closed = fs_.Close(handle_);
    open_ = false;
    handle_ = -1;
    partial_ = false;
    if (cut < 0) return cut;
    return synced < 0 ? synced : closed;
}

}  // namespace orva
