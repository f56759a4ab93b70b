#include "store/RecordFile.h"

#include <algorithm>

#include "store/WriteJournal.h"

namespace orva {

RecordFile::RecordFile(const Clock& clock, FileSystem& fileSystem) : clock_(clock), fs_(fileSystem) {}

RecordFile::~RecordFile() {
    Close();
}

long long RecordFile::OpenWith(const std::string& path, OpenMode mode) {
    Close();
    // A journal left by an interrupted change is settled first, by whoever opens the file next;
    // settling it may remove a file the change had made, so the open is tried once more.
    for (int attempt = 0; attempt < 3; ++attempt) {
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
        if (WriteJournal::Exists(fs_, path)) {
            const int settled = SettleJournal(path, mode, handle);
            if (settled < 0) return settled;
            continue;
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
    return kOtherFileError;
}

int RecordFile::SettleJournal(const std::string& path, OpenMode mode, FileSystem::Handle handle) {
    FileSystem::Handle writable = handle;
    if (mode == OpenMode::ReadOnly) {
        // Putting the file back needs write access: a reader that lacks it cannot read the file
        // as it was, and must say so rather than show a half-made change.
        fs_.Close(handle);
        bool created = false;
        const int opened = fs_.Open(path, OpenMode::ReadWrite, kRecordFilePermissions, writable, created);
        if (opened < 0) return opened == kAccessDenied ? kUnfinishedChange : opened;
        const int locked = fs_.LockExclusive(writable);
        if (locked < 0) {
            fs_.Close(writable);
            return locked;
        }
    }
    WriteJournal::Recovery what = WriteJournal::Recovery::Nothing;
    const int recovered = WriteJournal::Recover(fs_, path, writable, what);
    fs_.Close(writable);
    return recovered;
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
    recordCount_ = RecordSlotsForLength(length_);
    if (recordCount_ < 1) return kTooShort;
    nextPosition_ = 0;
    return ReadNext();
}

bool RecordFile::HasPartialTail() const {
    return open_ && length_ > static_cast<long long>(kHeaderSize) &&
           (length_ - static_cast<long long>(kHeaderSize)) % static_cast<long long>(kStoredRecordSize) != 0;
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
    // The journal of a file that is gone must go too, or it would undo the next file of that name.
    if (remove) fs_.Remove(WriteJournal::PathFor(path_));
    return code;
}

void RecordFile::RollBack(long long oldLength, bool headerTouched, const std::vector<WriteJournal::Region>& saved) {
    // Each step is tried even when an earlier one fails: every part restored is a part saved.
    // Only a complete restore lets the journal go; otherwise the next opener restores from it.
    bool restored = true;
    for (const WriteJournal::Region& region : saved) {
        if (region.offset == 0 && !headerTouched) continue;
        restored = fs_.WriteAt(handle_, region.offset, region.bytes.data(), region.bytes.size()) >= 0 && restored;
    }
    restored = fs_.Truncate(handle_, oldLength) >= 0 && restored;
    restored = fs_.Sync(handle_) >= 0 && restored;
    if (restored && !created_) WriteJournal::Commit(fs_, path_);
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
    const long long wholeLength = RecordOffset(count);
    // What the change overwrites, kept in the journal: the header, and a partial record at the
    // end, which the new records replace (it never held a whole record).
    std::vector<WriteJournal::Region> saved;
    if (oldLength > 0) saved.push_back({0, std::vector<unsigned char>(headerBytes_.begin(), headerBytes_.end())});
    if (oldLength > wholeLength) {
        WriteJournal::Region tail{wholeLength, std::vector<unsigned char>(static_cast<std::size_t>(oldLength - wholeLength))};
        const long long read = fs_.ReadAt(handle_, wholeLength, tail.bytes.data(), tail.bytes.size());
        if (read != static_cast<long long>(tail.bytes.size())) return Abandon(read < 0 ? static_cast<int>(read) : kIncompleteRecord);
        saved.push_back(std::move(tail));
    }
    const int journaled = WriteJournal::Begin(fs_, path_, oldLength, created_, saved);
    if (journaled < 0) return Abandon(journaled);

    const long long appendAt = oldLength == 0 ? 0 : wholeLength;
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
    int result = kStoreOk;
    if (oldLength > appendAt) result = fs_.Truncate(handle_, appendAt);
    if (result >= 0) result = fs_.WriteAt(handle_, appendAt, bytes.data(), bytes.size());
    if (result >= 0 && oldLength > 0) {
        headerTouched = true;
        result = WriteHeader();
    }
    if (result >= 0) result = fs_.Sync(handle_);
    if (result >= 0 && created_) result = fs_.SyncDirectoryOf(path_);
    if (result >= 0) result = WriteJournal::Commit(fs_, path_);
    if (result < 0) {
        RollBack(oldLength, headerTouched, saved);
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
    const std::vector<WriteJournal::Region> saved = {
        {0, std::vector<unsigned char>(headerBytes_.begin(), headerBytes_.end())},
        {offset, std::vector<unsigned char>(oldRecord.begin(), oldRecord.end())}};
    const int journaled = WriteJournal::Begin(fs_, path_, oldLength, false, saved);
    if (journaled < 0) return Abandon(journaled);

    bool headerTouched = false;
    int result = fs_.WriteAt(handle_, offset, stored.data(), kStoredRecordSize);
    if (result >= 0) {
        headerTouched = true;
        result = WriteHeader();
    }
    if (result >= 0) result = fs_.Sync(handle_);
    if (result >= 0) result = WriteJournal::Commit(fs_, path_);
    if (result < 0) {
        RollBack(oldLength, headerTouched, saved);
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
    if (position < 0 || position >= kMaxRecords || position >= RecordSlotsForLength(length_)) {
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
