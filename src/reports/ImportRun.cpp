#include "reports/ImportRun.h"

#include <vector>

#include "store/RecordStore.h"

namespace orva {

ImportOutcome RunImport(std::string_view csv, const std::string& recordFilePath, const Clock& clock,
                        RandomSource& random, FileSystem& fileSystem) {
    ImportOutcome outcome;
    CsvImportResult decoded = DecodeCsvImport(csv, clock);
    if (decoded.code < 0) {
        outcome.code = decoded.code;
        outcome.problem = decoded.problem;
        return outcome;
    }
    outcome.rows = static_cast<int>(decoded.records.size());
    const AppendOutcome appended =
        RecordStore(fileSystem, clock, random).Append(RecordFilePath(recordFilePath), decoded.records);
    outcome.code = appended.code;
    outcome.existingRecords = appended.existingRecords;
    outcome.firstPosition = appended.firstPosition;
    if (outcome.code == 0) outcome.appended = outcome.rows;
    return outcome;
}

}  // namespace orva
