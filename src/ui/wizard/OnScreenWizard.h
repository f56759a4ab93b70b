#pragma once

#include <functional>

#include "ui/wizard/QuestionnaireWizard.h"
#include "ui/wizard/WizardContext.h"

namespace orva {

class ReporterMode;
class Speaker;

// The 17-page wizard in which a young person, a parent or a teacher answers the questionnaire
// on the screen; Finish appends the record to the record file. A new record's details page can
// hand the wizard over to a reporter who answers alone (ReporterMode); its last screen follows
// the seventeen pages and is reached only that way. `record` and `fileName` belong
// to the caller, who reads the file name used back after Finish. exec() gives Accepted only
// when the record was saved.
class OnScreenWizard : public QuestionnaireWizard {
    Q_OBJECT

public:
    OnScreenWizard(AssessmentRecord& record, QString& fileName, Prompter& prompter,
                   const Clock& clock = SystemClock::Instance(), QWidget* parent = nullptr);

    // Where the record is written; tests make writes fail through it.
    void SetFileSystem(FileSystem& files) { context_.files = &files; }
    // Where the items are read aloud when the wizard is handed over to a reporter; asked for
    // at the hand-over. Without it, or when it gives null, nothing is read aloud.
    void SetSpeech(std::function<Speaker*()> speech);
    // True while a reporter answers alone (see ReporterMode).
    bool InReporterMode() const;

protected:
    // The same pages over a stored record being edited (`edit`), or a new one (null).
    OnScreenWizard(AssessmentRecord& record, QString& fileName, EditState* edit, Prompter& prompter,
                   const Clock& clock, QWidget* parent);

private:
    WizardContext context_;
    // A new record only: an edit is the clinician's.
    ReporterMode* reporter_ = nullptr;
};

}  // namespace orva
