// SPDX-License-Identifier: Apache-2.0
#include "ui/commands/SaveAsCommand.h"

#include "model/Clock.h"
#include "reports/ReportFileNames.h"
#include "reports/ReportMessages.h"
#include "reports/ReportsTexts.h"
#include "reports/RtfReportWriter.h"
#include "store/OutputFile.h"
#include "store/StoreError.h"
#include "ui/CoreText.h"
#include "ui/Prompter.h"
#include "ui/WaitCursor.h"
#include "ui/Workspace.h"
#include "ui/outputs/SaveAsDialog.h"
#include "ui/selection/RecordPath.h"

namespace orva {

bool WriteReportFile(Prompter& prompter, const ReportSet& reports, FileSystem& files, const QString& name) {
    const WaitCursor waiting;
    OutputFile file(files);
    file.SetPath(FileSystemPath(InBaseFolder(name + CoreText::Fixed(texts::kRtfSuffixLabel))));
    StoreStatus opened = file.Open(false);
    if (!opened && opened.Error() == StoreError::FileExists) {
        const UserMessage exists = FileExistsQuestion();
        if (!prompter.AskYesNo(CoreText::ToQt(exists.caption), CoreText::ToQt(exists.text), exists.icon,
                               false))
            return false;
        opened = file.Open(true);
    }
    if (!opened) {
        prompter.Message(SaveFileOpenMessage(opened.Error(), MessageName(name)));
        return false;
    }
    // Half a report must not pass for the whole one: a failed write abandons the file.
    const StoreStatus written = WriteRtfReport(reports, file);
    if (!written) file.Discard();
    if (!written || !file.Close()) {
        prompter.Message(SaveNotWrittenMessage(MessageName(name)));
        return false;
    }
    prompter.Message(SaveSuccessfulMessage(MessageName(name)));
    return true;
}

void RunSaveAsCommand(Workspace& workspace, QWidget* parent) {
    if (!workspace.AnalysisShown()) {
        workspace.Prompts().Message(NoAnalysisMessage());
        return;
    }
    const ReportSet& reports = *workspace.CurrentAnalysis();
    AppSettings& settings = workspace.Settings();
    const QString suggested = CoreText::ToQt(
        SuggestedAnalysisFileName(settings.AnalysisFileName(), reports, SystemClock::Instance().Now()));
    Prompter& prompter = workspace.Prompts();
    SaveAsDialog dialog(
        prompter, suggested,
        [&prompter, &reports](const QString& name) {
            return WriteReportFile(prompter, reports, DefaultFileSystem(), name);
        },
        parent);
    if (dialog.exec() != QDialog::Accepted) return;
    // A name Windows-1252 cannot hold could not be stored as typed; keep the last good one.
    if (const auto saved = CoreText::FromQt(dialog.SavedName())) {
        settings.SetAnalysisFileName(*saved);
        settings.WriteAll();
    }
}

}  // namespace orva
