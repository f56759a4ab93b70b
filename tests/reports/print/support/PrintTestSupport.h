// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>

#include "reports/print/ReportPrinter.h"
#include "reports/print/support/RecordingCanvas.h"
#include "screening/ReportSet.h"

namespace orva::print_test {

using RecordedPages = std::array<RecordingCanvas, ReportPrinter::kMaxPageCount>;

// Draws pages 1 to 9 onto recorders (index 0 is page 1), with the built-in pictures; page 9
// stays empty when the items to follow up fit on page 5.
RecordedPages DrawAllPages(const ReportSet& reports);

// Three reports of one young person with the longest names, address, phones, observers and
// comments the record holds, every item answered "Very Often" so that every row with its
// longest item lists is positive for all three reporters.
ReportSet LongestAnalysis();

}  // namespace orva::print_test
