// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "model/AssessmentRecord.h"
#include "screening/DisorderId.h"
#include "screening/ScreeningResult.h"

namespace orva {

// Applies one row's rule to a record. Reads only which answers are endorsed (IsEndorsed) and
// the reporter.
ScreeningResult ScreenDisorder(const AssessmentRecord& record, DisorderId id);

}  // namespace orva
