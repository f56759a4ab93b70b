#include "ui/wizard/SavePage.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/wizard/PageWidgets.h"
#include "ui/wizard/RecordFileField.h"
#include "ui/wizard/SaveFlow.h"
#include "ui/wizard/WizardTexts.h"

namespace orva {

namespace w = texts::wizard;

SavePage::SavePage(WizardContext& context, QWidget* parent) : WizardPage(parent), context_(context) {
    setObjectName(QStringLiteral("savePage"));
    question_ = PageText(w::kSaveQuestion, QStringLiteral("questionLabel"), this);
    instruction_ = PageText(w::kSaveInstruction, QStringLiteral("instructionLabel"), this);
    file_ = new RecordFileField(context.prompter, this);
    note_ = PageText(w::kFileNote, QStringLiteral("noteLabel"), this);

    // Only one of the two shows at a time, so the instruction stands where the question is.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question_);
    layout->addWidget(instruction_);
    layout->addWidget(file_);
    layout->addSpacing(12);
    layout->addWidget(note_);
    layout->addStretch(1);
    connect(file_, &RecordFileField::Browsed, this, [this](const QString& text) { context_.fileName = text; });
}

void SavePage::SetChoosing(bool choosing) {
    file_->SetEditable(choosing);
    file_->SetBrowseVisible(choosing);
    note_->setVisible(choosing);
    question_->setVisible(choosing);
    instruction_->setVisible(!choosing);
}

void SavePage::BecomeCurrent() {
    file_->SetText(context_.fileName);
    SetChoosing(false);
    file_->Edit()->setFocus();
}

void SavePage::Back() {
    context_.fileName = file_->Text();
}

bool SavePage::Finish() {
    file_->SetEditable(true);
    context_.fileName = file_->Text();
    const std::optional<QString> path = file_->CheckedFullPath();
    if (!path) {
        SetChoosing(true);
        return false;
    }
    if (!SaveNewRecord(context_, *path)) {
        SetChoosing(true);
        file_->Edit()->setFocus();
        return false;
    }
    return true;
}

}  // namespace orva
