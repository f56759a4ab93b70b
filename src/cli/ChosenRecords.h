#pragma once

#include <array>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "model/AssessmentRecord.h"
#include "screening/ReportSet.h"

namespace orva::cli {

// A record position as given to --record: digits only.
bool ParsePosition(const std::string& text, int& position);

// The person a record is about, compared as the selection dialogs find a person.
std::string PersonKey(const AssessmentRecord& record);

// Says on `err` why the record at `position` of the file at `path` could not be read (`code`, the
// store's); each command words this its own way.
using ReadFailurePrinter =
    std::function<void(std::ostream& err, const std::string& path, int position, int code)>;

// Reads the records at `positions` (in the order given) of the record file at `path` into
// `reports`: one record per reporter, all of one person, each with a last name. The chosen
// position of each slot (Self, Parent, Teacher; -1 for none), or nothing when the choice is
// refused or a record cannot be read, with the reason printed on `err`.
std::optional<std::array<int, kReportSlots>> LoadChosenRecords(const std::string& path,
                                                               const std::vector<int>& positions,
                                                               const ReadFailurePrinter& printReadFailure,
                                                               ReportSet& reports, std::ostream& err);

}  // namespace orva::cli
