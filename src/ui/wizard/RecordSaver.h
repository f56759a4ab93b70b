// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>

#include "model/AssessmentRecord.h"
#include "model/Clock.h"
#include "store/FileSystem.h"
#include "store/StoreError.h"

namespace orva {

// What an append reports: whether it succeeded, and the new record's position.
struct SaveOutcome {
    StoreStatus status;
    int position = -1;
};

// Saves `record` as a new record at the end of the file at `path` (created when missing):
// stamps the save date-time, encodes and appends all or nothing. With ReplaceRecord, the one
// place the wizards write a record file.
SaveOutcome AppendRecord(AssessmentRecord& record, const std::string& path, const Clock& clock,
                         FileSystem& files = DefaultFileSystem());

// Saves `record` in place of record `position` of the file at `path`, stamped with the save
// date-time, only while that place still holds `expected` (the record as it was read);
// otherwise nothing is written and the result is StoreError::RecordChanged.
StoreStatus ReplaceRecord(AssessmentRecord& record, const std::string& path, int position,
                  const AssessmentRecord& expected, const Clock& clock, FileSystem& files = DefaultFileSystem());

}  // namespace orva
