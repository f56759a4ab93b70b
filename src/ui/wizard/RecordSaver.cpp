// SPDX-License-Identifier: Apache-2.0
#include "ui/wizard/RecordSaver.h"

#include <vector>

#include "model/RecordFilePath.h"
#include "store/RecordStore.h"

namespace orva {

SaveOutcome AppendRecord(AssessmentRecord& record, const std::string& path, const Clock& clock, FileSystem& files) {
    std::vector<AssessmentRecord> records = {record};
    const AppendOutcome appended = RecordStore(files, clock).Append(RecordFilePath(path), records);
    // The record saved carries the save date-time it was stamped with.
    if (appended.status) record = records.front();
    return {appended.status, appended.firstPosition};
}

StoreStatus ReplaceRecord(AssessmentRecord& record, const std::string& path, int position,
                  const AssessmentRecord& expected, const Clock& clock, FileSystem& files) {
    return RecordStore(files, clock).Replace(RecordFilePath(path), position, expected, record);
}

}  // namespace orva
