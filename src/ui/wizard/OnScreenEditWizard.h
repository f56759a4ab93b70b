// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "ui/wizard/OnScreenWizard.h"

namespace orva {

// The on-screen wizard over a stored record: `record` is the working copy, shown by every page,
// and `edit` the record as read, where it came from and the replace choice. Its first page
// offers "Replace Existing Record"; Finish saves in the record's place or as a new record, after
// asking "No Edits Made" when nothing was changed. Everything belongs to the caller, who reads
// the file name back after Finish. exec() gives Accepted only when the record was saved.
class OnScreenEditWizard final : public OnScreenWizard {
    Q_OBJECT

public:
    OnScreenEditWizard(AssessmentRecord& record, QString& fileName, EditState& edit, Prompter& prompter,
                       const Clock& clock = SystemClock::Instance(), QWidget* parent = nullptr);
};

}  // namespace orva
