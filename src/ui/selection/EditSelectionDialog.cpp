// SPDX-License-Identifier: Apache-2.0
#include "ui/selection/EditSelectionDialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

#include "model/AssessmentRecord.h"
#include "ui/Prompter.h"
#include "screening/ScreeningTexts.h"
#include "ui/selection/RecordEntryList.h"
#include "ui/selection/SelectionTexts.h"
#include "store/StoreMessages.h"
#include "store/StoreError.h"

namespace orva {

namespace sel = texts::selection;

EditSelectionDialog::EditSelectionDialog(Prompter& prompter, const QString& fileText, int editMethod, QWidget* parent)
    : RecordSelectionDialog(prompter, fileText, sel::kEditCaption, sel::kEditHeading, sel::kEdit, parent) {
    setObjectName(QStringLiteral("editSelectionDialog"));
    List().setSelectionMode(QAbstractItemView::SingleSelection);

    auto* method = new QHBoxLayout();
    auto* question = new QLabel(QString::fromUtf8(sel::kEditMethodQuestion), this);
    question->setObjectName(QStringLiteral("editMethodLabel"));
    onScreenRadio_ = new QRadioButton(QString::fromUtf8(sel::kCompleteOnScreen), this);
    onScreenRadio_->setObjectName(QStringLiteral("completeOnScreenRadio"));
    enterResponsesRadio_ = new QRadioButton(QString::fromUtf8(sel::kEnterResponses), this);
    enterResponsesRadio_->setObjectName(QStringLiteral("enterResponsesRadio"));
    auto* group = new QButtonGroup(this);
    group->addButton(onScreenRadio_);
    group->addButton(enterResponsesRadio_);
    method->addWidget(question);
    method->addSpacing(12);
    method->addWidget(onScreenRadio_);
    method->addWidget(enterResponsesRadio_);
    method->addStretch(1);
    ExtraArea().addLayout(method);
    (editMethod == kEnterResponses ? enterResponsesRadio_ : onScreenRadio_)->setChecked(true);

    connect(&List(), &RecordEntryList::CurrentEntryChanged, this, [this](int entry) {
        if (entry >= 0) PresetMethodFromEntry(entry);
    });
    // The keyboard reaches the method between the list and the buttons, where it is shown.
    QWidget::setTabOrder(&List(), onScreenRadio_);
    QWidget::setTabOrder(onScreenRadio_, enterResponsesRadio_);
    SizeToContents();
}

int EditSelectionDialog::EditMethod() const {
    return enterResponsesRadio_->isChecked() ? kEnterResponses : kCompleteOnScreen;
}

StoreResult<int> EditSelectionDialog::LoadRecords(const std::string& fullPath) {
    // A file the user may only read can still be searched; the edits then go to another file.
    readOnly_ = false;
    StoreResult<int> loaded = Records().Load(fullPath, /*readOnly=*/false, /*sort=*/true);
    if (loaded.Ok() || loaded.Error() != StoreError::AccessDenied) return loaded;
    readOnly_ = true;
    return Records().Load(fullPath, /*readOnly=*/true, /*sort=*/true);
}

void EditSelectionDialog::ListFilled() {
    if (readOnly_) Prompts().Message(ReadOnlyEditWarning());
}

void EditSelectionDialog::FirstEntryBecomesCurrent() {
    List().item(0)->setSelected(true);
    List().SetCurrentEntry(0);
}

// A record entered on paper is most easily corrected the same way; the user may still change it.
void EditSelectionDialog::PresetMethodFromEntry(int entry) {
    const bool paper = RowOfEntry(entry).dataEntry == kPaper;
    (paper ? enterResponsesRadio_ : onScreenRadio_)->setChecked(true);
}

void EditSelectionDialog::Confirm() {
    const int entry = List().CurrentEntry();
    if (entry < 0) {
        Prompts().Message(UserMessage{texts::kNoSelectionCaption, texts::kNoSelection, MessageIcon::Stop});
        return;
    }
    if (!CriteriaStillHoldOrContinue()) return;
    const RecordRow& row = RowOfEntry(entry);
    selection_ = EditSelection{LoadedFile(), row.filePosition, row};
    accept();
}

}  // namespace orva
