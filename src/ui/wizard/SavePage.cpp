#include "ui/wizard/SavePage.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/wizard/EditState.h"
#include "ui/wizard/NoEditsQuestion.h"
#include "ui/wizard/PageWidgets.h"
#include "ui/wizard/RecordFileField.h"
#include "ui/wizard/ReplaceRecordBox.h"
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
    if (context.edit != nullptr) {
        replace_ = new ReplaceRecordBox(*file_, context.edit->ownFileName, context.prompter, this);
        layout->addWidget(replace_);
        connect(replace_, &QCheckBox::clicked, this, [this] { context_.fileName = context_.edit->ownFileName; });
    }
    layout->addWidget(file_);
    layout->addSpacing(12);
    layout->addWidget(note_);
    layout->addStretch(1);
    connect(file_, &RecordFileField::Browsed, this, [this](const QString& text) { context_.fileName = text; });
}

void SavePage::SetChoosing(bool choosing) {
    // While an edit replaces its record, the box alone decides whether the name can change.
    if (replace_ == nullptr)
        file_->SetEditable(choosing);
    else
        replace_->setVisible(choosing);
    file_->SetBrowseVisible(choosing);
    note_->setVisible(choosing);
    question_->setVisible(choosing);
    instruction_->setVisible(!choosing);
}

// Every arrival shows the file and the choice as they are now, so that Finish does what the
// first page was last left saying.
void SavePage::BecomeCurrent() {
    file_->SetText(context_.fileName);
    if (replace_ != nullptr) replace_->SetReplacing(context_.edit->replace);
    SetChoosing(false);
    file_->Edit()->setFocus();
}

void SavePage::TakeValues() {
    context_.fileName = file_->Text();
    if (replace_ != nullptr) context_.edit->replace = replace_->isChecked();
}

void SavePage::Back() {
    TakeValues();
}

bool SavePage::Finish() {
    if (replace_ == nullptr) file_->SetEditable(true);
    TakeValues();
    if (!EditedOrSaveAnyway(context_)) return false;
    const std::optional<QString> path = file_->CheckedFullPath();
    if (!path) {
        SetChoosing(true);
        return false;
    }
    if (!SaveRecord(context_, *path)) {
        ChooseAnotherFile();
        return false;
    }
    return true;
}

std::optional<SaveAttempt> SavePage::SaveUntold() {
    file_->SetText(context_.fileName);
    const std::optional<QString> path = file_->CheckedFullPath();
    if (!path) return std::nullopt;
    return SaveRecordUntold(context_, *path);
}

void SavePage::ChooseAnotherFile() {
    SetChoosing(true);
    file_->Edit()->setFocus();
}

}  // namespace orva
