// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <optional>

#include "ui/wizard/RecordSave.h"
#include "ui/wizard/WizardContext.h"

namespace orva {

// The save of every questionnaire wizard's Finish: the wizard's save to `file`, followed by
// "Save Has Failed" or "Save Was Successful". Where the record was saved, or nothing after a
// failure.
std::optional<SavedRecord> SaveRecord(WizardContext& context, const RecordFilePath& file);

// "Save Has Failed" or "Save Was Successful", as SaveRecord shows it; told later, to someone else
// than who pressed the button, after a reporter answered alone.
void TellSave(WizardContext& context, const SaveAttempt& attempt);

}  // namespace orva
