#include "store/RecordFile.h"

#include <cstring>

namespace orva {

RecordFile::RecordFile(const Clock& clock, FileSystem& fileSystem) : clock_(clock), fs_(fileSystem) {}

RecordFile::~RecordFile() {
    Close();
}

long long RecordFile::OpenWith(const std::string& path, OpenMode mode) {
    Close();
    FileSystem::Handle handle = -1;
    bool created = false;
    const int opened = fs_.Open(path, mode, kRecordFilePermissions, handle, created);
    if (opened < 0) return opened;
    const int locked = fs_.LockExclusive(handle);
    if (locked < 0) {
        // A file just created and already held by someone else is theirs now: leave it.
        fs_.Close(handle);
        return locked;
    }
    const long long length = fs_.Size(handle);
    if (length < 0) {
        if (created) fs_.Remove(path);
        fs_.Close(handle);
        return length;
    }
    handle_ = handle;
    open_ = true;
    created_ = created;
    path_ = path;
    length_ = length;
    return length;
}

long long RecordFile::Open(const std::string& path, bool readOnly) {
    // Reading never creates a file: a mistyped name must say "not found", not leave an empty file.
    return OpenWith(path, readOnly ? OpenMode::ReadOnly : OpenMode::ReadWriteCreate);
}

int RecordFile::ValidateHeader() {
    if (!open_) return kInvalidFile;
    if (length_ == 0) return kNewEmptyFile;
    if (length_ < static_cast<long long>(kSmallestFileWithRecord)) return kTooShort;
    if ((length_ - static_cast<long long>(kHeaderSize)) % static_cast<long long>(kStoredRecordSize) != 0) {
        return kBadLength;
    }
    if (fs_.ReadAt(handle_, 0, headerBytes_.data(), kHeaderSize) != static_cast<long long>(kHeaderSize)) {
        return kHeaderUnreadable;
    }
    if (!FileHeader::HasVersionWord(headerBytes_)) return kBadHeaderWord;
    header_ = FileHeader::Parse(headerBytes_);
    return kStoreOk;
}

int RecordFile::OpenForReading(const std::string& path, bool readOnly) {
    const long long opened = OpenWith(path, readOnly ? OpenMode::ReadOnly : OpenMode::ReadWrite);
    if (opened < 0) return static_cast<int>(opened);
    const int valid = ValidateHeader();
    if (valid < 0) return valid;
    recordCount_ = RecordCountForLength(length_);
    if (recordCount_ < 1) return kTooShort;
    nextPosition_ = 0;
    return ReadNext();
}

int RecordFile::ReadNext() {
    if (!open_ || nextPosition_ < 0 || nextPosition_ >= recordCount_) return kNoMoreRecords;
    currentPosition_ = nextPosition_++;
    // A record that cannot be read is passed over, so that a reader that counts it and goes on
    // gets the next record rather than the same failure again.
    const long long read =
        fs_.ReadAt(handle_, RecordOffset(currentPosition_), buffer_.data(), kStoredRecordSize);
    if (read != static_cast<long long>(kStoredRecordSize)) return kIncompleteRecord;
    return nextPosition_ >= recordCount_ ? kLastRecord : kMoreRecords;
}

void RecordFile::Close() {
    if (open_) fs_.Close(handle_);
    open_ = false;
    created_ = false;
    handle_ = -1;
    recordCount_ = -1;
    nextPosition_ = -1;
    currentPosition_ = -1;
}

int RecordFile::Abandon(int code) {
    // The file is removed while still held where the platform allows it (nobody can slip in
    // between), else just after closing it.
    const bool remove = open_ && created_;
    const bool removed = remove && fs_.Remove(path_) == kStoreOk;
    Close();
    if (remove && !removed) fs_.Remove(path_);
    return code;
}

void RecordFile::RollBack(long long oldLength, bool headerTouched, const StoredRecord* oldRecord,
                          long long recordOffset) {
    // Each step is tried even when an earlier one fails: every part restored is a part saved.
    if (oldRecord != nullptr) fs_.WriteAt(handle_, recordOffset, oldRecord->data(), kStoredRecordSize);
    if (headerTouched && oldLength > 0) fs_.WriteAt(handle_, 0, headerBytes_.data(), kHeaderSize);
    fs_.Truncate(handle_, oldLength);
    fs_.Sync(handle_);
}

int RecordFile::WriteHeader() {
    if (!open_) return kInvalidFile;
    const LocalDateTime now = clock_.Now();
    header_ = length_ < static_cast<long long>(kHeaderSize) ? FileHeader::New(now) : header_.Rewritten(now);
    const HeaderBytes bytes = header_.Bytes();
    return fs_.WriteAt(handle_, 0, bytes.data(), kHeaderSize);
}

int RecordFile::WriteRecord(const std::string& path, const StoredRecord& stored, int position,
                            int& outPosition) {
    outPosition = -1;
    if (position < -1) return kPositionBeyondEnd;
    const long long opened = Open(path, false);
    if (opened < 0) return static_cast<int>(opened);

    const bool appending = position == -1;
    const long long count = RecordCountForLength(length_);
    if (appending && count >= kMaxRecords) return Abandon(kFileFull);
    const int valid = ValidateHeader();
    if (valid < 0) return Abandon(valid);
    // Replacing only what is there: a position past the last record would leave a hole.
    if (!appending && position >= count) return Abandon(kPositionBeyondEnd);

    const long long oldLength = length_;
    const long long offset = appending ? oldLength : RecordOffset(position);
    StoredRecord oldRecord{};
    const StoredRecord* restore = nullptr;
    if (!appending) {
        const long long read = fs_.ReadAt(handle_, offset, oldRecord.data(), kStoredRecordSize);
        if (read < 0) return Abandon(static_cast<int>(read));
        if (read != static_cast<long long>(kStoredRecordSize)) return Abandon(kIncompleteRecord);
        restore = &oldRecord;
    }

    bool headerTouched = false;
    int result = kStoreOk;
    if (oldLength == 0) {
        result = WriteNewFile(stored);
    } else {
        result = fs_.WriteAt(handle_, offset, stored.data(), kStoredRecordSize);
        if (result >= 0) {
            headerTouched = true;
            result = WriteHeader();
        }
    }
    if (result >= 0) result = fs_.Sync(handle_);
    if (result < 0) {
        RollBack(oldLength, headerTouched, restore, offset);
        return Abandon(result);
    }
    if (created_) fs_.SyncDirectoryOf(path_);

    if (appending) {
        length_ = oldLength == 0 ? static_cast<long long>(kSmallestFileWithRecord)
                                 : oldLength + static_cast<long long>(kStoredRecordSize);
    }
    outPosition = appending ? static_cast<int>(RecordCountForLength(length_) - 1) : position;
    Close();
    return kStoreOk;
}

int RecordFile::WriteNewFile(const StoredRecord& stored) {
    // Header and record in one write, so that a failure cannot leave a header without its record.
    header_ = FileHeader::New(clock_.Now());
    std::array<unsigned char, kSmallestFileWithRecord> whole{};
    const HeaderBytes header = header_.Bytes();
    std::memcpy(whole.data(), header.data(), kHeaderSize);
    std::memcpy(whole.data() + kHeaderSize, stored.data(), kStoredRecordSize);
    return fs_.WriteAt(handle_, 0, whole.data(), whole.size());
}

int RecordFile::ReadRecordAt(const std::string& path, int position, StoredRecord& out) {
    const long long opened = OpenWith(path, OpenMode::ReadOnly);
    if (opened < 0) return static_cast<int>(opened);
    const int valid = ValidateHeader();
    if (valid < 0) {
        Close();
        return valid;
    }
    if (position < 0 || length_ < RecordOffset(position) + static_cast<long long>(kStoredRecordSize)) {
        Close();
        return kPositionBeyondEnd;
    }
    const long long read = fs_.ReadAt(handle_, RecordOffset(position), buffer_.data(), kStoredRecordSize);
    Close();
    if (read < 0) return static_cast<int>(read);
    if (read != static_cast<long long>(kStoredRecordSize)) return kIncompleteRecord;
    out = buffer_;
    return static_cast<int>(kStoredRecordSize);
}

}  // namespace orva
