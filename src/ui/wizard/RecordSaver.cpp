#include "ui/wizard/RecordSaver.h"

#include <vector>

#include "model/RecordFilePath.h"
#include "store/RecordStore.h"

namespace orva {

SaveOutcome AppendRecord(AssessmentRecord& record, const std::string& path, const Clock& clock) {
    std::vector<AssessmentRecord> records = {record};
    const AppendOutcome appended = RecordStore(DefaultFileSystem(), clock).Append(RecordFilePath(path), records);
    // The record saved carries the save date-time it was stamped with.
    if (appended.code == 0) record = records.front();
    return {appended.code, appended.firstPosition};
}

}  // namespace orva
