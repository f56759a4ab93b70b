#pragma once

#include <QString>

#include "model/AssessmentRecord.h"
#include "model/Clock.h"

namespace orva {

class Prompter;

// Which questionnaire wizard the shared pages serve: they differ only in a few labels.
enum class WizardMode { OnScreen, Paper };

// What every page of one wizard run shares: the record being built, the record-file name as
// typed (in and out), where prompts go and where "today" comes from. Owned by the caller.
struct WizardContext {
    AssessmentRecord& record;
    QString& fileName;
    Prompter& prompter;
    const Clock& clock;
    WizardMode mode = WizardMode::OnScreen;
};

}  // namespace orva
