#include "reports/RtfReportTexts.h"

#include "reports/RtfEscape.h"
#include "screening/DisorderId.h"
#include "screening/ScreeningPresentation.h"

namespace orva {

namespace {

// The Teacher's items-met list takes angle brackets here: curly ones would be RTF group
// delimiters.
constexpr ItemsMetBrackets kRtfBrackets = {{'[', '(', '<'}, {']', ')', '>'}};

}  // namespace

PersonDetailTexts EscapeForRtf(const PersonDetailTexts& details) {
    PersonDetailTexts escaped;
    escaped.name = EscapeRtfText(details.name);
    for (int i = 0; i < kDetailLines; ++i) {
        escaped.addressLines[i] = EscapeRtfText(details.addressLines[i]);
        escaped.phoneLines[i] = EscapeRtfText(details.phoneLines[i]);
    }
    escaped.gender = EscapeRtfText(details.gender);
    escaped.birthDate = EscapeRtfText(details.birthDate);
    escaped.ageAtCompletion = EscapeRtfText(details.ageAtCompletion);
    escaped.completionDate = EscapeRtfText(details.completionDate);
    escaped.parentName = EscapeRtfText(details.parentName);
    escaped.teacherName = EscapeRtfText(details.teacherName);
    escaped.schoolYear = EscapeRtfText(details.schoolYear);
    escaped.school = EscapeRtfText(details.school);
    for (int slot = 0; slot < kReportSlots; ++slot)
        escaped.comments[slot] = EscapeRtfText(details.comments[slot]);
    return escaped;
}

RtfReportTexts PrepareRtfReportTexts(const ReportSet& reports, const AnalysisResult& analysis) {
    RtfReportTexts texts;
    texts.person = EscapeForRtf(PreparePersonDetailTexts(reports));
    const bool anyPresent = analysis.AnyPresent();

    for (DisorderId id : kAllDisorders) {
        const CombinedRow& row = analysis.Row(id);
        ReportRowTexts& out = texts.rows[RowIndex(id)];
        for (int slot = 0; slot < kReportSlots; ++slot) out.values[slot] = ScoreLines(row.reporters[slot]);
        if (anyPresent) out.cutoffAttained = CutoffAttainedText(row);
        out.itemsMet = ItemsMetText(row, kRtfBrackets);
    }

    ReportRowTexts& count = texts.rows[kPositiveScreensRow];
    for (int slot = 0; slot < kReportSlots; ++slot) {
        count.values[slot][0] = PositiveScreensText(analysis, slot);
        if (analysis.present[slot]) texts.omega[slot] = OmegaText(analysis.omega[slot]);
    }
    texts.reliabilityAttained = ReliabilityAttainedText(analysis);
    texts.reliabilityComment = ReliabilityCommentText(analysis);
    texts.followUp = FollowUpRows(analysis);
    for (FollowUpTexts& row : texts.followUp) row.wording = EscapeRtfText(row.wording);
    return texts;
}

RtfReportTexts PrepareRtfReportTexts(const ReportSet& reports) {
    return PrepareRtfReportTexts(reports, ComputeAnalysis(reports));
}

}  // namespace orva
