#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/Clock.h"
#include "store/FileHeader.h"
#include "store/FileSystem.h"
#include "store/RecordFormat.h"
#include "store/StoreResult.h"
#include "store/WriteJournal.h"

namespace orva {

// One operation on a record file: open with an exclusive lock, validate, read records one
// after another or by position, append or replace records. The low level behind RecordStore,
// which is what the rest of the program uses. WriteRecord, AppendRecords, ReplaceRecord and
// ReadRecordAt close the file before they return; Open and OpenForReading keep it open and
// locked until Close or the destructor. Results are the codes of StoreResult.h.
//
// Capacity: the first kMaxRecords records are the file's. A longer file (made by other means)
// is opened, and RecordCount tells its length in records, but the records beyond are never
// read, replaced or handed out. A file longer than kLongestAcceptedLength is refused by its
// length alone, before anything is read.
class RecordFile {
  public:
    // Twice the most a file may hold: a longer file is no record file any program kept to the
    // format, and reading it would only count its records as not loaded by the thousand.
    static constexpr long long kLongestAcceptedLength =
        static_cast<long long>(kHeaderSize) + 2LL * kMaxRecords * static_cast<long long>(kStoredRecordSize);

    // Asked with the record in place before a replacement: kStoreOk lets it go ahead, a
    // negative code stops it with that code and nothing written.
    using ReplaceCheck = std::function<int(const StoredRecord& current)>;

    explicit RecordFile(const Clock& clock = SystemClock::Instance(),
                        FileSystem& fileSystem = DefaultFileSystem());
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Opens read-only (the file must exist: kFileNotFound otherwise) or for reading and writing
    // (created empty when missing, never truncated), locked exclusively. The file length, or a
    // negated cause.
    long long Open(const std::string& path, bool readOnly);
    // Checks the open file: kNewEmptyFile for length 0, 0 when sound, else -501..-504
    // (kBadLength for a file longer than kLongestAcceptedLength).
    int ValidateHeader();
    // Open (never creating the file), ValidateHeader, and read the first record. A file with
    // no record gives kTooShort. Result as ReadNext, or the failing step's code.
    int OpenForReading(const std::string& path, bool readOnly);
    // Reads the next record into CurrentRecord(): kMoreRecords (0) when more follow, kLastRecord
    // (1) for the last one, kNoMoreRecords after the last, kIncompleteRecord when it cannot be
    // read in full. The last one is the last of the file or the kMaxRecords-th.
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

    // Appends (position -1) or replaces record `position`. 0 with `outPosition` set to the
    // record's position, or a code; on failure the file is exactly as it was. Success is
    // reported only once the data is on the disk.
    int WriteRecord(const std::string& path, const StoredRecord& stored, int position, int& outPosition);
    // Appends `records` (the file is created when missing) as one step: either all of them are
    // on the disk when it returns 0, or the file is exactly as it was (a file it created is
    // removed). `existingRecords` receives the records the file held, `firstPosition` the
    // position of the first appended one. kFileFull, touching nothing, when the file would
    // pass kMaxRecords records. No records: 0, and the file is left as it was.
    int AppendRecords(const std::string& path, const std::vector<StoredRecord>& records, int& existingRecords,
                      int& firstPosition);
    // Replaces record `position` with `stored` when `check` (if given) accepts the record in
    // place, all under one exclusive open. kPositionBeyondEnd past the last readable record.
    int ReplaceRecord(const std::string& path, int position, const StoredRecord& stored,
                      const ReplaceCheck& check = {});
    // (Re)writes the header of the open file: creation date-time kept, last write now.
    int WriteHeader();
    // Reads record `position` into `out`: kStoredRecordSize, kPositionBeyondEnd, or a code.
    int ReadRecordAt(const std::string& path, int position, StoredRecord& out);

  private:
    long long OpenWith(const std::string& path, OpenMode mode);
    // Ends a failed write: removes a file this operation created, closes, returns `code`.
    int Abandon(int code);
    // Puts back what a failed write changed from what the journal saved, and the length.
    void RollBack(long long oldLength, bool headerTouched, const std::vector<WriteJournal::Region>& saved);
    // Settles the journal of an interrupted change before the file is used (see WriteJournal).
    int SettleJournal(const std::string& path, OpenMode mode, FileSystem::Handle handle);

    const Clock& clock_;
    FileSystem& fs_;
    FileSystem::Handle handle_ = -1;
    bool open_ = false;
    bool created_ = false;
    std::string path_;
    long long length_ = 0;
    long long recordCount_ = -1;
    long long nextPosition_ = -1;
    long long currentPosition_ = -1;
    HeaderBytes headerBytes_{};
    FileHeader header_;
    StoredRecord buffer_{};
};

}  // namespace orva
