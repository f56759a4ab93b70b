// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <memory>

#include "ui/wizard/PaperSavePage.h"
#include "ui/wizard/QuestionnaireWizard.h"
#include "ui/wizard/SaveFlow.h"
#include "ui/wizard/WizardContext.h"

namespace orva {

// The five-page wizard in which a user types in a questionnaire answered on paper; Finish saves
// the record through `save`, which the caller hands it. `record` and `fileName` belong to the
// caller, who reads the file name and the two analysis choices (preset from `preset`) after
// Finish and shows the analysis asked for. exec() gives Accepted only when the record was saved.
class PaperEntryWizard final : public QuestionnaireWizard {
    Q_OBJECT

  public:
    PaperEntryWizard(AssessmentRecord& record, QString& fileName, RecordSave save, ViewChoices preset,
                     Prompter& prompter, const Clock& clock = SystemClock::Instance(),
                     QWidget* parent = nullptr);

    bool ViewAnalysis() const;
    bool AlsoViewRelated() const;

  private:
    friend std::unique_ptr<PaperEntryWizard> MakePaperEditWizard(AssessmentRecord&, QString&, EditState&,
                                                                 RecordSave, ViewChoices, Prompter&,
                                                                 const Clock&, QWidget*);
    // The same pages over a stored record being edited (`edit`), or a new one (null).
    PaperEntryWizard(AssessmentRecord& record, QString& fileName, EditState* edit, RecordSave save,
                     ViewChoices preset, Prompter& prompter, const Clock& clock, QWidget* parent);

    WizardContext context_;
    PaperSavePage* save_;
};

// The paper wizard over a stored record: `record` is the working copy, shown by every page, and
// `edit` the record as read, where it came from and the replace choice. Its last page offers
// "Replace Existing Record"; Finish saves in the record's place or as a new record (as `save`
// does it), after asking "No Edits Made" when nothing was changed. Everything belongs to the
// caller, who reads the file name and the analysis choices back after Finish.
std::unique_ptr<PaperEntryWizard> MakePaperEditWizard(AssessmentRecord& record, QString& fileName,
                                                      EditState& edit, RecordSave save, ViewChoices preset,
                                                      Prompter& prompter,
                                                      const Clock& clock = SystemClock::Instance(),
                                                      QWidget* parent = nullptr);

}  // namespace orva
