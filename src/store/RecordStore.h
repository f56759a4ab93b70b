// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <functional>
#include <vector>

#include "model/AssessmentRecord.h"
#include "model/Clock.h"
#include "model/RecordFilePath.h"
#include "store/FileSystem.h"
#include "store/RandomSource.h"
#include "store/StoreError.h"

namespace orva {

class RecordList;

// Called for each position of a file in order by RecordStore::ForEach: `read` is Ok with the
// decoded record, else StoreError::IncompleteRecord when it could not be read,
// StoreError::ChecksumMismatch when it failed its checks, or StoreError::PositionBeyondEnd for a
// record beyond the file's capacity (never read). `record` means something only when `read` is
// Ok. Returning false stops the reading.
using RecordVisitor =
    std::function<bool(long long position, StoreStatus read, const AssessmentRecord& record)>;

// Whether an append stamps its records with the time they are saved, or keeps the save
// date-times they carry (an import keeps the exported ones).
enum class SaveTimes { StampNow, Keep };

// What an append did.
struct AppendOutcome {
    StoreStatus status;       // Ok, StoreError::FileFull (nothing written), or the file's failure
    int existingRecords = 0;  // records the file held before
    int firstPosition = -1;   // position of the first appended record
    int leftOut = 0;          // records a LeaveOut took out
};

// Takes out of `adding` the records that must not be appended, given those the file holds (the
// ones that decode), and says how many it took out. Run with the file locked, so nobody can
// append the same record between the look and the append.
using LeaveOut =
    std::function<int(const std::vector<AssessmentRecord>& inFile, std::vector<AssessmentRecord>& adding)>;

// A whole file read for damage: what `orva-cli check` reports.
struct FileCheck {
    long long records = 0;  // places for records, a partial record at the end included
    std::vector<std::pair<long long, StoreError>> damaged;  // position and why, as ForEach tells it
    bool partialTail = false;  // the file ends in part of a record (the last damaged place)
};

// The one way into record files: every read and write of a record file goes through here, so
// that one set of rules holds for every command. The first kMaxRecords records are the
// file's; those beyond are counted but never read, listed, exported, analysed or replaced,
// and a file far longer than a full one is refused by its length (StoreError::BadLength). Every call
// opens the file once, with an exclusive lock, and closes it before it returns.
class RecordStore {
  public:
    explicit RecordStore(FileSystem& fileSystem = DefaultFileSystem(),
                         const Clock& clock = SystemClock::Instance(),
                         RandomSource& random = DefaultRandomSource::Instance());

    // Fills `list` with the file's rows, sorted by last name, first name, birth date and save
    // date-time when asked. The failure when the file cannot be listed at all; otherwise the
    // number of the file's records that are not in the list (failed, or beyond capacity).
    StoreResult<int> List(const RecordFilePath& path, bool readOnly, bool sort, RecordList& list);

    // Reads and decodes record `position`; the failure to open or read the file, or
    // StoreError::PositionBeyondEnd, IncompleteRecord or ChecksumMismatch.
    StoreResult<AssessmentRecord> Read(const RecordFilePath& path, int position);

    // Opens the file (never creating it), checks it and hands every position to `visit` in file
    // order. The records the file holds, or the failure when it cannot be opened or is no
    // record file.
    // `partialTail`, when given, tells whether the file ends in part of a record.
    StoreResult<long long> ForEach(const RecordFilePath& path, bool readOnly, const RecordVisitor& visit,
                                   bool* partialTail = nullptr);

    // Reads every record of the file and notes each damaged one; the failure when the file
    // cannot be opened or is no record file.
    StoreResult<FileCheck> Check(const RecordFilePath& path);

    // Stamps each record with the clock's time as it is saved (unless told to keep the records'
    // own) and appends them all, or none: on any failure the file is exactly as it was (a file
    // that was not there is not made). With `leaveOut`, the records it takes out are not
    // appended. On success `records` holds the records as appended.
    AppendOutcome Append(const RecordFilePath& path, std::vector<AssessmentRecord>& records,
                         SaveTimes saveTimes = SaveTimes::StampNow, const LeaveOut& leaveOut = {});

    // Replaces record `position` with `record` (stamped as it is saved) only when the record in
    // place is still `expected`: the same content and save date-time. Otherwise nothing is
    // written and the result is StoreError::RecordChanged. `record` keeps its old save date-time unless
    // the replacement succeeded.
    StoreStatus Replace(const RecordFilePath& path, int position, const AssessmentRecord& expected,
                        AssessmentRecord& record);

  private:
    FileSystem& fs_;
    const Clock& clock_;
    RandomSource& random_;
};

}  // namespace orva
