#include "reports/ImportRun.h"

#include <vector>

#include "reports/RepeatedRows.h"
#include "store/RecordStore.h"

namespace orva {

ImportOutcome RunImport(std::string_view csv, const std::string& recordFilePath, const Clock& clock,
                        RandomSource& random, FileSystem& fileSystem) {
    ImportOutcome outcome;
    CsvImportResult decoded = DecodeCsvImport(csv, clock);
    outcome.encoding = decoded.encoding;
    if (decoded.code < 0) {
        outcome.code = decoded.code;
        outcome.problem = decoded.problem;
        return outcome;
    }
    outcome.rows = static_cast<int>(decoded.records.size());
    RecordStore store(fileSystem, clock, random);
    const RecordFilePath path(recordFilePath);
    // Rows the file already holds are left out, so that a retried import adds nothing twice.
    std::vector<AssessmentRecord> existing;
    store.ForEach(path, true, [&existing](long long, int code, const AssessmentRecord& record) {
        if (code == 0) existing.push_back(record);
        return true;
    });
    outcome.repeated = DropRepeatedRows(decoded.records, existing);
    // Each row keeps the save date-time it was exported with, so its history survives the trip.
    const AppendOutcome appended = store.Append(path, decoded.records, SaveTimes::Keep);
    outcome.code = appended.code;
    outcome.existingRecords = appended.existingRecords;
    outcome.firstPosition = appended.firstPosition;
    if (outcome.code == 0) outcome.appended = static_cast<int>(decoded.records.size());
    return outcome;
}

}  // namespace orva
