// SPDX-License-Identifier: Apache-2.0
#include "ui/wizard/ReplaceRecordBox.h"

#include "ui/Prompter.h"
#include "ui/wizard/RecordFileField.h"
#include "ui/wizard/WizardTexts.h"

namespace orva {

namespace w = texts::wizard;

ReplaceRecordBox::ReplaceRecordBox(RecordFileField& file, const QString& ownFileName, Prompter& prompter,
                                   QWidget* parent)
    : QCheckBox(QString::fromUtf8(w::kReplaceExisting), parent), file_(file), ownFileName_(ownFileName) {
    setObjectName(QStringLiteral("replaceCheck"));
    file_.SetBrowseCheck([this, &prompter] {
        if (!isChecked()) return true;
        prompter.Message(QString::fromUtf8(w::kReplaceExisting), QString::fromUtf8(w::kReplaceBrowseRefused),
                         MessageIcon::Stop);
        return false;
    });
    connect(this, &QCheckBox::clicked, this, [this] {
        file_.SetText(ownFileName_);
        FieldFollows();
    });
    FieldFollows();
}

void ReplaceRecordBox::SetReplacing(bool replacing) {
    setChecked(replacing);
    FieldFollows();
}

void ReplaceRecordBox::FieldFollows() {
    file_.SetEditable(!isChecked());
}

}  // namespace orva
