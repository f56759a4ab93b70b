// SPDX-License-Identifier: Apache-2.0
#include "ui/wizard/SavePage.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/wizard/NoEditsQuestion.h"
#include "ui/wizard/PageWidgets.h"
#include "ui/wizard/RecordFileChoice.h"
#include "ui/wizard/RecordFileField.h"
#include "ui/wizard/WizardTexts.h"

namespace orva {

namespace w = texts::wizard;

SavePage::SavePage(WizardContext& context, QWidget* parent) : WizardPage(parent), context_(context) {
    setObjectName(QStringLiteral("savePage"));
    question_ = PageText(w::kSaveQuestion, QStringLiteral("questionLabel"), this);
    instruction_ = PageText(w::kSaveInstruction, QStringLiteral("instructionLabel"), this);
    file_ = new RecordFileChoice(context, this);
    note_ = PageText(w::kFileNote, QStringLiteral("noteLabel"), this);

    // Only one of the two shows at a time, so the instruction stands where the question is.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question_);
    layout->addWidget(instruction_);
    layout->addWidget(file_);
    layout->addSpacing(12);
    layout->addWidget(note_);
    layout->addStretch(1);
}

void SavePage::SetChoosing(bool choosing) {
    file_->SetChangeable(choosing);
    note_->setVisible(choosing);
    question_->setVisible(choosing);
    instruction_->setVisible(!choosing);
}

// Every arrival shows the file and the choice as they are now, so that Finish does what the
// first page was last left saying.
void SavePage::BecomeCurrent() {
    file_->Load();
    SetChoosing(false);
    file_->Field().Edit()->setFocus();
}

void SavePage::Back() {
    file_->Store();
}

bool SavePage::Finish() {
    file_->Store();
    if (!EditedOrSaveAnyway(context_)) return false;
    const std::optional<RecordFilePath> file = file_->CheckedFile();
    if (!file) {
        SetChoosing(true);
        return false;
    }
    if (!SaveRecord(context_, *file)) {
        ChooseAnotherFile();
        return false;
    }
    return true;
}

std::optional<SaveAttempt> SavePage::SaveUntold() {
    file_->Field().SetText(context_.fileName);
    const std::optional<RecordFilePath> file = file_->CheckedFile();
    if (!file) return std::nullopt;
    return context_.save(*file);
}

void SavePage::ChooseAnotherFile() {
    SetChoosing(true);
    file_->Field().Edit()->setFocus();
}

}  // namespace orva
