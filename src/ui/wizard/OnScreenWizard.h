#pragma once

#include "ui/wizard/QuestionnaireWizard.h"
#include "ui/wizard/WizardContext.h"

namespace orva {

// The 17-page wizard in which a young person, a parent or a teacher answers the questionnaire
// on the screen; Finish appends the record to the record file. `record` and `fileName` belong
// to the caller, who reads the file name used back after Finish. exec() gives Accepted only
// when the record was saved.
class OnScreenWizard final : public QuestionnaireWizard {
    Q_OBJECT

public:
    OnScreenWizard(AssessmentRecord& record, QString& fileName, Prompter& prompter,
                   const Clock& clock = SystemClock::Instance(), QWidget* parent = nullptr);

private:
    WizardContext context_;
};

}  // namespace orva
