// SPDX-License-Identifier: Apache-2.0
#include "ui/wizard/RecordFileField.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "model/FileNameRules.h"
#include "ui/Prompter.h"
#include "ui/selection/RecordPath.h"
#include "ui/settings/AppSettings.h"
#include "ui/wizard/RecordTextEdit.h"
#include "ui/wizard/WizardTexts.h"

namespace orva {

namespace w = texts::wizard;

RecordFileField::RecordFileField(Prompter& prompter, QWidget* parent) : QWidget(parent), prompter_(prompter) {
    // The settings keep what is typed here, so it obeys the settings' length and characters.
    edit_ = MakeRecordLineEdit(static_cast<int>(AppSettings::kMaxValueLength), QStringLiteral("fileEdit"), this);
    edit_->setAccessibleName(QString::fromUtf8(w::kRecordFileAccessibleName));
    edit_->setMinimumWidth(edit_->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
    auto* suffix = new QLabel(QString::fromUtf8(w::kRecordSuffix), this);
    suffix->setObjectName(QStringLiteral("suffixLabel"));
    browseButton_ = new QPushButton(QString::fromUtf8(w::kBrowse), this);
    browseButton_->setObjectName(QStringLiteral("browseButton"));
    browseButton_->setAutoDefault(false);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit_, 1);
    layout->addWidget(suffix);
    layout->addSpacing(12);
    layout->addWidget(browseButton_);
    connect(browseButton_, &QPushButton::clicked, this, &RecordFileField::Browse);
}

QString RecordFileField::Text() const {
    return edit_->text();
}

void RecordFileField::SetText(const QString& text) {
    edit_->setText(text);
}

void RecordFileField::SetEditable(bool editable) {
    edit_->setReadOnly(!editable);
    // A field that cannot be typed in looks it: the window's colour, not the writing colour.
    QPalette palette = QApplication::palette(edit_);
    if (!editable) palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    edit_->setPalette(palette);
}

void RecordFileField::SetBrowseVisible(bool visible) {
    browseButton_->setVisible(visible);
}

std::optional<RecordFilePath> RecordFileField::CheckedFile() {
    const RecordPathCheck check = CheckRecordPath(edit_->text());
    if (!check.ok) {
        prompter_.Message(QString::fromUtf8(texts::kIncorrectFileName), check.message, MessageIcon::Stop);
        edit_->setFocus();
        return std::nullopt;
    }
    return RecordFilePath(check.file.OnDisk());
}

void RecordFileField::Browse() {
    if (browseAllowed_ && !browseAllowed_()) return;
    // The box starts at the file the field names, as a save to it would (a typed ".rpc" is not
    // doubled).
    const QString start = InBaseFolder(RecordFileOnDisk(edit_->text()));
    const QString chosen = prompter_.SaveFileName(QString(), start, QString::fromUtf8(w::kBrowseFilter));
    if (chosen.isEmpty()) return;
    QString withoutExtension = AcceptBrowsedRecordPath(chosen);
    int position = 0;
    // A path the settings could not keep as typed is refused like any other unusable name.
    if (withoutExtension.isEmpty() ||
        edit_->validator()->validate(withoutExtension, position) != QValidator::Acceptable) {
        prompter_.Message(QString::fromUtf8(texts::kIncorrectFileName), QString::fromUtf8(texts::kBrowseRecordFile),
                          MessageIcon::Stop);
        return;
    }
    edit_->setText(withoutExtension);
    emit Browsed(withoutExtension);
}

}  // namespace orva
