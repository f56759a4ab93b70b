// SPDX-License-Identifier: Apache-2.0
#include "ui/wizard/IntroductionPage.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/wizard/PageWidgets.h"
#include "ui/wizard/RecordFileChoice.h"
#include "ui/wizard/RecordFileField.h"
#include "ui/wizard/WizardTexts.h"

namespace orva {

namespace w = texts::wizard;

IntroductionPage::IntroductionPage(WizardContext& context, QWidget* parent) : WizardPage(parent) {
    setObjectName(QStringLiteral("introductionPage"));
    const bool editing = context.edit != nullptr;
    file_ = new RecordFileChoice(context, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageText(editing ? w::kEditIntroAbout : w::kIntroAbout, QStringLiteral("aboutLabel"), this));
    layout->addSpacing(12);
    layout->addWidget(PageText(editing ? w::kEditIntroAfter : w::kIntroAfter, QStringLiteral("afterLabel"), this));
    layout->addSpacing(12);
    QLabel* where = PageText(w::kIntroWhere, QStringLiteral("questionLabel"), this);
    where->setBuddy(file_->Field().Edit());
    layout->addWidget(where);
    layout->addWidget(file_);
    layout->addSpacing(12);
    layout->addWidget(PageText(w::kFileNote, QStringLiteral("noteLabel"), this));
    layout->addStretch(1);
}

void IntroductionPage::BecomeCurrent() {
    file_->Load();
    file_->Field().Edit()->setFocus();
}

bool IntroductionPage::Next() {
    file_->Store();
    return file_->CheckedFile().has_value();
}

}  // namespace orva
