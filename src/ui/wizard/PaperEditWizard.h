// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "ui/wizard/PaperEntryWizard.h"

namespace orva {

// The paper wizard over a stored record: `record` is the working copy, shown by every page, and
// `edit` the record as read, where it came from and the replace choice. Its last page offers
// "Replace Existing Record"; Finish saves in the record's place or as a new record, after asking
// "No Edits Made" when nothing was changed, and fills `analysis` as the paper wizard does.
// Everything belongs to the caller, who reads the file name and the analysis choices back after
// Finish. exec() gives Accepted only when the record was saved.
class PaperEditWizard final : public PaperEntryWizard {
    Q_OBJECT

  public:
    PaperEditWizard(AssessmentRecord& record, QString& fileName, EditState& edit, ReportSet& analysis,
                    Prompter& prompter, const Clock& clock = SystemClock::Instance(), QWidget* parent = nullptr);
};

}  // namespace orva
