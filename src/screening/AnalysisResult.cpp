#include "screening/AnalysisResult.h"

namespace orva {

AnalysisResult ComputeAnalysis(const ReportSet& reports) {
    AnalysisResult analysis;
    for (int slot = 0; slot < kReportSlots; ++slot) analysis.present[slot] = !reports.IsSlotEmpty(slot);

    for (DisorderId id : kAllDisorders) {
        const CombinedRow& row = analysis.rows[RowIndex(id)] = CombineRow(reports, id);
        for (int slot = 0; slot < kReportSlots; ++slot) {
            if (row.reporters[slot].result.positive) ++analysis.positiveScreens[slot];
        }
    }

    for (int slot = 0; slot < kReportSlots; ++slot) {
        if (!analysis.present[slot]) continue;
        analysis.omega[slot] = ComputeOmega(reports.Record(slot));
        analysis.reliabilityAttained = analysis.reliabilityAttained || analysis.omega[slot].reliable;
    }
    analysis.followUp = ItemsToFollowUp(reports);
    return analysis;
}

}  // namespace orva
