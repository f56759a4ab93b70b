#include "screening/CombinedRow.h"

#include "screening/ScreenDisorder.h"
#include "screening/ScreeningRules.h"
#include "screening/ScreeningTexts.h"

namespace orva {

namespace {

// The counts in cutoff-label order, one per line: "%i", "%i\n%i" or "%i\n%i\n%i".
std::string CountsText(const ScreeningResult& result) {
    std::string text;
    for (int c = 0; c < result.countCount; ++c) {
        if (c != 0) text += '\n';
        text += std::to_string(result.counts[c]);
    }
    return text;
}

// Square brackets for Self, round for Parent, curly for Teacher, as the column heading shows.
constexpr char kOpen[kReportSlots] = {'[', '(', '{'};
constexpr char kClose[kReportSlots] = {']', ')', '}'};

}  // namespace

CombinedRow CombineRow(const ReportSet& reports, DisorderId id) {
    const RowRule& rule = RuleFor(id);
    CombinedRow row;
    row.id = id;
    bool anyPositive = false;
    for (int slot = 0; slot < kReportSlots; ++slot) {
        ReporterScore& score = row.reporters[slot];
        score.result.countCount = rule.categoryCount;
        score.present = !reports.IsSlotEmpty(slot);
        // An absent reporter never contributes, whatever its slot holds.
        if (!score.present) continue;

        score.result = ScreenDisorder(reports.ScratchRecord(slot), id);
        if (!score.result.positive) score.result.itemsMet.clear();
        score.shaded = score.result.positive;
        score.scoreText = (slot == kTeacher && rule.notAssessedByTeacher) ? std::string(texts::kNotAssessedInTrf)
                                                                          : CountsText(score.result);
        anyPositive = anyPositive || score.result.positive;
        if (!score.result.itemsMet.empty()) {
            if (!row.itemsMet.empty()) row.itemsMet += "; ";
            row.itemsMet += kOpen[slot];
            row.itemsMet += score.result.itemsMet;
            row.itemsMet += kClose[slot];
        }
    }
    row.cutoffAttained = anyPositive ? texts::kYes : texts::kNo;
    row.cutoffShaded = anyPositive;
    return row;
}

std::string CountPositiveScreens(const ReportSet& reports, int slot) {
    if (reports.IsSlotEmpty(slot)) return {};
    AssessmentRecord& record = reports.ScratchRecord(slot);
    int positive = 0;
    for (DisorderId id : kAllDisorders) {
        if (ScreenDisorder(record, id).positive) ++positive;
    }
    return std::to_string(positive);
}

}  // namespace orva
