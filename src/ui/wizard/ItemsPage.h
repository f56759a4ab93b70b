#pragma once

#include <vector>

#include "ui/wizard/WizardContext.h"
#include "ui/wizard/WizardPage.h"

class QLineEdit;

namespace orva {

class ItemRow;

// A page of items (ten, or the last one alone) in the wording of the record's reporter, each
// answered on the six-point scale or left blank. For a Teacher-report the items not asked of
// teachers stay blank and are covered.
class ItemsPage final : public WizardPage {
    Q_OBJECT

public:
    ItemsPage(WizardContext& context, int firstItem, int count, QWidget* parent = nullptr);

    void BecomeCurrent() override;
    bool Next() override;
    void Back() override;

private:
    void ApplyTeacherRule();
    bool Asked(const ItemRow& row) const;
    void Store();

    WizardContext& context_;
    QLineEdit* leadIn_;
    std::vector<ItemRow*> rows_;
};

}  // namespace orva
