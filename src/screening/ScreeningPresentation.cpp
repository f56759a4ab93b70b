#include "screening/ScreeningPresentation.h"

#include <charconv>

#include "model/ItemCatalogue.h"
#include "screening/ScreeningTexts.h"

namespace orva {

namespace {

// The Omega text is "%5.2f": two decimals, padded with blanks to five characters.
constexpr int kOmegaDecimals = 2;
constexpr std::size_t kOmegaTextWidth = 5;

const char* const kTooFew[kReportSlots] = {texts::kTooFewSelf, texts::kTooFewParent, texts::kTooFewTeacher};
const char* const kAbove[kReportSlots] = {texts::kAboveSelf, texts::kAboveParent, texts::kAboveTeacher};
const char* const kBelow[kReportSlots] = {texts::kBelowSelf, texts::kBelowParent, texts::kBelowTeacher};

}  // namespace

std::array<std::string, kMaxCounts> ScoreLines(const ReporterScore& score) {
    std::array<std::string, kMaxCounts> lines;
    if (!score.present) return lines;
    if (score.notAssessed) {
        lines[0] = texts::kNotAssessedInTrf;
        return lines;
    }
    for (int c = 0; c < score.result.countCount && c < kMaxCounts; ++c) lines[c] = std::to_string(score.result.counts[c]);
    return lines;
}

std::string ScoreText(const ReporterScore& score) {
    const std::array<std::string, kMaxCounts> lines = ScoreLines(score);
    std::string text = lines[0];
    for (int line = 1; line < kMaxCounts && !lines[line].empty(); ++line) {
        text += '\n';
        text += lines[line];
    }
    return text;
}

const char* CutoffAttainedText(const CombinedRow& row) { return row.cutoffAttained ? texts::kYes : texts::kNo; }

std::string ItemListText(const ItemList& items) {
    std::string text;
    for (int item : items) {
        if (!text.empty()) text += texts::kItemSeparator;
        text += std::to_string(item);
    }
    return text;
}

std::string ItemsMetText(const CombinedRow& row, const ItemsMetBrackets& brackets) {
    std::string text;
    for (int slot = 0; slot < kReportSlots; ++slot) {
        const ItemList& items = row.reporters[slot].result.itemsMet;
        if (items.Empty()) continue;
        if (!text.empty()) text += texts::kItemsMetJoin;
        text += brackets.open[slot];
        text += ItemListText(items);
        text += brackets.close[slot];
    }
    return text;
}

std::string PositiveScreensText(const AnalysisResult& analysis, int slot) {
    if (!analysis.present[slot]) return {};
    return std::to_string(analysis.positiveScreens[slot]);
}

std::string OmegaText(const OmegaResult& omega) {
    if (!omega.HasValue()) return texts::kOmegaNoValue;
    // Formatted without the C library's locale: the windowing toolkit adopts the user's locale
    // at start-up, and a decimal comma there must not turn " 0.57" into " 0,57".
    char digits[16];
    char* end = std::to_chars(digits, digits + sizeof digits, omega.value, std::chars_format::fixed, kOmegaDecimals)
                    .ptr;
    std::string text(digits, end);
    if (text.size() < kOmegaTextWidth) text.insert(0, kOmegaTextWidth - text.size(), ' ');
    return text;
}

std::string OmegaCellText(const AnalysisResult& analysis, int slot) {
    if (!analysis.present[slot]) return texts::kSingleBlank;
    return OmegaText(analysis.omega[slot]);
}

std::string ReliabilityAttainedText(const AnalysisResult& analysis) {
    if (!analysis.AnyPresent()) return {};
    return analysis.reliabilityAttained ? texts::kYes : texts::kNo;
}

std::string ReliabilityCommentText(const AnalysisResult& analysis) {
    std::string comment;
    for (int slot = 0; slot < kReportSlots; ++slot) {
        if (!analysis.present[slot]) continue;
        const OmegaResult& omega = analysis.omega[slot];
        const char* sentence = !omega.HasValue() ? kTooFew[slot] : omega.reliable ? kAbove[slot] : kBelow[slot];
        if (!comment.empty()) comment += texts::kCommentSeparator;
        comment += sentence;
    }
    return comment;
}

std::vector<FollowUpTexts> FollowUpRows(const AnalysisResult& analysis) {
    std::vector<FollowUpTexts> rows;
    for (const FollowUpItem& followUp : analysis.followUp) {
        rows.push_back({std::to_string(followUp.item), texts::kFollowUpReporters[followUp.reporter],
                        ItemCatalogue::AnswerLabel(followUp.answer),
                        ItemCatalogue::Wording(followUp.reporter, followUp.item)});
    }
    return rows;
}

}  // namespace orva
