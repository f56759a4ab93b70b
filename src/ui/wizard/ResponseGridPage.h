// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>
#include <vector>

#include "ui/wizard/WizardContext.h"
#include "ui/wizard/WizardPage.h"

class QLabel;

namespace orva {

class ResponseField;

// The answers of a paper questionnaire typed into a grid of 111 one-character fields, one key
// per item: a digit 0..5 or a space (blank) moves on to the next item asked, anything else is
// refused. For a Teacher-report the items not asked of teachers are emptied and hidden.
class ResponseGridPage final : public WizardPage {
    Q_OBJECT

  public:
    ResponseGridPage(WizardContext& context, QWidget* parent = nullptr);

    void BecomeCurrent() override;
    bool Next() override;
    void Back() override;

  private:
    bool Asked(int item) const;
    // Only what the user types is examined; the page filling its fields is not.
    void Edited(ResponseField* field, const QString& text);
    void MoveOn(const ResponseField* from);
    void Store();

    WizardContext& context_;
    std::vector<ResponseField*> fields_;
    std::vector<QLabel*> labels_;
    QLabel* teacherNote_;
    // Takes the focus after the last item so that no visible field keeps the caret.
    QWidget* end_;
};

}  // namespace orva
