// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <string>

#include "model/AssessmentRecord.h"
#include "store/FileSystem.h"
#include "store/StoreError.h"
#include "screening/ReportSet.h"

namespace orva {

// Reads record `position` of the record file at `path` (".rpc" added when missing) for
// analysis, through RecordStore::Read: the record, or the store's failure (open failures,
// StoreError::PositionBeyondEnd, IncompleteRecord, ChecksumMismatch).
StoreResult<AssessmentRecord> ReadRecordForAnalysis(const std::string& path, int position,
                                                    FileSystem& fileSystem = DefaultFileSystem());

// Empties the analysis, then reads the chosen record of each slot (Self, Parent, Teacher;
// -1 for none) into that slot. The first read's failure, and the analysis is then left empty.
StoreStatus LoadReportSet(const std::string& path, const std::array<int, kReportSlots>& positions,
                          ReportSet& reports, FileSystem& fileSystem = DefaultFileSystem());

}  // namespace orva
