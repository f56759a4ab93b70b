// SPDX-License-Identifier: Apache-2.0
#include "ui/commands/SaveAsCommand.h"

#include "model/Clock.h"
#include "reports/ReportFileNames.h"
#include "reports/ReportMessages.h"
#include "ui/CoreText.h"
#include "ui/Prompter.h"
#include "ui/Workspace.h"
#include "ui/outputs/SaveAsDialog.h"

namespace orva {

void RunSaveAsCommand(Workspace& workspace, QWidget* parent) {
    if (!workspace.AnalysisShown()) {
        workspace.Prompts().Message(NoAnalysisMessage());
        return;
    }
    const ReportSet& reports = *workspace.CurrentAnalysis();
    AppSettings& settings = workspace.Settings();
    const QString suggested = CoreText::ToQt(
        SuggestedAnalysisFileName(settings.AnalysisFileName(), reports, SystemClock::Instance().Now()));
    SaveAsDialog dialog(workspace.Prompts(), reports, suggested, DefaultFileSystem(), parent);
    if (dialog.exec() != QDialog::Accepted) return;
    // A name Windows-1252 cannot hold could not be stored as typed; keep the last good one.
    if (const auto saved = CoreText::FromQt(dialog.SavedName())) {
        settings.SetAnalysisFileName(*saved);
        settings.WriteAll();
    }
}

}  // namespace orva
