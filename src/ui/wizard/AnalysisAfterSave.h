// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>

#include "model/AssessmentRecord.h"
#include "screening/ReportSet.h"

namespace orva {

// Fills `analysis` for a record just saved at `position` of the record file at `path`. The
// saved record always takes its own reporter's slot; with `related`, the other two slots take
// the same person's latest record of their reporter in that file. When the saved record cannot
// be read back, the copy in memory is shown alone. False, with the analysis empty, only when
// not even that is possible.
bool FillAnalysisAfterSave(const std::string& path, int position, const AssessmentRecord& saved, bool related,
                           ReportSet& analysis);

}  // namespace orva
