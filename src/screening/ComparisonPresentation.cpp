// SPDX-License-Identifier: Apache-2.0
#include "screening/ComparisonPresentation.h"

#include <charconv>
#include <cmath>

#include "model/AssessmentRecord.h"
#include "model/ItemCatalogue.h"
#include "screening/ScreeningTexts.h"

namespace orva {

namespace {

constexpr int kPearsonDecimals = 2;

}  // namespace

std::string ComparisonAnswerText(const ReporterComparison& comparison, const ItemComparison& item, int slot) {
    if (!comparison.present[slot]) return {};
    if (slot == kTeacher && item.notAskedOfTeacher) return texts::kNotAskedOfTeachers;
    const std::optional<int>& answer = item.answers[slot];
    if (!answer) return {};
    return std::to_string(*answer) + ' ' + ItemCatalogue::AnswerLabel(*answer);
}

std::string ReporterPairText(const ReporterAgreement& pair) {
    return std::string(ReporterCsvLabel(pair.first)) + texts::kPairJoin + ReporterCsvLabel(pair.second);
}

std::string IdenticalShareText(const ReporterAgreement& pair) {
    if (!pair.identicalShare) return texts::kNoFigure;
    return std::to_string(static_cast<int>(std::floor(*pair.identicalShare * 100.0 + 0.5))) + texts::kPercent;
}

std::string PearsonText(const ReporterAgreement& pair) {
    if (!pair.pearsonR) return texts::kNoFigure;
    // Without the C library's locale, as the Omega text: a decimal comma must not creep in.
    char digits[16];
    char* end = std::to_chars(digits, digits + sizeof digits, *pair.pearsonR, std::chars_format::fixed,
                              kPearsonDecimals)
                    .ptr;
    std::string text(digits, end);
    // A correlation that rounds to nothing carries no sign.
    if (text == "-0.00") text = "0.00";
    return text;
}

std::string RowIdsText(const std::vector<DisorderId>& rows) {
    std::string text;
    for (DisorderId id : rows) {
        if (!text.empty()) text += texts::kItemSeparator;
        text += DisorderName(id);
    }
    return text;
}

}  // namespace orva
