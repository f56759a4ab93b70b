#include "reports/ReportTexts.h"

#include "screening/CombinedRow.h"
#include "screening/DisorderId.h"
#include "screening/Omega.h"
#include "reports/ReportsTexts.h"
#include "reports/RtfEscape.h"
#include "screening/ScreeningRules.h"
#include "screening/ScreeningTexts.h"

namespace orva {

namespace {

// Items-met lists of the positive reporters, each in the brackets of its reporter. The
// Teacher's list takes angle brackets here: curly ones would be RTF group delimiters.
std::string RtfItemsMet(const CombinedRow& row) {
    static constexpr const char* kOpen[kReportSlots] = {"[", "(", "<"};
    static constexpr const char* kClose[kReportSlots] = {"]", ")", ">"};
    std::string text;
    for (int slot = 0; slot < kReportSlots; ++slot) {
        const std::string& list = row.reporters[slot].result.itemsMet;
        if (list.empty()) continue;
        if (!text.empty()) text += texts::kItemsMetJoin;
        text += kOpen[slot] + list + kClose[slot];
    }
    return text;
}

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

ReportTexts PrepareReportTexts(const ReportSet& reports) {
    ReportTexts texts;
    texts.person = EscapeForRtf(PreparePersonDetailTexts(reports));
    const bool anyPresent = reports.AnyPresent();

    for (DisorderId id : kAllDisorders) {
        const CombinedRow row = CombineRow(reports, id);
        ReportRowTexts& out = texts.rows[RowIndex(id)];
        for (int slot = 0; slot < kReportSlots; ++slot) {
            const ReporterScore& score = row.reporters[slot];
            if (!score.present) continue;
            if (slot == kTeacher && NotAssessedByTeacher(id)) {
                out.values[slot][0] = texts::kNotAssessedInTrf;
                continue;
            }
            for (int line = 0; line < score.result.countCount && line < kMaxCounts; ++line) {
                out.values[slot][line] = std::to_string(static_cast<unsigned>(score.result.counts[line]));
            }
        }
        if (anyPresent) out.cutoffAttained = row.cutoffAttained;
        out.itemsMet = RtfItemsMet(row);
    }

    ReportRowTexts& count = texts.rows[kPositiveScreensRow];
    for (int slot = 0; slot < kReportSlots; ++slot) {
        count.values[slot][0] = CountPositiveScreens(reports, slot);
        if (!reports.IsSlotEmpty(slot)) texts.omega[slot] = ComputeOmega(reports.ScratchRecord(slot)).text;
    }
    texts.reliabilityAttained = ReliabilityAttained(reports);
    texts.reliabilityComment = ReliabilityComment(reports);
    return texts;
}

}  // namespace orva
