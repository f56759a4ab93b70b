#pragma once

#include "model/AssessmentRecord.h"
#include "screening/DisorderId.h"
#include "screening/ScreeningResult.h"

namespace orva {

// Applies one row's rule to a record. Reads only the record's endorsement flags and reporter;
// writes only the record's items-met scratch list (overwritten by every rule), so callers take
// the returned copy. The flags must have been computed (ComputeEndorsements) after loading.
ScreeningResult ScreenDisorder(AssessmentRecord& record, DisorderId id);

}  // namespace orva
