#pragma once

#include <string>

#include "model/AssessmentRecord.h"
#include "model/Clock.h"

namespace orva {

// What an append reports: the store's result code (0 on success) and the new record's position.
struct SaveOutcome {
    int code = 0;
    int position = -1;
};

// Saves `record` as a new record at the end of the file at `path` (created when missing):
// stamps the save date-time, encodes and appends all or nothing. The one place the wizards
// write a record file.
SaveOutcome AppendRecord(AssessmentRecord& record, const std::string& path, const Clock& clock);

}  // namespace orva
