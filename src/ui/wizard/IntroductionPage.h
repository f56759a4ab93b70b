// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "ui/wizard/WizardContext.h"
#include "ui/wizard/WizardPage.h"

namespace orva {

class RecordFileChoice;

// The first page of the on-screen wizards: what is about to happen and the record file. When
// the wizard edits a stored record it says so, and offers "Replace Existing Record" (ticked at
// first), shared with the last page.
class IntroductionPage final : public WizardPage {
    Q_OBJECT

public:
    IntroductionPage(WizardContext& context, QWidget* parent = nullptr);

    void BecomeCurrent() override;
    bool Next() override;

private:
    RecordFileChoice* file_;
};

}  // namespace orva
