// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "reports/PersonDetailTexts.h"
#include "reports/print/PrintPage.h"

namespace orva {

// The person's details on page 2: labels and values in two columns. The observer rows show
// "Parent:" then "Teacher:" when the parent is named, "Teacher:" alone when only the teacher
// is, and nothing when neither is.
void DrawDetailsBlock(PrintPage& page, const PersonDetailTexts& details);

}  // namespace orva
