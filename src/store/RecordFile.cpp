#include "store/RecordFile.h"

#include <algorithm>

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
    if (length_ > kLongestAcceptedLength) return kBadLength;
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

long long RecordFile::ReadableCount() const {
    return std::min<long long>(recordCount_, kMaxRecords);
}

int RecordFile::ReadNext() {
    if (!open_ || nextPosition_ < 0 || nextPosition_ >= ReadableCount()) return kNoMoreRecords;
    currentPosition_ = nextPosition_++;
    // A record that cannot be read is passed over, so that a reader that counts it and goes on
    // gets the next record rather than the same failure again.
    const long long read =
        fs_.ReadAt(handle_, RecordOffset(currentPosition_), buffer_.data(), kStoredRecordSize);
    if (read != static_cast<long long>(kStoredRecordSize)) return kIncompleteRecord;
    return nextPosition_ >= ReadableCount() ? kLastRecord : kMoreRecords;
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
    if (position == -1) {
        int existing = 0;
        return AppendRecords(path, {stored}, existing, outPosition);
    }
    const int result = ReplaceRecord(path, position, stored);
    if (result == kStoreOk) outPosition = position;
    return result;
}

int RecordFile::AppendRecords(const std::string& path, const std::vector<StoredRecord>& records,
                              int& existingRecords, int& firstPosition) {
    existingRecords = 0;
    firstPosition = -1;
    const long long opened = Open(path, false);
    if (opened < 0) return static_cast<int>(opened);
    const int valid = ValidateHeader();
    if (valid < 0) return Abandon(valid);
    const long long count = RecordCountForLength(length_);
    existingRecords = static_cast<int>(count);
    if (count + static_cast<long long>(records.size()) > kMaxRecords) return Abandon(kFileFull);
    // Nothing to add leaves the file as it was (a file made just now is removed again).
    if (records.empty()) return Abandon(kStoreOk);

    const long long oldLength = length_;
    // A new file gets its header in the same write as its records, so that a failure cannot
    // leave a header without records.
    const std::size_t headerBytes = oldLength == 0 ? kHeaderSize : 0;
    std::vector<unsigned char> bytes(headerBytes + records.size() * kStoredRecordSize);
    unsigned char* at = bytes.data();
    if (oldLength == 0) {
        header_ = FileHeader::New(clock_.Now());
        const HeaderBytes header = header_.Bytes();
        at = std::copy(header.begin(), header.end(), at);
    }
    for (const StoredRecord& record : records) at = std::copy(record.begin(), record.end(), at);

    bool headerTouched = false;
    int result = fs_.WriteAt(handle_, oldLength, bytes.data(), bytes.size());
    if (result >= 0 && oldLength > 0) {
        headerTouched = true;
        result = WriteHeader();
    }
    if (result >= 0) result = fs_.Sync(handle_);
    if (result >= 0 && created_) result = fs_.SyncDirectoryOf(path_);
    if (result < 0) {
        RollBack(oldLength, headerTouched, nullptr, 0);
        return Abandon(result);
    }
    Close();
    firstPosition = static_cast<int>(count);
    return kStoreOk;
}

int RecordFile::ReplaceRecord(const std::string& path, int position, const StoredRecord& stored,
                              const ReplaceCheck& check) {
    if (position < 0) return kPositionBeyondEnd;
    const long long opened = Open(path, false);
    if (opened < 0) return static_cast<int>(opened);
    const int valid = ValidateHeader();
    if (valid < 0) return Abandon(valid);
    // Replacing only what is there and readable: a position past the last record would leave
    // a hole, one beyond the capacity is no record of the file's.
    const long long count = std::min<long long>(RecordCountForLength(length_), kMaxRecords);
    if (position >= count) return Abandon(kPositionBeyondEnd);

    const long long offset = RecordOffset(position);
    StoredRecord oldRecord{};
    const long long read = fs_.ReadAt(handle_, offset, oldRecord.data(), kStoredRecordSize);
    if (read < 0) return Abandon(static_cast<int>(read));
    if (read != static_cast<long long>(kStoredRecordSize)) return Abandon(kIncompleteRecord);
    if (check) {
        const int verdict = check(oldRecord);
        if (verdict < 0) return Abandon(verdict);
    }

    const long long oldLength = length_;
    bool headerTouched = false;
    int result = fs_.WriteAt(handle_, offset, stored.data(), kStoredRecordSize);
    if (result >= 0) {
        headerTouched = true;
        result = WriteHeader();
    }
    if (result >= 0) result = fs_.Sync(handle_);
    if (result < 0) {
        RollBack(oldLength, headerTouched, &oldRecord, offset);
        return Abandon(result);
    }
    Close();
    return kStoreOk;
}

int RecordFile::ReadRecordAt(const std::string& path, int position, StoredRecord& out) {
    const long long opened = OpenWith(path, OpenMode::ReadOnly);
    if (opened < 0) return static_cast<int>(opened);
    const int valid = ValidateHeader();
    if (valid < 0) {
        Close();
        return valid;
    }
    if (position < 0 || position >= kMaxRecords ||
        length_ < RecordOffset(position) + static_cast<long long>(kStoredRecordSize)) {
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
