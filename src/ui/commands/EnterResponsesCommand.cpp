// SPDX-License-Identifier: Apache-2.0
#include "ui/commands/EnterResponsesCommand.h"

#include "model/AssessmentRecord.h"
#include "screening/ReportSet.h"
#include "ui/CoreText.h"
#include "ui/Workspace.h"
#include "ui/commands/PaperAnalysis.h"
#include "ui/commands/RecordSaver.h"
#include "ui/settings/AppSettings.h"
#include "ui/wizard/PaperEntryWizard.h"

namespace orva {

bool RunEnterResponsesCommand(Workspace& workspace, QWidget* parent, const Clock& clock) {
    workspace.ResetAnalysis();
    AppSettings& settings = workspace.Settings();
    AssessmentRecord record;
    record.SetDataEntry(kPaper);
    QString fileName = CoreText::ToQt(settings.ORVAFileName());
    WizardRecordSaver saver(record, nullptr, clock);
    PaperEntryWizard wizard(record, fileName, saver.Function(), StoredViewChoices(settings),
                            workspace.Prompts(), clock, parent);
    if (wizard.exec() != QDialog::Accepted || !saver.Saved()) return false;
    const std::optional<ReportSet> analysis = AnalysisAfterPaperSave(
        {wizard.ViewAnalysis(), wizard.AlsoViewRelated()}, *saver.Saved(), record, workspace.Prompts());
    settings.RecordViewChoices(wizard.ViewAnalysis(), wizard.AlsoViewRelated());
    // The file field takes only what the settings can keep, so the name converts as typed.
    if (const auto typed = CoreText::FromQt(fileName)) settings.SetORVAFileName(*typed);
    settings.WriteAll();
    if (analysis) workspace.SetAnalysis(*analysis);
    return true;
}

}  // namespace orva
