#include "ui/wizard/SavePage.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "store/StoreMessages.h"
#include "ui/CoreText.h"
#include "ui/Prompter.h"
#include "ui/WaitCursor.h"
#include "ui/selection/RecordPath.h"
#include "ui/wizard/PageWidgets.h"
#include "ui/wizard/RecordFileField.h"
#include "ui/wizard/RecordSaver.h"
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
    SaveOutcome outcome;
    {
        WaitCursor wait;
        outcome = AppendRecord(context_.record, FileSystemPath(*path), context_.clock);
    }
    if (outcome.code != 0) {
        context_.prompter.Message(SaveFailedMessage(outcome.code));
        SetChoosing(true);
        file_->Edit()->setFocus();
        return false;
    }
    const AssessmentRecord& r = context_.record;
    UserMessage done = SaveSucceededMessage(r.GetFirstName(), r.GetLastName(), r.GetText(TextField::BirthDate), {});
    // The path is not a record text: it is shown as the file functions were given it.
    context_.prompter.Message(CoreText::ToQt(done.caption), CoreText::ToQt(done.text) + *path, done.icon);
    return true;
}

}  // namespace orva
