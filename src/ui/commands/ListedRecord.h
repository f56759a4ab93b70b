// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "model/AssessmentRecord.h"
#include "store/RecordRow.h"

namespace orva {

// Whether `read`, a record read back by its position, is still the record that the selection
// list showed as `listed`: another program may have replaced records of the file since the
// list was loaded.
bool ReadsAsListed(const AssessmentRecord& read, const RecordRow& listed);

}  // namespace orva
