#include "reports/ImportRun.h"

#include <vector>

#include "reports/FileRecords.h"
#include "reports/RecordBatch.h"
#include "reports/RepeatedRows.h"
#include "store/RecordCodec.h"

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
    outcome.repeated = DropRepeatedRows(decoded.records, ReadSoundRecords(recordFilePath, fileSystem));
    std::vector<StoredRecord> stored;
    stored.reserve(decoded.records.size());
    for (const AssessmentRecord& record : decoded.records)
        stored.push_back(ScrambleImage(BuildImage(record), random));

    outcome.code = AppendRecordBatch(recordFilePath, stored, clock, fileSystem, outcome.existingRecords,
                                     outcome.firstPosition);
    if (outcome.code == 0) outcome.appended = static_cast<int>(stored.size());
    return outcome;
}

}  // namespace orva
