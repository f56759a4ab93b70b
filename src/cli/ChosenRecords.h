// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "model/AssessmentRecord.h"
#include "screening/ReportSet.h"
#include "store/StoreError.h"

namespace orva::cli {

// The person a record is about, compared as the selection dialogs find a person.
std::string PersonKey(const AssessmentRecord& record);

// Says on `err` why the record at `position` of the file at `path` could not be read (`failure`), with the product's words where it has them. A position beyond the end is a read
// error of that record, not a fault of the file; it is worded with the file's record count when
// that is known.
void PrintReadFailure(std::ostream& err, const std::string& path, int position, StoreError failure,
                      std::optional<long long> recordsInFile);

// Reads the records at `positions` (in the order given) of the record file at `path` into
// `reports`: one record per reporter, all of one person, each with a last name. The chosen
// position of each slot (Self, Parent, Teacher; -1 for none), or nothing when the choice is
// refused or a record cannot be read, with the reason printed on `err`.
std::optional<std::array<int, kReportSlots>> LoadChosenRecords(const std::string& path,
                                                               const std::vector<int>& positions,
                                                               std::optional<long long> recordsInFile,
                                                               ReportSet& reports, std::ostream& err);

// One line per reporter: the chosen record's position, the person's names, the save date-time
// and the observer, or "none".
void WriteChosenReports(std::ostream& out, const ReportSet& reports, const std::array<int, kReportSlots>& positions);

}  // namespace orva::cli
