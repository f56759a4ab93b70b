#include "reports/RecordBatch.h"

#include <cstring>

#include "store/FileHeader.h"
#include "store/StoreResult.h"

namespace orva {

namespace {

// Holds the open, locked file and puts it back as it was unless the append is committed.
class BatchAppend {
  public:
    BatchAppend(FileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {}
    ~BatchAppend() {
        if (!open_) return;
        if (!committed_) RollBack();
        fs_.Close(handle_);
    }

    int Open() {
        int result = fs_.Open(path_, OpenMode::ReadWriteCreate, kRecordFilePermissions, handle_, created_);
        if (result < 0) return result;
        result = fs_.LockExclusive(handle_);
        if (result < 0) {
            // A file just made and already held by another program is theirs now: leave it.
            fs_.Close(handle_);
            return result;
        }
        open_ = true;
        length_ = fs_.Size(handle_);
        if (length_ < 0) return static_cast<int>(length_);
        return length_ == 0 ? kStoreOk : ValidateHeader();
    }

    long long Length() const { return length_; }

    int Append(const std::vector<StoredRecord>& records, const LocalDateTime& now) {
        touched_ = true;
        const std::size_t recordBytes = records.size() * kStoredRecordSize;
        std::vector<unsigned char> bytes(recordBytes + (length_ == 0 ? kHeaderSize : 0));
        unsigned char* at = bytes.data();
        // A new file gets its header in the same write as its records.
        if (length_ == 0) {
            const HeaderBytes header = FileHeader::New(now).Bytes();
            std::memcpy(at, header.data(), kHeaderSize);
            at += kHeaderSize;
        }
        for (const StoredRecord& record : records) {
            std::memcpy(at, record.data(), kStoredRecordSize);
            at += kStoredRecordSize;
        }
        int result = fs_.WriteAt(handle_, length_, bytes.data(), bytes.size());
        if (result >= 0 && length_ > 0) {
            const HeaderBytes header = FileHeader::Parse(oldHeader_).Rewritten(now).Bytes();
            result = fs_.WriteAt(handle_, 0, header.data(), kHeaderSize);
        }
        if (result >= 0) result = fs_.Sync(handle_);
        if (result >= 0 && created_) result = fs_.SyncDirectoryOf(path_);
        return result < 0 ? result : kStoreOk;
    }

    void Commit() { committed_ = true; }

  private:
    int ValidateHeader() {
        if (length_ < static_cast<long long>(kSmallestFileWithRecord)) return kTooShort;
        if ((length_ - static_cast<long long>(kHeaderSize)) % static_cast<long long>(kStoredRecordSize) !=
            0) {
            return kBadLength;
        }
        if (fs_.ReadAt(handle_, 0, oldHeader_.data(), kHeaderSize) != static_cast<long long>(kHeaderSize)) {
            return kHeaderUnreadable;
        }
        return FileHeader::HasVersionWord(oldHeader_) ? kStoreOk : kBadHeaderWord;
    }

    // Every step is tried even when an earlier one fails: each part put back is a part kept.
    void RollBack() {
        if (created_) {
            fs_.Remove(path_);
            return;
        }
        if (!touched_) return;
        if (length_ > 0) fs_.WriteAt(handle_, 0, oldHeader_.data(), kHeaderSize);
        fs_.Truncate(handle_, length_);
        fs_.Sync(handle_);
    }

    FileSystem& fs_;
    std::string path_;
    FileSystem::Handle handle_ = -1;
    bool open_ = false;
    bool created_ = false;
    bool touched_ = false;
    bool committed_ = false;
    long long length_ = 0;
    HeaderBytes oldHeader_{};
};

}  // namespace

int AppendRecordBatch(const std::string& path, const std::vector<StoredRecord>& records, const Clock& clock,
                      FileSystem& fileSystem, int& existingRecords, int& firstPosition) {
    existingRecords = 0;
    firstPosition = -1;
    BatchAppend batch(fileSystem, path);
    const int opened = batch.Open();
    if (opened < 0) return opened;
    const long long count = RecordCountForLength(batch.Length());
    existingRecords = static_cast<int>(count);
    if (count + static_cast<long long>(records.size()) > kMaxRecords) return kFileFull;
    // Nothing to add leaves the file as it was (a file made just now is removed again).
    if (records.empty()) return kStoreOk;
    const int appended = batch.Append(records, clock.Now());
    if (appended < 0) return appended;
    batch.Commit();
    firstPosition = static_cast<int>(count);
    return kStoreOk;
}

}  // namespace orva
