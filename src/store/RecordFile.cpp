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

StoreStatus RecordFile::OpenWith(const std::string& path, OpenMode mode, Use use) {
    Close();
    // The file itself, whatever name reached it: its journal lies beside it, not beside a link.
    StoreResult<std::string> resolved = fs_.ResolvePath(path);
    if (!resolved) return resolved.Error();
    path_ = std::move(resolved).Value();
    if (use == Use::Change && NameLength(path_) > WriteJournal::kLongestRecordFileName) return StoreError::NameTooLong;

    const StoreResult<FileSystem::Handle> opened = fs_.Open(path_, mode, kRecordFilePermissions);
    if (!opened) return opened.Error();
    const FileSystem::Handle handle = *opened;
    StoreStatus known = fs_.LockExclusive(handle);
    FileFacts facts;
    if (known) {
        const StoreResult<FileFacts> found = fs_.Facts(handle);
        known = found.AsStatus();
        if (found) facts = *found;
    }
    const StoreResult<long long> length = known ? fs_.Size(handle) : StoreResult<long long>(known);
    if (!length) {
        (void)fs_.Close(handle);  // nothing was changed through it
        return length.Error();
    }
    handle_ = handle;
    open_ = true;
    identity_ = facts.identity;
    length_ = *length;
    const StoreStatus settled = SettleJournal(use);
    if (!settled) Close();
    return settled;
}

StoreStatus RecordFile::SettleJournal(Use use) {
    WriteJournal::Found found = WriteJournal::Load(fs_, path_);
    switch (found.kind) {
        case WriteJournal::Found::Kind::None:
            return {};
        case WriteJournal::Found::Kind::Unreadable:
            // Without the journal nobody can tell whether the file is half-changed.
            return use == Use::Read && found.cause == StoreError::AccessDenied ? StoreError::UnfinishedChange
                                                                               : found.cause;
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
                return {};
            }
            StoreStatus result;
            for (const JournalChange::Region& region : change.before) {
                if (result) result = fs_.WriteAt(handle_, region.offset, region.bytes.data(), region.bytes.size());
            }
            if (result) result = fs_.Truncate(handle_, change.oldLength);
            if (result) result = fs_.Sync(handle_);
            if (result) result = WriteJournal::Commit(fs_, path_);
            if (!result) return result;
            length_ = change.oldLength;
            return {};
        }
        case WriteJournal::Found::Kind::Damaged:
            break;
    }
    // Not this file's, or no journal at all: never applied, kept aside, and the user is told.
    const StoreResult<std::string> aside = WriteJournal::PutAside(fs_, path_);
    UnmatchedJournalListening::Report({path_, aside.ValueOr({})});
    return {};
}

StoreResult<long long> RecordFile::ReadBytes(long long offset, void* buffer, std::size_t size) {
    if (!interrupted_) return fs_.ReadAt(handle_, offset, buffer, size);
    const long long end = std::min(offset + static_cast<long long>(size), length_);
    if (end <= offset) return 0LL;
    const auto wanted = static_cast<std::size_t>(end - offset);
    auto* bytes = static_cast<unsigned char*>(buffer);
    const StoreResult<long long> read = fs_.ReadAt(handle_, offset, bytes, wanted);
    if (!read) return read;
    // What the change has cut off comes back from the journal.
    std::memset(bytes + *read, 0, wanted - static_cast<std::size_t>(*read));
    interrupted_->Undo(offset, bytes, wanted);
    return static_cast<long long>(wanted);
}

bool RecordFile::ReadWhole(long long offset, void* buffer, std::size_t size) {
    return ReadBytes(offset, buffer, size).ValueOr(-1) == static_cast<long long>(size);
}

StoreResult<long long> RecordFile::Open(const std::string& path, bool readOnly) {
    const StoreStatus opened = OpenWith(path, readOnly ? OpenMode::ReadOnly : OpenMode::ReadWrite, Use::Read);
    if (!opened) return opened.Error();
    return length_;
}

StoreResult<HeaderCheck> RecordFile::ValidateHeader() {
    if (!open_) return StoreError::InvalidFile;
    if (length_ == 0) return HeaderCheck::NewEmptyFile;
    if (length_ < static_cast<long long>(kSmallestFileWithRecord)) return StoreError::TooShort;
    if (length_ > kLongestAcceptedLength) return StoreError::BadLength;
    if (!ReadWhole(0, headerBytes_.data(), kHeaderSize)) return StoreError::HeaderUnreadable;
    if (!FileHeader::HasVersionWord(headerBytes_)) return StoreError::BadHeaderWord;
    header_ = FileHeader::Parse(headerBytes_);
    return HeaderCheck::Sound;
}

StoreResult<ReadPlace> RecordFile::OpenForReading(const std::string& path, bool readOnly) {
    const StoreResult<long long> opened = Open(path, readOnly);
    if (!opened) return opened.Error();
    const StoreResult<HeaderCheck> valid = ValidateHeader();
    if (!valid) return valid.Error();
    recordCount_ = RecordSlotsForLength(length_);
    if (recordCount_ < 1) return StoreError::TooShort;
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

StoreResult<ReadPlace> RecordFile::ReadNext() {
    if (!open_ || nextPosition_ < 0 || nextPosition_ >= ReadableCount()) return StoreError::NoMoreRecords;
    currentPosition_ = nextPosition_++;
    // A record that cannot be read is passed over, so that a reader that counts it and goes on
    // gets the next record rather than the same failure again.
    if (!ReadWhole(RecordOffset(currentPosition_), buffer_.data(), kStoredRecordSize)) {
        return StoreError::IncompleteRecord;
    }
    return nextPosition_ >= ReadableCount() ? ReadPlace::LastRecord : ReadPlace::MoreRecords;
}

void RecordFile::Close() {
    // Only read from, or every change already synced and settled: nothing is lost if it fails.
    if (open_) (void)fs_.Close(handle_);
    open_ = false;
    handle_ = -1;
    interrupted_.reset();
    recordCount_ = -1;
    nextPosition_ = -1;
    currentPosition_ = -1;
}

StoreStatus RecordFile::Abandon(StoreStatus status) {
    Close();
    return status;
}

void RecordFile::RollBack(const JournalChange& change) {
    // Each step is tried even when an earlier one fails: every part restored is a part saved.
    // Only a complete restore lets the journal go; otherwise the next opener restores from it.
    bool restored = true;
    for (const JournalChange::Region& region : change.before) {
        restored = fs_.WriteAt(handle_, region.offset, region.bytes.data(), region.bytes.size()).Ok() && restored;
    }
    restored = fs_.Truncate(handle_, change.oldLength).Ok() && restored;
    restored = fs_.Sync(handle_).Ok() && restored;
    // A journal that stays is applied by the next opener, which puts back the same bytes.
    if (restored) (void)WriteJournal::Commit(fs_, path_);
}

StoreStatus RecordFile::MakeChange(const JournalChange& change) {
    const StoreStatus journaled = WriteJournal::Begin(fs_, path_, change);
    if (!journaled) return Abandon(journaled);
    StoreStatus result;
    if (change.lowestLength < change.oldLength) result = fs_.Truncate(handle_, change.lowestLength);
    for (const JournalChange::Region& region : change.after) {
        if (result) result = fs_.WriteAt(handle_, region.offset, region.bytes.data(), region.bytes.size());
    }
    if (result) result = fs_.Sync(handle_);
    if (result) result = WriteJournal::Commit(fs_, path_);
    if (!result) {
        RollBack(change);
        return Abandon(result);
    }
    Close();
    return {};
}

RecordFile::AppendResult RecordFile::AppendRecords(const std::string& path, const AppendPlan& plan) {
    // A file made by someone else between the look and the making is appended to after all.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const StoreStatus opened = OpenWith(path, OpenMode::ReadWrite, Use::Change);
        if (opened) return AppendToOpenFile(plan);
        if (opened.Error() != StoreError::FileNotFound) return {opened};
        AppendResult made = AppendToNewFile(plan);
        if (made.status.Ok() || made.status.Error() != StoreError::FileExists) return made;
    }
    return {StoreError::SharingViolation};
}

std::vector<StoredRecord> RecordFile::ReadWholeRecords(long long count) {
    std::vector<StoredRecord> records;
    records.reserve(static_cast<std::size_t>(count));
    for (long long position = 0; position < count; ++position) {
        StoredRecord record{};
        if (ReadWhole(RecordOffset(position), record.data(), kStoredRecordSize)) records.push_back(record);
    }
    return records;
}

RecordFile::AppendResult RecordFile::AppendToNewFile(const AppendPlan& plan) {
    const std::vector<StoredRecord> records = plan.records({});
    if (records.empty()) return {};
    if (records.size() > static_cast<std::size_t>(kMaxRecords)) return {StoreError::FileFull};

    // Written whole under no name (or one of its own) and only then named: nobody ever sees
    // part of it, and a stop at any moment leaves no file.
    std::vector<unsigned char> bytes;
    bytes.reserve(kHeaderSize + records.size() * kStoredRecordSize);
    const HeaderBytes header = FileHeader::New(clock_.Now()).Bytes();
    bytes.insert(bytes.end(), header.begin(), header.end());
    for (const StoredRecord& record : records) bytes.insert(bytes.end(), record.begin(), record.end());

    StoreResult<TemporaryFile> made = fs_.CreateTemporary(path_, kRecordFilePermissions);
    if (!made) return {made.Error()};
    TemporaryFile& file = made.Value();
    StoreStatus result = fs_.WriteAt(file.handle, 0, bytes.data(), bytes.size());
    if (result) result = fs_.Sync(file.handle);
    if (result) result = fs_.Publish(file, path_, false);
    if (!result) {
        fs_.Discard(file);
        return {result};
    }
    // The file holds every record: should its name not become durable, a power cut takes the
    // whole file, never part of it.
    (void)fs_.SyncDirectoryOf(path_);
    return {{}, 0, 0, static_cast<int>(records.size())};
}

RecordFile::AppendResult RecordFile::AppendToOpenFile(const AppendPlan& plan) {
    const StoreResult<HeaderCheck> valid = ValidateHeader();
    if (!valid) return {Abandon(valid.Error())};
    const long long count = RecordCountForLength(length_);
    const std::vector<StoredRecord> records =
        plan.records(plan.readsExisting ? ReadWholeRecords(std::min<long long>(count, kMaxRecords))
                                        : std::vector<StoredRecord>{});
    AppendResult result{{}, static_cast<int>(count)};
    if (count + static_cast<long long>(records.size()) > kMaxRecords) {
        result.status = Abandon(StoreError::FileFull);
        return result;
    }
    // Nothing to add leaves the file as it was.
    if (records.empty()) {
        Close();
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
            const StoreResult<long long> read = ReadBytes(wholeLength, tail.bytes.data(), tail.bytes.size());
            if (!read || *read != static_cast<long long>(tail.bytes.size())) {
                result.status = Abandon(read ? StoreStatus(StoreError::IncompleteRecord) : read.AsStatus());
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
    result.status = MakeChange(change);
    if (result.status) {
        result.firstPosition = static_cast<int>(count);
        result.appended = static_cast<int>(records.size());
    }
    return result;
}

StoreStatus RecordFile::ReplaceRecord(const std::string& path, int position, const StoredRecord& stored,
                                      const ReplaceCheck& check) {
    if (position < 0) return StoreError::PositionBeyondEnd;
    const StoreStatus opened = OpenWith(path, OpenMode::ReadWrite, Use::Change);
    if (!opened) return opened;
    const StoreResult<HeaderCheck> valid = ValidateHeader();
    if (!valid) return Abandon(valid.Error());
    // Replacing only what is there and readable: a position past the last record would leave
    // a hole, one beyond the capacity is no record of the file's.
    const long long count = std::min<long long>(RecordCountForLength(length_), kMaxRecords);
    if (position >= count) return Abandon(StoreError::PositionBeyondEnd);

    const long long offset = RecordOffset(position);
    StoredRecord oldRecord{};
    const StoreResult<long long> read = ReadBytes(offset, oldRecord.data(), kStoredRecordSize);
    if (!read) return Abandon(read.AsStatus());
    if (*read != static_cast<long long>(kStoredRecordSize)) return Abandon(StoreError::IncompleteRecord);
    if (check) {
        const StoreStatus verdict = check(oldRecord);
        if (!verdict) return Abandon(verdict);
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

StoreResult<StoredRecord> RecordFile::ReadRecordAt(const std::string& path, int position) {
    const StoreResult<long long> opened = Open(path, true);
    if (!opened) return opened.Error();
    const StoreResult<HeaderCheck> valid = ValidateHeader();
    if (!valid) return Abandon(valid.Error());
    if (position < 0 || position >= kMaxRecords || position >= RecordSlotsForLength(length_)) {
        return Abandon(StoreError::PositionBeyondEnd);
    }
    StoredRecord stored{};
    const StoreResult<long long> read = ReadBytes(RecordOffset(position), stored.data(), kStoredRecordSize);
    Close();
    if (!read) return read.Error();
    if (*read != static_cast<long long>(kStoredRecordSize)) return StoreError::IncompleteRecord;
    return stored;
}

}  // namespace orva
