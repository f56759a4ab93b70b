// SPDX-License-Identifier: Apache-2.0
#include "screening/Endorsement.h"

#include <algorithm>

#include "model/ItemCatalogue.h"

namespace orva {

bool IsEndorsed(const AssessmentRecord& record, int item) {
    if (item < 1 || item >= kResponseSlots) return false;
    const int held = record.GetHeldResponse(item);
    if (held >= 3 && held <= 6) return true;
    const auto& answerTwo = ItemCatalogue::AnswerTwoEndorsedItems();
    return held == 2 && std::find(answerTwo.begin(), answerTwo.end(), item) != answerTwo.end();
}

}  // namespace orva
