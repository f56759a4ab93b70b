// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>

namespace orva {

// The 111 questionnaire items in their Self, Parent and Teacher wordings (Windows-1252),
// with the lead-ins, the answer scale and the repeated pairs. Constant data.
class ItemCatalogue {
public:
    struct RepeatedPair {
        int first;
        int second;
    };

    // Wording of `item` (0 = lead-in, 1..111 items, 112..190 empty) for reporter 0..2.
    static const char* Wording(int reporter, int item);
    static bool InTeacherReport(int item);
    static const std::array<int, 20>& TeacherExcludedItems();
    // The seven pairs in the order the reliability statistic accumulates them.
    static const std::array<RepeatedPair, 7>& RepeatedPairs();
    // The seven conduct items whose answer 2 ("Sometimes") already endorses.
    static const std::array<int, 7>& AnswerTwoEndorsedItems();
    // "Never" .. "Very Often" for 0..5, "No Response" for a blank (-1).
    static const char* AnswerLabel(int value);
};

// The wordings themselves, one entry per item 1..111 (index 0 is item 1).
struct ItemWording {
    const char* self;   // first person
    const char* other;  // completes "My child:" and "This student:"
};
extern const std::array<ItemWording, 111> kItemWordings;

}  // namespace orva
