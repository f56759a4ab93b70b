#include "ui/wizard/IntroductionPage.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/wizard/PageWidgets.h"
#include "ui/wizard/RecordFileField.h"
#include "ui/wizard/WizardTexts.h"

namespace orva {

namespace w = texts::wizard;

IntroductionPage::IntroductionPage(WizardContext& context, QWidget* parent)
    : WizardPage(parent), context_(context) {
    setObjectName(QStringLiteral("introductionPage"));
    file_ = new RecordFileField(context.prompter, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageText(w::kIntroAbout, QStringLiteral("aboutLabel"), this));
    layout->addSpacing(12);
    layout->addWidget(PageText(w::kIntroAfter, QStringLiteral("afterLabel"), this));
    layout->addSpacing(12);
    QLabel* where = PageText(w::kIntroWhere, QStringLiteral("questionLabel"), this);
    where->setBuddy(file_->Edit());
    layout->addWidget(where);
    layout->addWidget(file_);
    layout->addSpacing(12);
    layout->addWidget(PageText(w::kFileNote, QStringLiteral("noteLabel"), this));
    layout->addStretch(1);
    connect(file_, &RecordFileField::Browsed, this, [this](const QString& text) { context_.fileName = text; });
}

void IntroductionPage::BecomeCurrent() {
    file_->SetText(context_.fileName);
    file_->Edit()->setFocus();
}

bool IntroductionPage::Next() {
    context_.fileName = file_->Text();
    return file_->CheckedFullPath().has_value();
}

}  // namespace orva
