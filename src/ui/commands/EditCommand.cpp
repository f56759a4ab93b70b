// SPDX-License-Identifier: Apache-2.0
#include "ui/commands/EditCommand.h"

#include <optional>

#include "model/AssessmentRecord.h"
#include "model/RecordFilePath.h"
#include "screening/ReportSet.h"
#include "screening/ScreeningTexts.h"
#include "store/RecordStore.h"
#include "ui/CoreText.h"
#include "ui/Prompter.h"
#include "ui/WaitCursor.h"
#include "ui/Workspace.h"
#include "ui/commands/ListedRecord.h"
#include "ui/commands/PaperAnalysis.h"
#include "ui/commands/RecordSaver.h"
#include "ui/selection/EditSelectionDialog.h"
#include "ui/selection/RecordPath.h"
#include "ui/settings/AppSettings.h"
#include "ui/wizard/EditState.h"
#include "ui/wizard/OnScreenWizard.h"
#include "ui/wizard/PaperEntryWizard.h"

namespace orva {

namespace {

constexpr const char* kOnScreenMethod = "0";
constexpr const char* kPaperMethod = "1";

// The chosen record, read and still the one the list showed; nothing after "Read Error".
std::optional<AssessmentRecord> ReadChosen(Workspace& workspace, const EditSelection& chosen) {
    const StoreResult<AssessmentRecord> read = [&chosen] {
        WaitCursor wait;
        return RecordStore().Read(chosen.file, chosen.position);
    }();
    if (read && ReadsAsListed(*read, chosen.listed)) return *read;
    workspace.Prompts().Message(UserMessage{texts::kReadErrorCaption, texts::kReadError, MessageIcon::Stop});
    return std::nullopt;
}

// The name the record's file goes by in the wizards: as typed in the selection dialog when
// that is the name the list was loaded under; otherwise (the name was changed after loading
// and the stale list used all the same) the name it was loaded under.
QString OwnFileName(const QString& typed, const RecordFilePath& loaded) {
    const RecordPathCheck check = CheckRecordPath(typed);
    if (check.ok && check.file.Named() == loaded.Named()) return typed;
    return FromFileSystemPath(loaded.WithoutExtension());
}

void KeepFileAndMethod(AppSettings& settings, const QString& fileName, const char* method) {
    // The file field takes only what the settings can keep, so the name converts as typed.
    if (const auto typed = CoreText::FromQt(fileName)) settings.SetORVAFileName(*typed);
    settings.SetEditMethod(method);
    settings.WriteAll();
}

bool EditOnScreen(Workspace& workspace, AssessmentRecord& working, QString& fileName, EditState& edit,
                  QWidget* parent, const Clock& clock) {
    working.SetDataEntry(kOnScreen);
    WizardRecordSaver saver(working, &edit, clock);
    const std::unique_ptr<OnScreenWizard> wizard =
        MakeOnScreenEditWizard(working, fileName, edit, saver.Function(), workspace.Prompts(), clock, parent);
    if (wizard->exec() != QDialog::Accepted) return false;
    KeepFileAndMethod(workspace.Settings(), fileName, kOnScreenMethod);
    return true;
}

bool EditOnPaper(Workspace& workspace, AssessmentRecord& working, QString& fileName, EditState& edit,
                 QWidget* parent, const Clock& clock) {
    working.SetDataEntry(kPaper);
    WizardRecordSaver saver(working, &edit, clock);
    const std::unique_ptr<PaperEntryWizard> wizard = MakePaperEditWizard(
        working, fileName, edit, saver.Function(), StoredViewChoices(workspace.Settings()), workspace.Prompts(), clock,
        parent);
    if (wizard->exec() != QDialog::Accepted || !saver.Saved()) return false;
    const std::optional<ReportSet> analysis = AnalysisAfterPaperSave(
        {wizard->ViewAnalysis(), wizard->AlsoViewRelated()}, *saver.Saved(), working, workspace.Prompts());
    workspace.Settings().RecordViewChoices(wizard->ViewAnalysis(), wizard->AlsoViewRelated());
    if (analysis) workspace.SetAnalysis(*analysis);
    KeepFileAndMethod(workspace.Settings(), fileName, kPaperMethod);
    return true;
}

// Reads the record the dialog chose and runs the wizard of the way chosen over it.
bool EditChosen(Workspace& workspace, const EditSelectionDialog& dialog, QWidget* parent, const Clock& clock) {
    const EditSelection& chosen = workspace.LastEditSelection();
    if (chosen.file.OnDisk().empty() || chosen.position < 0) return false;
    const std::optional<AssessmentRecord> reference = ReadChosen(workspace, chosen);
    if (!reference) return false;
    AssessmentRecord working = *reference;
    QString fileName = OwnFileName(dialog.FileText(), chosen.file);
    EditState edit{*reference, chosen, fileName};
    if (dialog.EditMethod() == EditSelectionDialog::kEnterResponses)
        return EditOnPaper(workspace, working, fileName, edit, parent, clock);
    return EditOnScreen(workspace, working, fileName, edit, parent, clock);
}

}  // namespace

bool RunEditCommand(Workspace& workspace, QWidget* parent, const Clock& clock) {
    workspace.ResetAnalysis();
    const AppSettings& settings = workspace.Settings();
    const int preset = settings.EditMethod() == kPaperMethod ? EditSelectionDialog::kEnterResponses
                                                             : EditSelectionDialog::kCompleteOnScreen;
    EditSelectionDialog dialog(workspace.Prompts(), CoreText::ToQt(settings.ORVAFileName()), preset, parent);
    dialog.SetClock(clock);
    if (dialog.exec() != QDialog::Accepted) return false;
    workspace.SetEditSelection(dialog.Selection());
    const bool saved = EditChosen(workspace, dialog, parent, clock);
    workspace.SetEditSelection({});
    return saved;
}

}  // namespace orva
