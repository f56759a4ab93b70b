// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>
#include <optional>
#include <utility>
#include <vector>

#include "model/AssessmentRecord.h"
#include "model/FieldRules.h"
#include "ui/wizard/WizardContext.h"
#include "ui/wizard/WizardPage.h"

class QButtonGroup;
class QLabel;
class QLineEdit;

namespace orva {

class DateEntry;

// The young person's identity, address, dates, gender and school. The dates are loaded from
// the record only the first time the page becomes current in a run, so dates typed and left by
// Back are still there on the way forward again.
class DetailsPage final : public WizardPage {
    Q_OBJECT

public:
    DetailsPage(WizardContext& context, QWidget* parent = nullptr);
    ~DetailsPage() override;

    void BecomeCurrent() override;
    bool Next() override;
    void Back() override;

private:
    void Build();
    QLineEdit* AddText(TextField field, const QString& name);
    // Tidies a date field or checks the school year as the focus leaves it for `to`.
    void FocusLeft(QWidget* from, QWidget* to);
    void UpdateAge();
    bool CheckSchoolYear();
    void FocusOn(FocusField field);
    void StoreTextsAndGender();
    int CurrentYear() const;
    std::optional<Date> KeptCompletion() const;

    WizardContext& context_;
    bool datesPending_ = true;
    QLabel* heading_ = nullptr;
    QLineEdit* firstName_ = nullptr;
    QLineEdit* lastName_ = nullptr;
    DateEntry* birth_ = nullptr;
    DateEntry* completion_ = nullptr;
    QLineEdit* age_ = nullptr;
    QButtonGroup* gender_ = nullptr;
    QLineEdit* schoolYear_ = nullptr;
    // Every text field with the record field it shows, in the order the record is written.
    std::vector<std::pair<TextField, QLineEdit*>> texts_;
};

}  // namespace orva
