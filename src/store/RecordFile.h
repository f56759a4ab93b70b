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

// Results of RecordFile's reading steps that are no failure.
inline constexpr int kNewEmptyFile = 1;  // ValidateHeader: a file of length 0
inline constexpr int kLastRecord = 1;    // ReadNext / OpenForReading: no record follows this one
inline constexpr int kMoreRecords = 0;   // ReadNext / OpenForReading: more records follow

// One operation on a record file: open with an exclusive lock, validate, read records one
// after another or by position, append or replace records. The low level behind RecordStore,
// which is what the rest of the program uses. AppendRecords, ReplaceRecord and ReadRecordAt
// close the file before they return; Open and OpenForReading keep it open and
// locked until Close or the destructor. Results are the codes of StoreError.h.
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

    // Asked with the record in place before a replacement: 0 lets it go ahead, a
    // negative code stops it with that code and nothing written.
    using ReplaceCheck = std::function<int(const StoredRecord& current)>;

    // Chooses what an append adds once the file is open and locked, so that nobody can change
    // the file between the choice and the writing. Handed the file's records (when asked for
    // with `readsExisting`; empty for a new file), it gives the stored records to append.
    struct AppendPlan {
        bool readsExisting = false;
        std::function<std::vector<StoredRecord>(const std::vector<StoredRecord>& existing)> records;
    };

    // What an append did: `code` 0, StoreError::FileFull (nothing written) or the failure; the records the
    // file held before, the position of the first one appended and how many were appended.
    struct AppendResult {
        int code = 0;
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
    // there: only an append makes a file), locked exclusively. The file length, or a negated
    // cause.
    long long Open(const std::string& path, bool readOnly);
    // Checks the open file: kNewEmptyFile for length 0, 0 when sound, else -501..-504
    // (StoreError::BadLength for a file longer than kLongestAcceptedLength).
    int ValidateHeader();
    // Open, ValidateHeader, and read the first record. A file with no record gives StoreError::TooShort.
    // Result as ReadNext, or the failing step's code.
    int OpenForReading(const std::string& path, bool readOnly);
    // Reads the next record into CurrentRecord(): kMoreRecords (0) when more follow, kLastRecord
    // (1) for the last one, StoreError::NoMoreRecords after the last, StoreError::IncompleteRecord when it
    // cannot be read in full. The last one is the last of the file or the kMaxRecords-th.
    int ReadNext();
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
    // it returns 0, or the file is exactly as it was (a file that was not there is not made).
    // StoreError::FileFull, touching nothing, when the file would pass kMaxRecords records. No records
    // to add: 0, and the file is left as it was.
    AppendResult AppendRecords(const std::string& path, const AppendPlan& plan);
    // Replaces record `position` with `stored` when `check` (if given) accepts the record in
    // place, all under one exclusive open. StoreError::PositionBeyondEnd past the last readable record.
    int ReplaceRecord(const std::string& path, int position, const StoredRecord& stored,
                      const ReplaceCheck& check = {});
    // Reads record `position` into `out`: kStoredRecordSize, StoreError::PositionBeyondEnd, or a code.
    int ReadRecordAt(const std::string& path, int position, StoredRecord& out);

  private:
    // Whether the open is for a change (which settles an interrupted one) or only to read.
    enum class Use { Read, Change };

    long long OpenWith(const std::string& path, OpenMode mode, Use use);
    // Deals with a journal beside the newly opened file (see WriteJournal).
    int SettleJournal(Use use);
    // Reads the open file, as it was before an interrupted change when a reader found one.
    long long ReadBytes(long long offset, void* buffer, std::size_t size);
    int Abandon(int code);
    // Writes the journal of `change`, then the change; undoes it on a failure.
    int MakeChange(const JournalChange& change);
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
