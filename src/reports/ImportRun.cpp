// SPDX-License-Identifier: Apache-2.0
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
    if (!decoded.status) {
        outcome.status = ReportsFailure(decoded.status.Error());
        outcome.problem = decoded.problem;
        return outcome;
    }
    outcome.rows = static_cast<int>(decoded.records.size());
    RecordStore store(fileSystem, clock, random);
    // Rows the file already holds are left out, so that a retried import adds nothing twice;
    // the look and the append are one step under the file's lock, so that two imports of the
    // same rows at once add them once. Each row keeps the save date-time it was exported with,
    // so its history survives the trip.
    const AppendOutcome appended =
        store.Append(RecordFilePath(recordFilePath), decoded.records, SaveTimes::Keep,
                     [](const std::vector<AssessmentRecord>& inFile, std::vector<AssessmentRecord>& adding) {
                         return DropRepeatedRows(adding, inFile);
                     });
    outcome.repeated = appended.leftOut;
    if (!appended.status) outcome.status = ReportsFailure(appended.status.Error());
    outcome.existingRecords = appended.existingRecords;
    outcome.firstPosition = appended.firstPosition;
    if (outcome.status) outcome.appended = static_cast<int>(decoded.records.size());
    return outcome;
}

}  // namespace orva
