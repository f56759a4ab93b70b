#include "reports/ImportRun.h"

#include <vector>

#include "reports/RecordBatch.h"
#include "store/RecordCodec.h"

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
    std::vector<StoredRecord> stored;
    stored.reserve(decoded.records.size());
    for (AssessmentRecord& record : decoded.records)
        stored.push_back(EncodeForStorage(record, clock, random));

    outcome.code = AppendRecordBatch(recordFilePath, stored, clock, fileSystem, outcome.existingRecords,
                                     outcome.firstPosition);
    if (outcome.code == 0) outcome.appended = static_cast<int>(stored.size());
    return outcome;
}

}  // namespace orva
