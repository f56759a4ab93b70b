// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <string_view>

#include "model/AssessmentRecord.h"

namespace orva {

inline constexpr int kCsvColumns = 143;
inline constexpr int kCsvFirstItemColumn = 33;  // 1-based column of item 1

// Makes a text safe for an unquoted CSV field: CR, LF and comma become a blank, double quote
// and apostrophe a backquote; every other byte, tab included, is kept. The length is kept.
std::string SanitiseCsvText(std::string_view text);

// A spreadsheet takes a cell beginning with '=', '+', '-', '@', a tab or a carriage return for a
// formula. Such a cell gets a leading apostrophe, which spreadsheets show as text and the
// import takes away again (the cleaning never leaves an apostrophe of its own in a cell).
std::string GuardFormula(std::string cell);
// The cell without the apostrophe that GuardFormula put before a formula character; any
// other cell as it is.
std::string_view UnguardFormula(std::string_view cell);

// The record's data row of the export, CR LF included. Only sanitised texts reach the row:
// the stored gender character and date digits pass the same cleaning (a sound record is
// unchanged by it) so that no stored byte can add a column or a line. Every cell passes
// GuardFormula after its cleaning.
std::string FormatCsvLine(const AssessmentRecord& record);

}  // namespace orva
