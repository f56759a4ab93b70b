// SPDX-License-Identifier: Apache-2.0
#include "ui/commands/PersonHistoryCommand.h"

#include "screening/PersonHistory.h"
#include "screening/ScreeningTexts.h"
#include "ui/CoreText.h"
#include "ui/Prompter.h"
#include "ui/WaitCursor.h"
#include "ui/Workspace.h"
#include "ui/history/HistorySelectionDialog.h"
#include "ui/history/PersonHistoryWindow.h"

namespace orva {

void RunPersonHistoryCommand(Workspace& workspace, QWidget* dialogParent) {
    PersonHistory history;
    auto reader = [&workspace, &history](const HistoryChoice& choice) {
        const StoreStatus loaded = [&] {
            WaitCursor wait;
            return LoadPersonHistory(choice.path, choice.person, history);
        }();
        // The list showed records of the person; none read back means the file changed since.
        if (loaded && !history.assessments.empty()) return true;
        workspace.Prompts().Message(
            UserMessage{texts::kReadErrorCaption, texts::kReadError, MessageIcon::Stop});
        return false;
    };
    HistorySelectionDialog dialog(workspace.Prompts(), reader, CoreText::ToQt(workspace.Settings().ORVAFileName()),
                                  dialogParent);
    if (dialog.exec() != QDialog::Accepted) return;
    // A name Windows-1252 cannot hold could not be read back as typed; keep the last good one.
    if (const auto fileName = CoreText::FromQt(dialog.FileText())) {
        workspace.Settings().SetORVAFileName(*fileName);
        workspace.Settings().WriteAll();
    }

    PersonHistoryWindow window(workspace.Prompts(), std::move(history), dialogParent);
    if (window.exec() != QDialog::Accepted) return;
    workspace.SetAnalysis(window.ChosenReports());
}

}  // namespace orva
