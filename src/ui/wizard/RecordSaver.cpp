// SPDX-License-Identifier: Apache-2.0
#include "ui/wizard/RecordSaver.h"

#include <vector>

#include "store/RecordStore.h"

namespace orva {

SaveOutcome AppendRecord(AssessmentRecord& record, const RecordFilePath& file, const Clock& clock, FileSystem& files) {
    std::vector<AssessmentRecord> records = {record};
    const AppendOutcome appended = RecordStore(files, clock).Append(file, records);
    // The record saved carries the save date-time it was stamped with.
    if (appended.code == 0) record = records.front();
    return {appended.code, appended.firstPosition};
}

int ReplaceRecord(AssessmentRecord& record, const RecordFilePath& file, int position,
                  const AssessmentRecord& expected, const Clock& clock, FileSystem& files) {
    return RecordStore(files, clock).Replace(file, position, expected, record);
}

}  // namespace orva
