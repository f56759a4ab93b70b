// SPDX-License-Identifier: Apache-2.0
#include "screening/CombinedRow.h"

#include "screening/ScreenDisorder.h"
#include "screening/ScreeningRules.h"

namespace orva {

CombinedRow CombineRow(const ReportSet& reports, DisorderId id) {
    const RowRule& rule = RuleFor(id);
    CombinedRow row;
    row.id = id;
    for (int slot = 0; slot < kReportSlots; ++slot) {
        ReporterScore& score = row.reporters[slot];
        score.result.countCount = rule.categoryCount;
        score.present = !reports.IsSlotEmpty(slot);
        // An absent reporter never contributes, whatever its slot holds.
        if (!score.present) continue;

        score.result = ScreenDisorder(reports.Record(slot), id);
        if (!score.result.positive) score.result.itemsMet.Clear();
        score.notAssessed = slot == kTeacher && rule.notAssessedByTeacher;
        row.cutoffAttained = row.cutoffAttained || score.result.positive;
    }
    return row;
}

}  // namespace orva
