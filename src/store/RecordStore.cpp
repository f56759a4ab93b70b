// SPDX-License-Identifier: Apache-2.0
#include "store/RecordStore.h"

#include <algorithm>
#include <climits>

#include "store/RecordCodec.h"
#include "store/RecordFile.h"
#include "store/RecordList.h"

namespace orva {

RecordStore::RecordStore(FileSystem& fileSystem, const Clock& clock, RandomSource& random)
    : fs_(fileSystem), clock_(clock), random_(random) {}

StoreResult<long long> RecordStore::ForEach(const RecordFilePath& path, bool readOnly,
                                            const RecordVisitor& visit, bool* partialTail) {
    RecordFile file(clock_, fs_);
    StoreResult<ReadPlace> result = file.OpenForReading(path.OnDisk(), readOnly);
    // A first record that cannot be read is handed out like any other; every other failure
    // means the file cannot be read at all.
    if (!result && result.Error() != StoreError::IncompleteRecord) return result.Error();
    if (partialTail != nullptr) *partialTail = file.HasPartialTail();
    const long long inFile = file.RecordCount();
    const long long readable = file.ReadableCount();

    AssessmentRecord record;
    for (long long position = 0; position < readable; ++position) {
        if (position > 0) result = file.ReadNext();
        const StoreStatus read =
            result ? DecodeFromStorage(record, file.CurrentRecord().data()) : result.AsStatus();
        if (!visit(position, read, record)) return inFile;
    }
    file.Close();
    // The records beyond the capacity are named, never read: nothing is left out unsaid.
    const AssessmentRecord none;
    for (long long position = readable; position < inFile; ++position) {
        if (!visit(position, StoreError::PositionBeyondEnd, none)) break;
    }
    return inFile;
}

StoreResult<int> RecordStore::List(const RecordFilePath& path, bool readOnly, bool sort, RecordList& list) {
    list.rows_.clear();
    list.rows_.reserve(kMaxRecords);
    list.failedPositions_.clear();
    list.recordsInFile_ = 0;
    list.beyondCapacity_ = 0;

    const StoreResult<long long> inFile = ForEach(
        path, readOnly, [&list](long long position, StoreStatus read, const AssessmentRecord& record) {
            if (read) {
                list.rows_.push_back(RecordList::MakeRow(record, static_cast<int>(position)));
            } else if (read.Error() == StoreError::PositionBeyondEnd) {
                ++list.beyondCapacity_;
            } else {
                list.failedPositions_.push_back(position);
            }
            return true;
        });
    if (!inFile) return inFile.Error();
    list.recordsInFile_ = *inFile;

    const long long notLoaded = *inFile - static_cast<long long>(list.rows_.size());
    if (sort && !list.rows_.empty()) list.SortByPerson();
    return static_cast<int>(std::min<long long>(notLoaded, INT_MAX));
}

StoreResult<FileCheck> RecordStore::Check(const RecordFilePath& path) {
    FileCheck check;
    const StoreResult<long long> inFile = ForEach(
        path, true,
        [&check](long long position, StoreStatus read, const AssessmentRecord&) {
            if (!read) check.damaged.emplace_back(position, read.Error());
            return true;
        },
        &check.partialTail);
    if (!inFile) return inFile.Error();
    check.records = *inFile;
    return check;
}

StoreResult<AssessmentRecord> RecordStore::Read(const RecordFilePath& path, int position) {
    const StoreResult<StoredRecord> stored = RecordFile(clock_, fs_).ReadRecordAt(path.OnDisk(), position);
    if (!stored) return stored.Error();
    AssessmentRecord decoded;
    const StoreStatus decodedResult = DecodeFromStorage(decoded, stored->data());
    if (!decodedResult) return decodedResult.Error();
    return decoded;
}

AppendOutcome RecordStore::Append(const RecordFilePath& path, std::vector<AssessmentRecord>& records,
                                  SaveTimes saveTimes, const LeaveOut& leaveOut) {
    AppendOutcome outcome;
    std::vector<AssessmentRecord> appending;
    RecordFile::AppendPlan plan;
    plan.readsExisting = static_cast<bool>(leaveOut);
    plan.records = [&](const std::vector<StoredRecord>& existing) {
        appending = records;
        if (leaveOut) {
            std::vector<AssessmentRecord> inFile;
            inFile.reserve(existing.size());
            AssessmentRecord decoded;
            for (const StoredRecord& stored : existing) {
                if (DecodeFromStorage(decoded, stored.data())) inFile.push_back(decoded);
            }
            outcome.leftOut = leaveOut(inFile, appending);
        }
        std::vector<StoredRecord> stored;
        stored.reserve(appending.size());
        for (AssessmentRecord& record : appending) {
            stored.push_back(saveTimes == SaveTimes::Keep ? ScrambleImage(BuildImage(record), random_)
                                                          : EncodeForStorage(record, clock_, random_));
        }
        return stored;
    };
    const RecordFile::AppendResult appended = RecordFile(clock_, fs_).AppendRecords(path.OnDisk(), plan);
    outcome.status = appended.status;
    outcome.existingRecords = appended.existingRecords;
    outcome.firstPosition = appended.firstPosition;
    if (outcome.status) records = std::move(appending);
    return outcome;
}

StoreStatus RecordStore::Replace(const RecordFilePath& path, int position, const AssessmentRecord& expected,
                                 AssessmentRecord& record) {
    AssessmentRecord saved = record;
    const StoredRecord stored = EncodeForStorage(saved, clock_, random_);
    const auto stillExpected = [&expected](const StoredRecord& current) -> StoreStatus {
        // A record in place that no longer decodes is not the one that was read either.
        AssessmentRecord found;
        if (!DecodeFromStorage(found, current.data())) return StoreError::RecordChanged;
        const bool same = found.SameContent(expected) &&
                          found.GetText(TextField::SaveDateTime) == expected.GetText(TextField::SaveDateTime);
        return same ? StoreStatus() : StoreError::RecordChanged;
    };
    const StoreStatus result =
        RecordFile(clock_, fs_).ReplaceRecord(path.OnDisk(), position, stored, stillExpected);
    if (!result) return result;
    record = saved;
    return {};
}

}  // namespace orva
