// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "reports/print/PrintPage.h"
#include "screening/AnalysisGrid.h"

namespace orva {

// The results table part of pages 2 to 5: the heading row and the page's groups and rows with
// the cells as the analysis grid forms them; page 5 adds the positive-screens row, the
// reliability table and returns the row below it. Other pages return the row below their last row.
double DrawResultsTablePage(PrintPage& page, const AnalysisGrid& grid, int pageNumber);

}  // namespace orva
