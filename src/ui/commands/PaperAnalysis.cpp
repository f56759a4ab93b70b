// SPDX-License-Identifier: Apache-2.0
#include "ui/commands/PaperAnalysis.h"

#include "screening/ScreeningTexts.h"
#include "ui/Prompter.h"
#include "ui/settings/AppSettings.h"
#include "ui/wizard/AnalysisAfterSave.h"

namespace orva {

ViewChoices StoredViewChoices(const AppSettings& settings) {
    const AppSettings stored = settings.ReadAgain();
    return {stored.ViewAnalysisTicked(), stored.AlsoViewRelatedAnalysisTicked()};
}

std::optional<ReportSet> AnalysisAfterPaperSave(ViewChoices choices, const SavedRecord& saved,
                                                const AssessmentRecord& record, Prompter& prompter) {
    if (!choices.view) return std::nullopt;
    ReportSet analysis;
    if (!FillAnalysisAfterSave(saved.file.OnDisk(), saved.position, record, choices.alsoRelated, analysis))
        prompter.Message(UserMessage{texts::kReadErrorCaption, texts::kReadError, MessageIcon::Stop});
    return analysis;
}

}  // namespace orva
