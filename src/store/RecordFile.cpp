// SPDX-License-Identifier: Apache-2.0
#include "store/RecordFile.h"

#include <algorithm>
#include <cstring>

#include "store/UnmatchedJournal.h"
#include "store/WriteJournal.h"

namespace orva {

namespace {

std::size_t NameLength(const std::string& path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? path.size() : path.size() - separator - 1;
}

std::vector<unsigned char> Bytes(const unsigned char* data, std::size_t size) {
    return std::vector<unsigned char>(data, data + size);
}

}  // namespace

RecordFile::RecordFile(const Clock& clock, FileSystem& fileSystem) : clock_(clock), fs_(fileSystem) {}

RecordFile::~RecordFile() {
    Close();
}

long long RecordFile::OpenWith(const std::string& path, OpenMode mode, Use use) {
    Close();
    // The file itself, whatever name reached it: its journal lies beside it, not beside a link.
    const int resolved = fs_.ResolvePath(path, path_);
    if (resolved < 0) return resolved;
    if (use == Use::Change && NameLength(path_) > WriteJournal::kLongestRecordFileName) return Code(StoreError::NameTooLong);

    FileSystem::Handle handle = -1;
    bool created = false;
    const int opened = fs_.Open(path_, mode, kRecordFilePermissions, handle, created);
    if (opened < 0) return opened;
    const int locked = fs_.LockExclusive(handle);
    FileFacts facts;
    const int known = locked < 0 ? locked : fs_.Facts(handle, facts);
    const long long length = known < 0 ? known : fs_.Size(handle);
    if (length < 0) {
        fs_.Close(handle);
        return length;
    }
    handle_ = handle;
    open_ = true;
    identity_ = facts.identity;
    length_ = length;
    const int settled = SettleJournal(use);
    if (settled < 0) {
        Close();
        return settled;
    }
    return length_;
}

int RecordFile::SettleJournal(Use use) {
    WriteJournal::Found found = WriteJournal::Load(fs_, path_);
    switch (found.kind) {
        case WriteJournal::Found::Kind::None:
            return 0;
        case WriteJournal::Found::Kind::Unreadable:
            // Without the journal nobody can tell whether the file is half-changed.
            return use == Use::Read && found.code == Code(StoreError::AccessDenied) ? Code(StoreError::UnfinishedChange) : found.code;
        case WriteJournal::Found::Kind::Whole: {
            const JournalChange& change = found.change;
            const auto read = [this](long long offset, unsigned char* buffer, std::size_t size) {
                return fs_.ReadAt(handle_, offset, buffer, size);
            };
            if (!change.Matches(identity_, length_, read)) break;
            if (use == Use::Read) {
                // A reader never changes the file: it reads it as it was, and the next writer
                // puts it back.
                interrupted_ = std::move(found.change);
                length_ = interrupted_->oldLength;
                return 0;
            }
            int result = 0;
            for (const JournalChange::Region& region : change.before) {
                if (result >= 0) result = fs_.WriteAt(handle_, region.offset, region.bytes.data(), region.bytes.size());
            }
            if (result >= 0) result = fs_.Truncate(handle_, change.oldLength);
            if (result >= 0) result = fs_.Sync(handle_);
            if (result >= 0) result = WriteJournal::Commit(fs_, path_);
            if (result < 0) return result;
            length_ = change.oldLength;
            return 0;
        }
        case WriteJournal::Found::Kind::Damaged:
            break;
    }
    // Not this file's, or no journal at all: never applied, kept aside, and the user is told.
    const WriteJournal::SetAside aside = WriteJournal::PutAside(fs_, path_);
    UnmatchedJournalListening::Report({path_, aside.code == 0 ? aside.keptAs : std::string()});
    return 0;
}

long long RecordFile::ReadBytes(long long offset, void* buffer, std::size_t size) {
    if (!interrupted_) return fs_.ReadAt(handle_, offset, buffer, size);
    const long long end = std::min(offset + static_cast<long long>(size), length_);
    if (end <= offset) return 0;
    const auto wanted = static_cast<std::size_t>(end - offset);
    auto* bytes = static_cast<unsigned char*>(buffer);
    const long long read = fs_.ReadAt(handle_, offset, bytes, wanted);
    if (read < 0) return read;
    // What the change has cut off comes back from the journal.
    std::memset(bytes + read, 0, wanted - static_cast<std::size_t>(read));
    interrupted_->Undo(offset, bytes, wanted);
    return static_cast<long long>(wanted);
}

long long RecordFile::Open(const std::string& path, bool readOnly) {
    return OpenWith(path, readOnly ? OpenMode::ReadOnly : OpenMode::ReadWrite, Use::Read);
}

int RecordFile::ValidateHeader() {
    if (!open_) return Code(StoreError::InvalidFile);
    if (length_ == 0) return kNewEmptyFile;
    if (length_ < static_cast<long long>(kSmallestFileWithRecord)) return Code(StoreError::TooShort);
    if (length_ > kLongestAcceptedLength) return Code(StoreError::BadLength);
    if (ReadBytes(0, headerBytes_.data(), kHeaderSize) != static_cast<long long>(kHeaderSize)) {
        return Code(StoreError::HeaderUnreadable);
    }
    if (!FileHeader::HasVersionWord(headerBytes_)) return Code(StoreError::BadHeaderWord);
    header_ = FileHeader::Parse(headerBytes_);
    return 0;
}

int RecordFile::OpenForReading(const std::string& path, bool readOnly) {
    const long long opened = Open(path, readOnly);
    if (opened < 0) return static_cast<int>(opened);
    const int valid = ValidateHeader();
    if (valid < 0) return valid;
    recordCount_ = RecordSlotsForLength(length_);
    if (recordCount_ < 1) return Code(StoreError::TooShort);
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
    if (!open_ || nextPosition_ < 0 || nextPosition_ >= ReadableCount()) return Code(StoreError::NoMoreRecords);
    currentPosition_ = nextPosition_++;
    // A record that cannot be read is passed over, so that a reader that counts it and goes on
    // gets the next record rather than the same failure again.
    const long long read = ReadBytes(RecordOffset(currentPosition_), buffer_.data(), kStoredRecordSize);
    if (read != static_cast<long long>(kStoredRecordSize)) return Code(StoreError::IncompleteRecord);
    return nextPosition_ >= ReadableCount() ? kLastRecord : kMoreRecords;
}

void RecordFile::Close() {
    if (open_) fs_.Close(handle_);
    open_ = false;
    handle_ = -1;
    interrupted_.reset();
    recordCount_ = -1;
    nextPosition_ = -1;
    currentPosition_ = -1;
}

int RecordFile::Abandon(int code) {
    Close();
    return code;
}

void RecordFile::RollBack(const JournalChange& change) {
    // Each step is tried even when an earlier one fails: every part restored is a part saved.
    // Only a complete restore lets the journal go; otherwise the next opener restores from it.
    bool restored = true;
    for (const JournalChange::Region& region : change.before) {
        restored = fs_.WriteAt(handle_, region.offset, region.bytes.data(), region.bytes.size()) >= 0 && restored;
    }
    restored = fs_.Truncate(handle_, change.oldLength) >= 0 && restored;
    restored = fs_.Sync(handle_) >= 0 && restored;
    if (restored) WriteJournal::Commit(fs_, path_);
}

int RecordFile::MakeChange(const JournalChange& change) {
    const int journaled = WriteJournal::Begin(fs_, path_, change);
    if (journaled < 0) return Abandon(journaled);
    int result = 0;
    if (change.lowestLength < change.oldLength) result = fs_.Truncate(handle_, change.lowestLength);
    for (const JournalChange::Region& region : change.after) {
        if (result >= 0) result = fs_.WriteAt(handle_, region.offset, region.bytes.data(), region.bytes.size());
    }
    if (result >= 0) result = fs_.Sync(handle_);
    if (result >= 0) result = WriteJournal::Commit(fs_, path_);
    if (result < 0) {
        RollBack(change);
        return Abandon(result);
    }
    Close();
    return 0;
}

RecordFile::AppendResult RecordFile::AppendRecords(const std::string& path, const AppendPlan& plan) {
    // A file made by someone else between the look and the making is appended to after all.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const long long opened = OpenWith(path, OpenMode::ReadWrite, Use::Change);
        if (opened >= 0) return AppendToOpenFile(plan);
        if (opened != Code(StoreError::FileNotFound)) return {static_cast<int>(opened)};
        AppendResult made = AppendToNewFile(plan);
        if (made.code != Code(StoreError::FileExists)) return made;
    }
    return {Code(StoreError::SharingViolation)};
}

std::vector<StoredRecord> RecordFile::ReadWholeRecords(long long count) {
    std::vector<StoredRecord> records;
    records.reserve(static_cast<std::size_t>(count));
    for (long long position = 0; position < count; ++position) {
        StoredRecord record{};
        if (ReadBytes(RecordOffset(position), record.data(), kStoredRecordSize) ==
            static_cast<long long>(kStoredRecordSize)) {
            records.push_back(record);
        }
    }
    return records;
}

RecordFile::AppendResult RecordFile::AppendToNewFile(const AppendPlan& plan) {
    const std::vector<StoredRecord> records = plan.records({});
    if (records.empty()) return {};
    if (records.size() > static_cast<std::size_t>(kMaxRecords)) return {Code(StoreError::FileFull)};

    // Written whole under no name (or one of its own) and only then named: nobody ever sees
    // part of it, and a stop at any moment leaves no file.
    std::vector<unsigned char> bytes;
    bytes.reserve(kHeaderSize + records.size() * kStoredRecordSize);
    const HeaderBytes header = FileHeader::New(clock_.Now()).Bytes();
    bytes.insert(bytes.end(), header.begin(), header.end());
    for (const StoredRecord& record : records) bytes.insert(bytes.end(), record.begin(), record.end());

    TemporaryFile file;
    int result = fs_.CreateTemporary(path_, kRecordFilePermissions, file);
    if (result < 0) return {result};
    result = fs_.WriteAt(file.handle, 0, bytes.data(), bytes.size());
    if (result >= 0) result = fs_.Sync(file.handle);
    if (result >= 0) result = fs_.Publish(file, path_, false);
    if (result < 0) {
        fs_.Discard(file);
        return {result};
    }
    // The file holds every record: should its name not become durable, a power cut takes the
    // whole file, never part of it.
    fs_.SyncDirectoryOf(path_);
    return {0, 0, 0, static_cast<int>(records.size())};
}

RecordFile::AppendResult RecordFile::AppendToOpenFile(const AppendPlan& plan) {
    const int valid = ValidateHeader();
    if (valid < 0) return {Abandon(valid)};
    const long long count = RecordCountForLength(length_);
    const std::vector<StoredRecord> records =
        plan.records(plan.readsExisting ? ReadWholeRecords(std::min<long long>(count, kMaxRecords))
                                        : std::vector<StoredRecord>{});
    AppendResult result{0, static_cast<int>(count)};
    if (count + static_cast<long long>(records.size()) > kMaxRecords) {
        result.code = Abandon(Code(StoreError::FileFull));
        return result;
    }
    // Nothing to add leaves the file as it was.
    if (records.empty()) {
        Abandon(0);
        return result;
    }

    JournalChange change;
    change.identity = identity_;
    change.oldLength = length_;
    const long long wholeLength = RecordOffset(count);
    // A partial record at the end never held a whole one: the new records take its place.
    const long long appendAt = length_ == 0 ? 0 : wholeLength;
    change.lowestLength = std::min(length_, appendAt);
    std::vector<unsigned char> appended;
    if (length_ == 0) {
        // A file without a header gets it in the same write as its records.
        header_ = FileHeader::New(clock_.Now());
        const HeaderBytes header = header_.Bytes();
        appended.assign(header.begin(), header.end());
    } else {
        change.before.push_back({0, Bytes(headerBytes_.data(), kHeaderSize)});
        if (length_ > wholeLength) {
            JournalChange::Region tail{wholeLength, std::vector<unsigned char>(static_cast<std::size_t>(length_ - wholeLength))};
            const long long read = ReadBytes(wholeLength, tail.bytes.data(), tail.bytes.size());
            if (read != static_cast<long long>(tail.bytes.size())) {
                result.code = Abandon(read < 0 ? static_cast<int>(read) : Code(StoreError::IncompleteRecord));
                return result;
            }
            change.before.push_back(std::move(tail));
        }
    }
    for (const StoredRecord& record : records) appended.insert(appended.end(), record.begin(), record.end());
    change.newLength = appendAt + static_cast<long long>(appended.size());
    change.after.push_back({appendAt, std::move(appended)});
    if (length_ > 0) {
        const HeaderBytes header = header_.Rewritten(clock_.Now()).Bytes();
        change.after.push_back({0, Bytes(header.data(), kHeaderSize)});
    }
    result.code = MakeChange(change);
    if (result.code == 0) {
        result.firstPosition = static_cast<int>(count);
        result.appended = static_cast<int>(records.size());
    }
    return result;
}

int RecordFile::ReplaceRecord(const std::string& path, int position, const StoredRecord& stored,
                              const ReplaceCheck& check) {
    if (position < 0) return Code(StoreError::PositionBeyondEnd);
    const long long opened = OpenWith(path, OpenMode::ReadWrite, Use::Change);
    if (opened < 0) return static_cast<int>(opened);
    const int valid = ValidateHeader();
    if (valid < 0) return Abandon(valid);
    // Replacing only what is there and readable: a position past the last record would leave
    // a hole, one beyond the capacity is no record of the file's.
    const long long count = std::min<long long>(RecordCountForLength(length_), kMaxRecords);
    if (position >= count) return Abandon(Code(StoreError::PositionBeyondEnd));

    const long long offset = RecordOffset(position);
    StoredRecord oldRecord{};
    const long long read = ReadBytes(offset, oldRecord.data(), kStoredRecordSize);
    if (read < 0) return Abandon(static_cast<int>(read));
    if (read != static_cast<long long>(kStoredRecordSize)) return Abandon(Code(StoreError::IncompleteRecord));
    if (check) {
        const int verdict = check(oldRecord);
        if (verdict < 0) return Abandon(verdict);
    }

    JournalChange change;
    change.identity = identity_;
    change.oldLength = change.lowestLength = change.newLength = length_;
    change.before = {{0, Bytes(headerBytes_.data(), kHeaderSize)},
                     {offset, Bytes(oldRecord.data(), kStoredRecordSize)}};
    const HeaderBytes header = header_.Rewritten(clock_.Now()).Bytes();
    change.after = {{offset, Bytes(stored.data(), kStoredRecordSize)}, {0, Bytes(header.data(), kHeaderSize)}};
    return MakeChange(change);
}

int RecordFile::ReadRecordAt(const std::string& path, int position, StoredRecord& out) {
    const long long opened = Open(path, true);
    if (opened < 0) return static_cast<int>(opened);
    const int valid = ValidateHeader();
    if (valid < 0) return Abandon(valid);
    if (position < 0 || position >= kMaxRecords || position >= RecordSlotsForLength(length_)) {
        return Abandon(Code(StoreError::PositionBeyondEnd));
    }
    const long long read = ReadBytes(RecordOffset(position), buffer_.data(), kStoredRecordSize);
    Close();
    if (read < 0) return static_cast<int>(read);
    if (read != static_cast<long long>(kStoredRecordSize)) return Code(StoreError::IncompleteRecord);
    out = buffer_;
    return static_cast<int>(kStoredRecordSize);
}

}  // namespace orva
