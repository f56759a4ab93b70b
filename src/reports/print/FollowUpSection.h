#pragma once

#include <vector>

#include "reports/print/PrintPage.h"
#include "screening/ScreeningPresentation.h"

namespace orva {

// The items to follow up: the heading, what the list is, then a row per item (number,
// reporter, answer word, wording) or "None endorsed". Drawn from `row` within a region that
// ends at `bottom`; returns the row below the last text, which lies beyond `bottom` when the
// section does not fit.
double DrawFollowUpSection(PrintPage& page, double row, double bottom,
                           const std::vector<FollowUpTexts>& items);

}  // namespace orva
