// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "screening/ReportSet.h"
#include "ui/wizard/WizardContext.h"
#include "ui/wizard/WizardPage.h"

class QCheckBox;

namespace orva {

class RecordFileField;
class ReplaceRecordBox;

// The last page of the paper wizards: the record file and the two analysis choices. Finish
// saves the record and, when the analysis is to be viewed, fills the caller's analysis with it
// (and with the person's latest related records when asked). When the wizard edits a stored
// record, the page also has "Replace Existing Record" (ticked at first), and Finish first asks
// "No Edits Made" when nothing was changed.
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
    ReplaceRecordBox* replace_ = nullptr;
    // The file name and the choices are preset on the first arrival only; later arrivals keep
    // what the user left.
    bool presetPending_ = true;
};

}  // namespace orva
