// SPDX-License-Identifier: Apache-2.0
#include "ui/commands/ExportFileCommand.h"

#include "reports/ExportPasswords.h"
#include "reports/ReportFileNames.h"
#include "reports/ReportsError.h"
#include "ui/CoreText.h"
#include "ui/Prompter.h"
#include "ui/Workspace.h"
#include "ui/commands/CommandTexts.h"
#include "ui/outputs/ExportDialog.h"
#include "ui/outputs/ExportPasswordDialog.h"

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

void RunExportFileCommand(Workspace& workspace, QWidget* parent) {
    ExportPasswords passwords;
    if (!PasswordsReady(workspace, passwords)) return;
    ExportPasswordDialog password(workspace.Prompts(), passwords, SleepFor, parent);
    if (password.exec() != QDialog::Accepted) return;

    AppSettings& settings = workspace.Settings();
    ExportDialog dialog(workspace.Prompts(),
                        InitialExportNames(settings.ORVAFileName(), settings.ExportFileName()), parent);
    if (dialog.exec() != QDialog::Accepted) return;
    // A name Windows-1252 cannot hold could not be stored as typed; keep the last good one.
    const auto recordFileName = CoreText::FromQt(dialog.UsedRecordFileName());
    const auto exportName = CoreText::FromQt(dialog.UsedExportName());
    if (recordFileName) settings.SetORVAFileName(*recordFileName);
    if (exportName) settings.SetExportFileName(*exportName);
    if (recordFileName || exportName) settings.WriteAll();
}

}  // namespace orva
