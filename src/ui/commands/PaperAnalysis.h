// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <optional>

#include "model/AssessmentRecord.h"
#include "screening/ReportSet.h"
#include "ui/wizard/PaperSavePage.h"
#include "ui/wizard/RecordSave.h"

namespace orva {

class AppSettings;
class Prompter;

// What the paper commands do around their wizard's two analysis choices.

// The choices the wizard starts with: as the settings' store holds them now, read afresh
// (another window may have changed them since start-up).
ViewChoices StoredViewChoices(const AppSettings& settings);

// The analysis the choices ask for once the wizard saved `record` where `saved` says: the
// record in its reporter's slot, with the person's latest related records when asked; nothing
// when the analysis is not to be viewed. When not even the record itself can be shown, "Read
// Error" is told and the analysis is empty.
std::optional<ReportSet> AnalysisAfterPaperSave(ViewChoices choices, const SavedRecord& saved,
                                                const AssessmentRecord& record, Prompter& prompter);

}  // namespace orva
