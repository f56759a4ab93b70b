#pragma once

#include "screening/ReportSet.h"
#include "ui/wizard/WizardContext.h"
#include "ui/wizard/WizardPage.h"

class QCheckBox;

namespace orva {

class RecordFileField;

// The last page of the paper wizard: the record file and the two analysis choices. Finish
// saves the record as a new record and, when the analysis is to be viewed, fills the caller's
// analysis with it (and with the person's latest related records when asked).
class PaperSavePage final : public WizardPage {
    Q_OBJECT

  public:
    PaperSavePage(WizardContext& context, ReportSet& analysis, QWidget* parent = nullptr);

    void BecomeCurrent() override;
    bool Finish() override;

    bool ViewAnalysis() const;
    bool AlsoViewRelated() const;

  private:
    WizardContext& context_;
    ReportSet& analysis_;
    RecordFileField* file_;
    QCheckBox* view_;
    QCheckBox* alsoView_;
    // The file name and the choices are preset on the first arrival only; later arrivals keep
    // what the user left.
    bool presetPending_ = true;
};

}  // namespace orva
