// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "model/AssessmentRecord.h"

namespace orva {

// The same record as saved: the same content (AssessmentRecord::SameContent), data entry and
// save date-time. Two such records cannot be told apart, so a second copy adds nothing.
bool SameSavedRecord(const AssessmentRecord& a, const AssessmentRecord& b);

// Takes out of `rows` every row that is the same saved record as one of `existing` or as an
// earlier row, keeping the order of the others; returns how many it took out. An import run
// twice therefore adds its records once.
int DropRepeatedRows(std::vector<AssessmentRecord>& rows, const std::vector<AssessmentRecord>& existing);

}  // namespace orva
