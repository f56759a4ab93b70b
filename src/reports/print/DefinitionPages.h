// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "reports/print/PrintPage.h"

namespace orva {

// Pages 6 and 7: the brief definitions of the disorders.
void DrawDefinitionPage(PrintPage& page, int pageNumber);
// Page 8: how to read each column of the results and the summary statistics.
void DrawGuidelinesPage(PrintPage& page);

}  // namespace orva
