// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "screening/ReportSet.h"
#include "ui/wizard/QuestionnaireWizard.h"
#include "ui/wizard/WizardContext.h"

namespace orva {

class PaperSavePage;

// The five-page wizard in which a user types in a questionnaire answered on paper; Finish
// appends the record to the record file and, when the analysis is to be viewed, fills
// `analysis`. `record`, `fileName` and `analysis` belong to the caller, who reads the file name
// and the two analysis choices after Finish. exec() gives Accepted only when the record was saved.
class PaperEntryWizard : public QuestionnaireWizard {
    Q_OBJECT

  public:
    PaperEntryWizard(AssessmentRecord& record, QString& fileName, ReportSet& analysis, Prompter& prompter,
                     const Clock& clock = SystemClock::Instance(), QWidget* parent = nullptr);

    bool ViewAnalysis() const;
    bool AlsoViewRelated() const;
    // Where the record is written; tests make writes fail through it.
    void SetFileSystem(FileSystem& files) { context_.files = &files; }

  protected:
    // The same pages over a stored record being edited (`edit`), or a new one (null).
    PaperEntryWizard(AssessmentRecord& record, QString& fileName, EditState* edit, ReportSet& analysis,
                     Prompter& prompter, const Clock& clock, QWidget* parent);

  private:
    WizardContext context_;
    PaperSavePage* save_;
};

}  // namespace orva
