#pragma once

#include "ui/wizard/WizardContext.h"
#include "ui/wizard/WizardPage.h"

namespace orva {

class RecordFileField;

// The first page of the on-screen wizard: what is about to happen and the record file.
class IntroductionPage final : public WizardPage {
    Q_OBJECT

public:
    IntroductionPage(WizardContext& context, QWidget* parent = nullptr);

    void BecomeCurrent() override;
    bool Next() override;

private:
    WizardContext& context_;
    RecordFileField* file_;
};

}  // namespace orva
