// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "store/RecordFormat.h"

namespace orva {

// What every record image that ORVA writes satisfies, whether it was saved from the
// questionnaire or imported from a CSV: a valid birth date; a completion date that is empty or
// valid and not before the birth; a full, valid save date-time not before either date; gender
// F, M, U or X; reporter S, P or T; data entry 0 or 1; every response nibble an answer 0..5,
// blank (7) or never set (15); texts without control characters other than tabs, and line
// breaks only in the two fields typed in multi-line boxes (observer contact and comment); the
// filler all 0x80. Damage that the check byte and sum happen to miss nearly always breaks one
// of these, so the decoder refuses such an image as it refuses a checksum mismatch.
bool FollowsRecordRules(const RecordImage& image);

}  // namespace orva
