// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "ui/wizard/WizardContext.h"
#include "ui/wizard/WizardPage.h"

namespace orva {

class RecordTextEdit;

// The closing words and the reporter's comment (at most 200 characters).
class CommentPage final : public WizardPage {
    Q_OBJECT

public:
    CommentPage(WizardContext& context, QWidget* parent = nullptr);

    void BecomeCurrent() override;
    bool Next() override;
    void Back() override;

private:
    void Store();

    WizardContext& context_;
    RecordTextEdit* comment_;
};

}  // namespace orva
