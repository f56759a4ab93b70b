// SPDX-License-Identifier: Apache-2.0
#include "ui/commands/CompleteOnScreenCommand.h"

#include "model/AssessmentRecord.h"
#include "ui/CoreText.h"
#include "ui/Workspace.h"
#include "ui/commands/RecordSaver.h"
#include "ui/settings/AppSettings.h"
#include "ui/wizard/OnScreenWizard.h"

namespace orva {

bool RunCompleteOnScreenCommand(Workspace& workspace, QWidget* parent, const Clock& clock) {
    workspace.ResetAnalysis();
    AppSettings& settings = workspace.Settings();
    AssessmentRecord record;
    record.SetDataEntry(kOnScreen);
    QString fileName = CoreText::ToQt(settings.ORVAFileName());
    WizardRecordSaver saver(record, nullptr, clock);
    OnScreenWizard wizard(record, fileName, saver.Function(), workspace.Prompts(), clock, parent);
    wizard.SetSpeech([&workspace] { return workspace.Speech(); });
    if (wizard.exec() != QDialog::Accepted) return false;
    // The file field takes only what the settings can keep, so the name converts as typed.
    if (const auto typed = CoreText::FromQt(fileName)) {
        settings.SetORVAFileName(*typed);
        settings.WriteAll();
    }
    return true;
}

}  // namespace orva
