// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "model/AssessmentRecord.h"
#include "model/Clock.h"
#include "model/RecordFilePath.h"
#include "store/FileSystem.h"

namespace orva {

// What an append reports: the store's result code (0 on success) and the new record's position.
struct SaveOutcome {
    int code = 0;
    int position = -1;
};

// Saves `record` as a new record at the end of `file` (created when missing):
// stamps the save date-time, encodes and appends all or nothing. With ReplaceRecord, the one
// place the wizards write a record file.
SaveOutcome AppendRecord(AssessmentRecord& record, const RecordFilePath& file, const Clock& clock,
                         FileSystem& files = DefaultFileSystem());

// Saves `record` in place of record `position` of `file`, stamped with the save
// date-time, only while that place still holds `expected` (the record as it was read);
// otherwise nothing is written and the result is kRecordChanged. The store's result code.
int ReplaceRecord(AssessmentRecord& record, const RecordFilePath& file, int position,
                  const AssessmentRecord& expected, const Clock& clock, FileSystem& files = DefaultFileSystem());

}  // namespace orva
