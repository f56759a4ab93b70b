#include "store/RecordStore.h"

#include <algorithm>
#include <climits>

#include "store/RecordCodec.h"
#include "store/RecordFile.h"
#include "store/RecordList.h"

namespace orva {

RecordStore::RecordStore(FileSystem& fileSystem, const Clock& clock, RandomSource& random)
    : fs_(fileSystem), clock_(clock), random_(random) {}

long long RecordStore::ForEach(const RecordFilePath& path, bool readOnly, const RecordVisitor& visit,
                               bool* partialTail) {
    RecordFile file(clock_, fs_);
    int result = file.OpenForReading(path.OnDisk(), readOnly);
    // A first record that cannot be read is handed out like any other; every other failure
    // means the file cannot be read at all.
    if (result < 0 && result != kIncompleteRecord) return result;
    if (partialTail != nullptr) *partialTail = file.HasPartialTail();
    const long long inFile = file.RecordCount();
    const long long readable = file.ReadableCount();

    AssessmentRecord record;
    for (long long position = 0; position < readable; ++position) {
        if (position > 0) result = file.ReadNext();
        const int code = result < 0 ? result : DecodeFromStorage(record, file.CurrentRecord().data());
        if (!visit(position, code, record)) return inFile;
    }
    file.Close();
    // The records beyond the capacity are named, never read: nothing is left out unsaid.
    const AssessmentRecord none;
    for (long long position = readable; position < inFile; ++position) {
        if (!visit(position, kPositionBeyondEnd, none)) break;
    }
    return inFile;
}

int RecordStore::List(const RecordFilePath& path, bool readOnly, bool sort, RecordList& list) {
    list.rows_.clear();
    list.rows_.reserve(kMaxRecords);
    list.failedPositions_.clear();
    list.recordsInFile_ = 0;
    list.beyondCapacity_ = 0;

    const long long inFile =
        ForEach(path, readOnly, [&list](long long position, int code, const AssessmentRecord& record) {
            if (code == 0) {
                list.rows_.push_back(RecordList::MakeRow(record, static_cast<int>(position)));
            } else if (code == kPositionBeyondEnd) {
                ++list.beyondCapacity_;
            } else {
                list.failedPositions_.push_back(position);
            }
            return true;
        });
    if (inFile < 0) return static_cast<int>(inFile);
    list.recordsInFile_ = inFile;

    const long long notLoaded = inFile - static_cast<long long>(list.rows_.size());
    if (sort && !list.rows_.empty()) list.Sort(kKeyLastName, kKeyFirstName, kKeyBirthDate, kKeySaveDateTime);
    return static_cast<int>(std::min<long long>(notLoaded, INT_MAX));
}

int RecordStore::Check(const RecordFilePath& path, FileCheck& check) {
    check = FileCheck{};
    const long long inFile = ForEach(
        path, true,
        [&check](long long position, int code, const AssessmentRecord&) {
            if (code != 0) check.damaged.emplace_back(position, code);
            return true;
        },
        &check.partialTail);
    if (inFile < 0) return static_cast<int>(inFile);
    check.records = inFile;
    return kStoreOk;
}

int RecordStore::Read(const RecordFilePath& path, int position, AssessmentRecord& record) {
    StoredRecord stored{};
    const int status = RecordFile(clock_, fs_).ReadRecordAt(path.OnDisk(), position, stored);
    if (status < 0) return status;
    // Decoded into a fresh record so that one failing its checks leaves the caller's untouched.
    AssessmentRecord decoded;
    const int decodedResult = DecodeFromStorage(decoded, stored.data());
    if (decodedResult < 0) return decodedResult;
    record = decoded;
    return kStoreOk;
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
                if (DecodeFromStorage(decoded, stored.data()) >= 0) inFile.push_back(decoded);
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
    outcome.code = appended.code;
    outcome.existingRecords = appended.existingRecords;
    outcome.firstPosition = appended.firstPosition;
    if (outcome.code == kStoreOk) records = std::move(appending);
    return outcome;
}

int RecordStore::Replace(const RecordFilePath& path, int position, const AssessmentRecord& expected,
                         AssessmentRecord& record) {
    AssessmentRecord saved = record;
    const StoredRecord stored = EncodeForStorage(saved, clock_, random_);
    const auto stillExpected = [&expected](const StoredRecord& current) {
        // A record in place that no longer decodes is not the one that was read either.
        AssessmentRecord found;
        if (DecodeFromStorage(found, current.data()) < 0) return static_cast<int>(kRecordChanged);
        const bool same = found.SameContent(expected) &&
                          found.GetText(TextField::SaveDateTime) == expected.GetText(TextField::SaveDateTime);
        return same ? static_cast<int>(kStoreOk) : static_cast<int>(kRecordChanged);
    };
    const int result = RecordFile(clock_, fs_).ReplaceRecord(path.OnDisk(), position, stored, stillExpected);
    if (result < 0) return result;
    record = saved;
    return kStoreOk;
}

}  // namespace orva
