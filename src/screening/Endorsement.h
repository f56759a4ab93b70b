// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "model/AssessmentRecord.h"

namespace orva {

// Whether the record's answer to `item` counts towards a screening: 3..5 (a held 6 too), and 2
// on the seven conduct items where "Sometimes" already counts. Items outside 1..190 never count.
bool IsEndorsed(const AssessmentRecord& record, int item);

}  // namespace orva
