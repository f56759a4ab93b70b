// SPDX-License-Identifier: Apache-2.0
#include "ui/commands/AnalysisCommand.h"

#include "screening/ReportSetLoader.h"
#include "screening/ScreeningTexts.h"
#include "ui/CoreText.h"
#include "ui/Prompter.h"
#include "ui/WaitCursor.h"
#include "ui/Workspace.h"
#include "ui/commands/ListedRecord.h"
#include "ui/selection/AnalysisSelectionDialog.h"

namespace orva {

namespace {

// Reads the chosen records into `analysis`; false, with the analysis left empty, when any of
// them could not be read or is no longer the record listed.
bool ReadChoice(const AnalysisChoice& choice, ReportSet& analysis) {
    WaitCursor wait;
    if (!LoadReportSet(choice.path, choice.positions, analysis)) return false;
    for (int slot = 0; slot < kReportSlots; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        const int position = choice.positions[index];
        if (position < 0) continue;
        if (!ReadsAsListed(analysis.Record(slot), choice.listed[index])) {
            analysis.Reset();
            return false;
        }
    }
    return true;
}

}  // namespace

void RunAnalysisCommand(Workspace& workspace, QWidget* dialogParent, const QString& recordFile) {
    workspace.ResetAnalysis();
    ReportSet read;
    auto reader = [&workspace, &read](const AnalysisChoice& choice) {
        if (ReadChoice(choice, read)) return true;
        workspace.Prompts().Message(
            UserMessage{texts::kReadErrorCaption, texts::kReadError, MessageIcon::Stop});
        return false;
    };
    const QString fileText = recordFile.isEmpty() ? CoreText::ToQt(workspace.Settings().ORVAFileName()) : recordFile;
    AnalysisSelectionDialog dialog(workspace.Prompts(), reader, fileText, dialogParent);
    if (dialog.exec() != QDialog::Accepted) return;
    // A name Windows-1252 cannot hold could not be read back as typed; keep the last good one.
    if (const auto fileName = CoreText::FromQt(dialog.FileText())) {
        workspace.Settings().SetORVAFileName(*fileName);
        workspace.Settings().WriteAll();
    }
    workspace.SetAnalysis(read);
}

}  // namespace orva
