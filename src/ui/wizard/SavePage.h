#pragma once

#include "ui/wizard/WizardContext.h"
#include "ui/wizard/WizardPage.h"

class QLabel;

namespace orva {

class RecordFileField;

// The last page: confirms the record file and saves the record as a new record on Finish.
// A refused name or a failed save switches it to the choose state, where another file can
// be named or browsed for; every answer stays as it was.
class SavePage final : public WizardPage {
    Q_OBJECT

public:
    SavePage(WizardContext& context, QWidget* parent = nullptr);

    void BecomeCurrent() override;
    void Back() override;
    bool Finish() override;

private:
    void SetChoosing(bool choosing);

    WizardContext& context_;
    QLabel* question_;
    QLabel* instruction_;
    RecordFileField* file_;
    QLabel* note_;
};

}  // namespace orva
