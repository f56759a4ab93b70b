// SPDX-License-Identifier: Apache-2.0
#include "ui/commands/CompareReportersCommand.h"

#include "screening/AnalysisResult.h"
#include "screening/ReporterComparison.h"
#include "ui/CoreText.h"
#include "ui/Workspace.h"
#include "ui/compare/ReporterComparisonWindow.h"

namespace orva {

namespace {

// The young person as the first present report names them.
QString PersonOf(const ReportSet& reports) {
    for (int slot = 0; slot < kReportSlots; ++slot) {
        if (reports.IsSlotEmpty(slot)) continue;
        const AssessmentRecord& record = reports.Record(slot);
        return CoreText::ToQt(record.GetFirstName()) + QLatin1Char(' ') + CoreText::ToQt(record.GetLastName());
    }
    return {};
}

}  // namespace

void RunCompareReportersCommand(Workspace& workspace, QWidget* dialogParent) {
    const ReportSet* reports = workspace.CurrentAnalysis();
    if (reports == nullptr) return;
    const AnalysisResult analysis = ComputeAnalysis(*reports);
    ReporterComparison comparison = CompareReporters(*reports, analysis);
    if (comparison.pairs.empty()) return;
    ReporterComparisonWindow window(std::move(comparison), analysis, PersonOf(*reports), dialogParent);
    window.exec();
}

}  // namespace orva
