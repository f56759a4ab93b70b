// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "ui/wizard/WizardContext.h"
#include "ui/wizard/WizardPage.h"

class QCheckBox;

namespace orva {

class RecordFileChoice;

// The two analysis choices of the paper wizards' last page: "View the ORVA Analysis after
// Finish" and "Also view the most recent related ORVAs for the same person".
struct ViewChoices {
    bool view = false;
    bool alsoRelated = false;
};

// The last page of the paper wizards: the record file and the two analysis choices. Finish
// saves the record through the wizard's save; what the choices ask for is the caller's to do.
// When the wizard edits a stored record, the page also has "Replace Existing Record" (ticked at
// first), and Finish first asks "No Edits Made" when nothing was changed.
class PaperSavePage final : public WizardPage {
    Q_OBJECT

  public:
    // The choices are preset from `preset` on the first arrival.
    PaperSavePage(WizardContext& context, ViewChoices preset, QWidget* parent = nullptr);

    void BecomeCurrent() override;
    bool Finish() override;

    ViewChoices Choices() const;

  private:
    WizardContext& context_;
    ViewChoices preset_;
    RecordFileChoice* file_;
    QCheckBox* view_;
    QCheckBox* alsoView_;
    // The file name and the choices are preset on the first arrival only; later arrivals keep
    // what the user left.
    bool presetPending_ = true;
};

}  // namespace orva
