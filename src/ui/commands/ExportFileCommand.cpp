// SPDX-License-Identifier: Apache-2.0
#include "ui/commands/ExportFileCommand.h"

#include "reports/ExportPasswords.h"
#include "reports/ExportRun.h"
#include "reports/ReportFileNames.h"
#include "reports/ReportMessages.h"
#include "reports/ReportsError.h"
#include "ui/CoreText.h"
#include "ui/Prompter.h"
#include "ui/WaitCursor.h"
#include "ui/Workspace.h"
#include "ui/commands/CommandTexts.h"
#include "ui/outputs/ExportDialog.h"
#include "ui/outputs/ExportPasswordDialog.h"
#include "ui/selection/RecordPath.h"

namespace orva {

namespace {

// Loads the passwords; false, after telling the user why, when none can be checked against.
bool PasswordsReady(Workspace& workspace, ExportPasswords& passwords) {
    const ReportsStatus loaded = passwords.Load();
    const QString file = QString::fromStdString(passwords.FilePath());
    QString problem;
    if (!loaded && loaded.Error().Is(ReportsError::PasswordFileUnsafe)) {
        problem = QString::fromLatin1(texts::kExportPasswordsUnsafe) + QString::fromStdString(passwords.UntrustedPath());
    } else if (!loaded) {
        problem = QString::fromLatin1(texts::kExportPasswordsUnreadable) + file;
    } else if (!passwords.AnySet()) {
        problem = QString::fromLatin1(texts::kNoExportPasswordSet);
    } else {
        return true;
    }
    workspace.Prompts().Message(QString::fromLatin1(texts::kExportPasswordsCaption), problem,
                                MessageIcon::Stop);
    return false;
}

}  // namespace

bool ExportRecordFile(Prompter& prompter, const QString& recordFileName, const QString& exportName) {
    // Names without a folder are files in the base folder; the messages name them as typed.
    const ExportRequest request{FileSystemPath(InBaseFolder(recordFileName)), FileSystemPath(InBaseFolder(exportName)),
                                true};
    const UserMessage exists = FileExistsQuestion();
    ExportOutcome outcome;
    {
        const WaitCursor waiting;
        outcome = RunExport(request, [&prompter, &exists] {
            return prompter.AskYesNo(CoreText::ToQt(exists.caption), CoreText::ToQt(exists.text), exists.icon, false);
        });
    }
    const std::string recordShown = MessageName(recordFileName);
    const std::string exportShown = MessageName(exportName);
    switch (outcome.stop) {
        case ExportStop::RecordFile:
            prompter.Message(RecordFileOpenMessage(outcome.failure.Error(), recordShown));
            return false;
        case ExportStop::ExportFile:
            prompter.Message(ExportFileOpenMessage(outcome.failure.Error(), exportShown));
            return false;
        case ExportStop::NotWritten:
            prompter.Message(ExportNotWrittenMessage(recordShown, exportShown, outcome.failure.Error()));
            return false;
        case ExportStop::Privacy:
        case ExportStop::Declined:
            return false;
        case ExportStop::None:
            break;
    }
    prompter.Message(ExportFinishedMessage(recordShown, exportShown, outcome.counters));
    return true;
}

void RunExportFileCommand(Workspace& workspace, QWidget* parent) {
    ExportPasswords passwords;
    if (!PasswordsReady(workspace, passwords)) return;
    ExportPasswordDialog password(workspace.Prompts(), passwords, SleepFor, parent);
    if (password.exec() != QDialog::Accepted) return;

    AppSettings& settings = workspace.Settings();
    Prompter& prompter = workspace.Prompts();
    ExportDialog dialog(
        prompter, InitialExportNames(settings.ORVAFileName(), settings.ExportFileName()),
        [&prompter](const QString& record, const QString& exportName) {
            return ExportRecordFile(prompter, record, exportName);
        },
        parent);
    if (dialog.exec() != QDialog::Accepted) return;
    // A name Windows-1252 cannot hold could not be stored as typed; keep the last good one.
    const auto recordFileName = CoreText::FromQt(dialog.UsedRecordFileName());
    const auto exportName = CoreText::FromQt(dialog.UsedExportName());
    if (recordFileName) settings.SetORVAFileName(*recordFileName);
    if (exportName) settings.SetExportFileName(*exportName);
    if (recordFileName || exportName) settings.WriteAll();
}

}  // namespace orva
