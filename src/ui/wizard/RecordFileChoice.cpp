// SPDX-License-Identifier: Apache-2.0
#include "ui/wizard/RecordFileChoice.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "ui/Prompter.h"
#include "ui/wizard/EditState.h"
#include "ui/wizard/RecordFileField.h"
#include "ui/wizard/WizardContext.h"
#include "ui/wizard/WizardTexts.h"

namespace orva {

namespace w = texts::wizard;

RecordFileChoice::RecordFileChoice(WizardContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    file_ = new RecordFileField(context.prompter, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (context.edit != nullptr) {
        replace_ = new QCheckBox(QString::fromUtf8(w::kReplaceExisting), this);
        replace_->setObjectName(QStringLiteral("replaceCheck"));
        layout->addWidget(replace_);
        file_->SetBrowseCheck([this] { return BrowseAllowed(); });
        connect(replace_, &QCheckBox::clicked, this, [this] {
            context_.fileName = context_.edit->ownFileName;
            file_->SetText(context_.fileName);
            file_->SetEditable(!replace_->isChecked());
        });
        file_->SetEditable(true);
    }
    layout->addWidget(file_);
    connect(file_, &RecordFileField::Browsed, this,
            [this](const QString& text) { context_.fileName = text; });
}

void RecordFileChoice::Load() {
    file_->SetText(context_.fileName);
    if (replace_ != nullptr) SetReplacing(context_.edit->replace);
}

void RecordFileChoice::SetReplacing(bool replacing) {
    replace_->setChecked(replacing);
    file_->SetEditable(!replacing);
}

bool RecordFileChoice::BrowseAllowed() {
    if (!replace_->isChecked()) return true;
    context_.prompter.Message(QString::fromUtf8(w::kReplaceExisting),
                              QString::fromUtf8(w::kReplaceBrowseRefused), MessageIcon::Stop);
    return false;
}

void RecordFileChoice::Store() {
    context_.fileName = file_->Text();
    if (replace_ != nullptr) context_.edit->replace = replace_->isChecked();
}

void RecordFileChoice::SetChangeable(bool changeable) {
    // While an edit replaces its record, the box alone decides whether the name can change.
    if (replace_ == nullptr)
        file_->SetEditable(changeable);
    else
        replace_->setVisible(changeable);
    file_->SetBrowseVisible(changeable);
}

std::optional<RecordFilePath> RecordFileChoice::CheckedFile() {
    return file_->CheckedFile();
}

}  // namespace orva
