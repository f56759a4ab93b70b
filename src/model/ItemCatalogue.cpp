// SPDX-License-Identifier: Apache-2.0
#include "model/ItemCatalogue.h"

#include <algorithm>

#include "model/ModelTexts.h"

namespace orva {

namespace {
constexpr std::array<int, 20> kTeacherExcluded = {7,  8,  16, 17, 18, 20, 22, 23, 28, 30,
                                                  33, 40, 41, 42, 48, 60, 63, 66, 98, 102};
constexpr std::array<ItemCatalogue::RepeatedPair, 7> kPairs = {
    {{57, 95}, {36, 14}, {86, 37}, {65, 27}, {19, 59}, {100, 34}, {49, 89}}};
constexpr std::array<int, 7> kAnswerTwoEndorsed = {15, 16, 30, 69, 73, 82, 88};
}  // namespace

const char* ItemCatalogue::Wording(int reporter, int item) {
    if (item == 0) {
        if (reporter == 1) return texts::kLeadInParent;
        if (reporter == 2) return texts::kLeadInTeacher;
        return texts::kLeadInSelf;
    }
    if (item < 1 || item > static_cast<int>(kItemWordings.size())) return "";
    if (reporter == 2 && !InTeacherReport(item)) return texts::kNotInTeacherReport;
    const ItemWording& w = kItemWordings[item - 1];
    return (reporter == 1 || reporter == 2) ? w.other : w.self;
}

bool ItemCatalogue::InTeacherReport(int item) {
    return std::find(kTeacherExcluded.begin(), kTeacherExcluded.end(), item) == kTeacherExcluded.end();
}

const std::array<int, 20>& ItemCatalogue::TeacherExcludedItems() { return kTeacherExcluded; }

const std::array<ItemCatalogue::RepeatedPair, 7>& ItemCatalogue::RepeatedPairs() { return kPairs; }

const std::array<int, 7>& ItemCatalogue::AnswerTwoEndorsedItems() { return kAnswerTwoEndorsed; }

const char* ItemCatalogue::AnswerLabel(int value) {
    if (value >= 0 && value <= 5) return texts::kAnswerLabels[value];
    return texts::kNoResponse;
}

}  // namespace orva
