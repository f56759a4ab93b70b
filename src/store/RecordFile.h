#pragma once

#include <string>

#include "model/Clock.h"
#include "store/FileHeader.h"
#include "store/FileSystem.h"
#include "store/RecordFormat.h"
#include "store/StoreResult.h"

namespace orva {

// One operation on a record file: open with an exclusive lock, validate, read records one
// after another or by position, append or replace a record. WriteRecord and ReadRecordAt close
// the file before they return; Open and OpenForReading keep it open and locked until Close or
// the destructor. Results are the codes of StoreResult.h.
class RecordFile {
  public:
    explicit RecordFile(const Clock& clock = SystemClock::Instance(),
                        FileSystem& fileSystem = DefaultFileSystem());
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Opens read-only (the file must exist: kFileNotFound otherwise) or for reading and writing
    // (created empty when missing, never truncated), locked exclusively. The file length, or a
    // negated cause.
    long long Open(const std::string& path, bool readOnly);
    // Checks the open file: kNewEmptyFile for length 0, 0 when sound, else -501..-504.
    int ValidateHeader();
    // Open (never creating the file), ValidateHeader, and read the first record. A file with
    // no record gives kTooShort. Result as ReadNext, or the failing step's code.
    int OpenForReading(const std::string& path, bool readOnly);
    // Reads the next record into CurrentRecord(): kMoreRecords (0) when more follow, kLastRecord
    // (1) for the last one, kNoMoreRecords after the last, kIncompleteRecord when it cannot be
    // read in full.
    int ReadNext();
    void Close();

    const StoredRecord& CurrentRecord() const { return buffer_; }
    long long CurrentPosition() const { return currentPosition_; }
    long long RecordCount() const { return recordCount_; }
    long long Length() const { return length_; }

    // Appends (position -1) or replaces record `position`. 0 with `outPosition` set to the
    // record's position, or a code; on failure the file is exactly as it was. Success is
    // reported only once the data is on the disk.
    int WriteRecord(const std::string& path, const StoredRecord& stored, int position, int& outPosition);
    // (Re)writes the header of the open file: creation date-time kept, last write now.
    int WriteHeader();
    // Reads record `position` into `out`: kStoredRecordSize, kPositionBeyondEnd, or a code.
    int ReadRecordAt(const std::string& path, int position, StoredRecord& out);

  private:
    long long OpenWith(const std::string& path, OpenMode mode);
    int WriteNewFile(const StoredRecord& stored);
    // Ends a failed write: removes a file this operation created, closes, returns `code`.
    int Abandon(int code);
    // Puts back what a failed write changed: the replaced record, the header, the length.
    void RollBack(long long oldLength, bool headerTouched, const StoredRecord* oldRecord,
                  long long recordOffset);

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
