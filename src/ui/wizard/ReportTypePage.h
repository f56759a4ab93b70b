// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "ui/wizard/WizardContext.h"
#include "ui/wizard/WizardPage.h"

class QButtonGroup;
class QLineEdit;

namespace orva {

class RecordTextEdit;

// Who answers the questionnaire, and the observer's details for a Parent- or Teacher-report.
class ReportTypePage final : public WizardPage {
    Q_OBJECT

public:
    ReportTypePage(WizardContext& context, QWidget* parent = nullptr);

    void BecomeCurrent() override;
    bool Next() override;

private:
    // A Self-report has no observer: the fields are emptied and locked.
    void ApplyRadioRule();

    WizardContext& context_;
    QButtonGroup* reporter_;
    QLineEdit* nameEdit_;
    QLineEdit* relationshipEdit_;
    RecordTextEdit* contactEdit_;
};

}  // namespace orva
