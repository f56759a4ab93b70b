// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>

#include "model/AssessmentRecord.h"
#include "model/Clock.h"
#include "ui/wizard/RecordSave.h"

namespace orva {

class Prompter;
struct EditState;

// Which questionnaire wizard the shared pages serve: they differ only in a few labels.
enum class WizardMode { OnScreen, Paper };

// What every page of one wizard run shares: the record being built, the record-file name as
// typed (in and out), where prompts go, where "today" comes from, the save the caller handed
// the wizard, and, when the wizard edits a stored record rather than building a new one, the
// edit. Owned by the caller.
struct WizardContext {
    AssessmentRecord& record;
    QString& fileName;
    Prompter& prompter;
    const Clock& clock;
    RecordSave save;
    WizardMode mode = WizardMode::OnScreen;
    EditState* edit = nullptr;
};

}  // namespace orva
