#pragma once

#include "ui/wizard/QuestionnaireWizard.h"
#include "ui/wizard/WizardContext.h"

namespace orva {

// The 17-page wizard in which a young person, a parent or a teacher answers the questionnaire
// on the screen; Finish appends the record to the record file. `record` and `fileName` belong
// to the caller, who reads the file name used back after Finish. exec() gives Accepted only
// when the record was saved.
class OnScreenWizard : public QuestionnaireWizard {
    Q_OBJECT

public:
    OnScreenWizard(AssessmentRecord& record, QString& fileName, Prompter& prompter,
                   const Clock& clock = SystemClock::Instance(), QWidget* parent = nullptr);

    // Where the record is written; tests make writes fail through it.
    void SetFileSystem(FileSystem& files) { context_.files = &files; }

protected:
    // The same pages over a stored record being edited (`edit`), or a new one (null).
    OnScreenWizard(AssessmentRecord& record, QString& fileName, EditState* edit, Prompter& prompter,
                   const Clock& clock, QWidget* parent);

private:
    WizardContext context_;
};

}  // namespace orva
