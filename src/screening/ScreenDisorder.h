// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "model/AssessmentRecord.h"
#include "screening/DisorderId.h"
#include "screening/ScreeningResult.h"

namespace orva {

// Applies one row's rule to a record. Reads only the record's endorsement flags and reporter;
// the flags must have been computed (ComputeEndorsements) after loading.
ScreeningResult ScreenDisorder(const AssessmentRecord& record, DisorderId id);

}  // namespace orva
