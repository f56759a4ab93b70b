// SPDX-License-Identifier: Apache-2.0
#include "ui/commands/EnterResponsesCommand.h"

#include "model/AssessmentRecord.h"
#include "screening/ReportSet.h"
#include "ui/CoreText.h"
#include "ui/Workspace.h"
#include "ui/settings/AppSettings.h"
#include "ui/wizard/PaperEntryWizard.h"

namespace orva {

bool RunEnterResponsesCommand(Workspace& workspace, QWidget* parent, const Clock& clock) {
    workspace.ResetAnalysis();
    AppSettings& settings = workspace.Settings();
    AssessmentRecord record;
    record.SetDataEntry(kPaper);
    QString fileName = CoreText::ToQt(settings.ORVAFileName());
    ReportSet analysis;
    PaperEntryWizard wizard(record, fileName, analysis, workspace.Prompts(), clock, parent);
    if (wizard.exec() != QDialog::Accepted) return false;
    settings.RecordViewChoices(wizard.ViewAnalysis(), wizard.AlsoViewRelated());
    // The file field takes only what the settings can keep, so the name converts as typed.
    if (const auto typed = CoreText::FromQt(fileName)) settings.SetORVAFileName(*typed);
    settings.WriteAll();
    if (wizard.ViewAnalysis()) workspace.SetAnalysis(analysis);
    return true;
}

}  // namespace orva
