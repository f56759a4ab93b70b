// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <string>

#include "model/AssessmentRecord.h"
#include "store/FileSystem.h"
#include "screening/ReportSet.h"

namespace orva {

// Reads record `position` of the record file at `path` (".rpc" added when missing) for
// analysis, through RecordStore::Read, and computes its endorsements. 0 on success; otherwise the store's code (open failures,
// kPositionBeyondEnd, kIncompleteRecord) or kChecksumMismatch, and `record` is left as it was.
int ReadRecordForAnalysis(const std::string& path, int position, AssessmentRecord& record,
                          FileSystem& fileSystem = DefaultFileSystem());

// Empties the analysis, then reads the chosen record of each slot (Self, Parent, Teacher;
// -1 for none) into that slot. 0 when every read succeeded; otherwise the first failure's
// code, and the analysis is left empty.
int LoadReportSet(const std::string& path, const std::array<int, kReportSlots>& positions, ReportSet& reports,
                  FileSystem& fileSystem = DefaultFileSystem());

}  // namespace orva
