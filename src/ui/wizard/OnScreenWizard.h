// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <functional>
#include <memory>

#include "ui/wizard/QuestionnaireWizard.h"
#include "ui/wizard/SaveFlow.h"
#include "ui/wizard/WizardContext.h"

namespace orva {

class ReporterMode;
class Speaker;

// The 17-page wizard in which a young person, a parent or a teacher answers the questionnaire
// on the screen; Finish saves the record through `save`, which the caller hands it, and a
// failed save keeps the last page open for another file. A new record's details page can hand
// the wizard over to a reporter who answers alone (ReporterMode); its last screen follows the
// seventeen pages and is reached only that way. `record` and `fileName` belong to the caller,
// who reads the file name used back after Finish. exec() gives Accepted only when the record
// was saved.
class OnScreenWizard final : public QuestionnaireWizard {
    Q_OBJECT

public:
    OnScreenWizard(AssessmentRecord& record, QString& fileName, RecordSave save, Prompter& prompter,
                   const Clock& clock = SystemClock::Instance(), QWidget* parent = nullptr);

    // Where the items are read aloud when the wizard is handed over to a reporter; asked for
    // at the hand-over. Without it, or when it gives null, nothing is read aloud.
    void SetSpeech(std::function<Speaker*()> speech);
    // True while a reporter answers alone (see ReporterMode).
    bool InReporterMode() const;

private:
    friend std::unique_ptr<OnScreenWizard> MakeOnScreenEditWizard(AssessmentRecord&, QString&, EditState&,
                                                                  RecordSave, Prompter&, const Clock&, QWidget*);
    // The same pages over a stored record being edited (`edit`), or a new one (null).
    OnScreenWizard(AssessmentRecord& record, QString& fileName, EditState* edit, RecordSave save,
                   Prompter& prompter, const Clock& clock, QWidget* parent);

    WizardContext context_;
    // A new record only: an edit is the clinician's.
    ReporterMode* reporter_ = nullptr;
};

// The on-screen wizard over a stored record: `record` is the working copy, shown by every page,
// and `edit` the record as read, where it came from and the replace choice. Its first page
// offers "Replace Existing Record"; Finish saves in the record's place or as a new record (as
// `save` does it), after asking "No Edits Made" when nothing was changed. Everything belongs to
// the caller, who reads the file name back after Finish.
std::unique_ptr<OnScreenWizard> MakeOnScreenEditWizard(AssessmentRecord& record, QString& fileName, EditState& edit,
                                                       RecordSave save, Prompter& prompter,
                                                       const Clock& clock = SystemClock::Instance(),
                                                       QWidget* parent = nullptr);

}  // namespace orva
