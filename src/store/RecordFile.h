// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/Clock.h"
#include "store/FileHeader.h"
#include "store/FileSystem.h"
#include "store/JournalChange.h"
#include "store/RecordFormat.h"
#include "store/StoreError.h"

namespace orva {

// What RecordFile::ValidateHeader found in a file it accepts.
enum class HeaderCheck {
    NewEmptyFile,  // a file of length 0
    Sound,
};

// What RecordFile::ReadNext and OpenForReading tell of the record they read.
enum class ReadPlace {
    MoreRecords,  // more records follow
    LastRecord,   // no record follows this one
};

// One operation on a record file: open with an exclusive lock, validate, read records one
// after another or by position, append or replace records. The low level behind RecordStore,
// which is what the rest of the program uses. AppendRecords, ReplaceRecord and ReadRecordAt
// close the file before they return; Open and OpenForReading keep it open and
// locked until Close or the destructor. Failures are the causes of StoreError.h.
//
// Every name of a file leads to the file itself: links are followed, and the lock and the
// journal (WriteJournal) are the file's own. A journal left by an interrupted change that
// matches the file is applied by the next writer; a reader reads the file as it was before the
// change and never changes it. A new file appears whole, with its records, or not at all.
//
// Capacity: the first kMaxRecords records are the file's. A longer file (made by other means)
// is opened, and RecordCount tells its length in records, but the records beyond are never
// read, replaced or handed out. A file longer than kLongestAcceptedLength is refused by its
// length alone, before anything is read.
class RecordFile {
  public:
    // Twice the most a file may hold: a longer file is no record file any program kept to the
    // format, and reading it would only count its records as not loaded by the thousand.
    static constexpr long long kLongestAcceptedLength = RecordOffset(2LL * kMaxRecords);

    // Asked with the record in place before a replacement: success lets it go ahead, a
    // failure stops it with that cause and nothing written.
    using ReplaceCheck = std::function<StoreStatus(const StoredRecord& current)>;

    // Chooses what an append adds once the file is open and locked, so that nobody can change
    // the file between the choice and the writing. Handed the file's records (when asked for
    // with `readsExisting`; empty for a new file), it gives the stored records to append.
    struct AppendPlan {
        bool readsExisting = false;
        std::function<std::vector<StoredRecord>(const std::vector<StoredRecord>& existing)> records;
    };

    // What an append did: `status` success, StoreError::FileFull (nothing written) or the failure; the
    // records the file held before, the position of the first one appended and how many were appended.
    struct AppendResult {
        StoreStatus status;
        int existingRecords = 0;
        int firstPosition = -1;
        int appended = 0;
    };

    explicit RecordFile(const Clock& clock = SystemClock::Instance(),
                        FileSystem& fileSystem = DefaultFileSystem());
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Opens an existing file read-only or for reading and writing (StoreError::FileNotFound when it is not
    // there: only an append makes a file), locked exclusively. The file length, or the cause.
    StoreResult<long long> Open(const std::string& path, bool readOnly);
    // Checks the open file; fails with -501..-504 (StoreError::BadLength for a file longer than
    // kLongestAcceptedLength).
    StoreResult<HeaderCheck> ValidateHeader();
    // Open, ValidateHeader, and read the first record. A file with no record gives StoreError::TooShort.
    // Result as ReadNext, or the failing step's cause.
    StoreResult<ReadPlace> OpenForReading(const std::string& path, bool readOnly);
    // Reads the next record into CurrentRecord(); fails with StoreError::NoMoreRecords after the
    // last, StoreError::IncompleteRecord when it cannot be read in full. The last one is the last
    // of the file or the kMaxRecords-th.
    StoreResult<ReadPlace> ReadNext();
    void Close();

    const StoredRecord& CurrentRecord() const { return buffer_; }
    long long CurrentPosition() const { return currentPosition_; }
    // The records the open file holds, and how many of them are read (at most kMaxRecords).
    long long RecordCount() const { return recordCount_; }
    long long ReadableCount() const;
    // True when the file ends in part of a record; that part counts as one damaged record.
    bool HasPartialTail() const;
    long long Length() const { return length_; }

    // Appends the records `plan` chooses as one step: either all of them are on the disk when
    // it succeeds, or the file is exactly as it was (a file that was not there is not made).
    // StoreError::FileFull, touching nothing, when the file would pass kMaxRecords records. No records
    // to add: success, and the file is left as it was.
    AppendResult AppendRecords(const std::string& path, const AppendPlan& plan);
    // Replaces record `position` with `stored` when `check` (if given) accepts the record in
    // place, all under one exclusive open. StoreError::PositionBeyondEnd past the last readable record.
    StoreStatus ReplaceRecord(const std::string& path, int position, const StoredRecord& stored,
                              const ReplaceCheck& check = {});
    // Reads record `position`: the stored record, StoreError::PositionBeyondEnd, or the cause.
    StoreResult<StoredRecord> ReadRecordAt(const std::string& path, int position);

  private:
    // Whether the open is for a change (which settles an interrupted one) or only to read.
    enum class Use { Read, Change };

    StoreStatus OpenWith(const std::string& path, OpenMode mode, Use use);
    // Deals with a journal beside the newly opened file (see WriteJournal).
    StoreStatus SettleJournal(Use use);
    // Reads the open file, as it was before an interrupted change when a reader found one.
    StoreResult<long long> ReadBytes(long long offset, void* buffer, std::size_t size);
    // True when `size` bytes at `offset` are read in full.
    bool ReadWhole(long long offset, void* buffer, std::size_t size);
    StoreStatus Abandon(StoreStatus status);
    // Writes the journal of `change`, then the change; undoes it on a failure.
    StoreStatus MakeChange(const JournalChange& change);
    // Puts back what a failed change wrote; the journal goes once the file is whole again.
    void RollBack(const JournalChange& change);
    AppendResult AppendToOpenFile(const AppendPlan& plan);
    AppendResult AppendToNewFile(const AppendPlan& plan);
    std::vector<StoredRecord> ReadWholeRecords(long long count);

    const Clock& clock_;
    FileSystem& fs_;
    FileSystem::Handle handle_ = -1;
    bool open_ = false;
    std::string path_;  // resolved
    FileIdentity identity_;
    long long length_ = 0;
    long long recordCount_ = -1;
    long long nextPosition_ = -1;
    long long currentPosition_ = -1;
    std::optional<JournalChange> interrupted_;  // the change a reader reads around
    HeaderBytes headerBytes_{};
    FileHeader header_;
    StoredRecord buffer_{};
};

}  // namespace orva
