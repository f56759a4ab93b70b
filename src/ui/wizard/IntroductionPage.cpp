// SPDX-License-Identifier: Apache-2.0
#include "ui/wizard/IntroductionPage.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/wizard/EditState.h"
#include "ui/wizard/PageWidgets.h"
#include "ui/wizard/RecordFileField.h"
#include "ui/wizard/ReplaceRecordBox.h"
#include "ui/wizard/WizardTexts.h"

namespace orva {

namespace w = texts::wizard;

IntroductionPage::IntroductionPage(WizardContext& context, QWidget* parent)
    : WizardPage(parent), context_(context) {
    setObjectName(QStringLiteral("introductionPage"));
    const bool editing = context.edit != nullptr;
    file_ = new RecordFileField(context.prompter, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageText(editing ? w::kEditIntroAbout : w::kIntroAbout, QStringLiteral("aboutLabel"), this));
    layout->addSpacing(12);
    layout->addWidget(PageText(editing ? w::kEditIntroAfter : w::kIntroAfter, QStringLiteral("afterLabel"), this));
    layout->addSpacing(12);
    QLabel* where = PageText(w::kIntroWhere, QStringLiteral("questionLabel"), this);
    where->setBuddy(file_->Edit());
    layout->addWidget(where);
    if (editing) {
        replace_ = new ReplaceRecordBox(*file_, context.edit->ownFileName, context.prompter, this);
        layout->addWidget(replace_);
        connect(replace_, &QCheckBox::clicked, this, [this] { context_.fileName = context_.edit->ownFileName; });
    }
    layout->addWidget(file_);
    layout->addSpacing(12);
    layout->addWidget(PageText(w::kFileNote, QStringLiteral("noteLabel"), this));
    layout->addStretch(1);
    connect(file_, &RecordFileField::Browsed, this, [this](const QString& text) { context_.fileName = text; });
}

void IntroductionPage::BecomeCurrent() {
    file_->SetText(context_.fileName);
    if (replace_ != nullptr) replace_->SetReplacing(context_.edit->replace);
    file_->Edit()->setFocus();
}

bool IntroductionPage::Next() {
    if (replace_ != nullptr) context_.edit->replace = replace_->isChecked();
    context_.fileName = file_->Text();
    return file_->CheckedFullPath().has_value();
}

}  // namespace orva
