// SPDX-License-Identifier: Apache-2.0
#include "ui/outputs/SaveAsDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "reports/ReportFileNames.h"
#include "reports/ReportMessages.h"
#include "reports/ReportsTexts.h"
#include "ui/CoreText.h"
#include "ui/Prompter.h"
#include "ui/access/FieldLabel.h"
#include "ui/outputs/OutputPaths.h"
#include "ui/selection/RecordPath.h"

namespace orva {

namespace {

QLabel* WrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

SaveAsDialog::SaveAsDialog(Prompter& prompter, const QString& suggestedName, Write write, QWidget* parent)
    : QDialog(parent), prompter_(prompter), write_(std::move(write)) {
    setWindowTitle(CoreText::Fixed(texts::kSaveAsCaption));
    auto* fields = new QGridLayout;
    fileNameEdit_ = new QLineEdit(suggestedName, this);
    fields->addWidget(FieldLabel(texts::kSaveAsLabel, fileNameEdit_, this), 0, 0);
    fileNameEdit_->setObjectName(QStringLiteral("fileNameEdit"));
    // Right-aligned, so the file's own name stays in view when the folder is long.
    fileNameEdit_->setAlignment(Qt::AlignRight);
    fileNameEdit_->setMinimumWidth(360);
    fields->addWidget(fileNameEdit_, 0, 1);
    fields->addWidget(new QLabel(CoreText::Fixed(texts::kRtfSuffixLabel), this), 0, 2);
    auto* browse = new QPushButton(CoreText::Fixed(texts::kBrowseButton), this);
    browse->setObjectName(QStringLiteral("browseButton"));
    browse->setAutoDefault(false);
    fields->addWidget(browse, 1, 1, Qt::AlignRight);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addWidget(WrappedLabel(CoreText::Fixed(texts::kSaveAsExplanation), this));
    QLabel* note = WrappedLabel(
        CoreText::Fixed(texts::kSaveAsNote1) + QLatin1Char(' ') + CoreText::Fixed(texts::kSaveAsNote2), this);
    note->setObjectName(QStringLiteral("noteLabel"));
    layout->addWidget(note);
    privacyCheckBox_ = new QCheckBox(CoreText::Fixed(texts::kSaveAsPrivacyCheck), this);
    privacyCheckBox_->setObjectName(QStringLiteral("privacyCheckBox"));
    layout->addWidget(privacyCheckBox_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(CoreText::Fixed(texts::kOkButton), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    buttons->addWidget(ok);
    auto* cancel = new QPushButton(CoreText::Fixed(texts::kCancelButton), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(browse, &QPushButton::clicked, this, &SaveAsDialog::Browse);
    connect(ok, &QPushButton::clicked, this, &SaveAsDialog::Save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setMinimumWidth(560);
}

void SaveAsDialog::Browse() {
    if (auto chosen = BrowseOutputPath(prompter_, fileNameEdit_->text(), texts::kRtfSuffixLabel,
                                       texts::kRtfFileFilter, false)) {
        fileNameEdit_->setText(*chosen);
    }
}

void SaveAsDialog::Save() {
    if (!privacyCheckBox_->isChecked()) {
        prompter_.Message(SavePrivacyMessage());
        return;
    }
    // The program adds ".rtf"; one that was typed is not doubled.
    const QString name = QString::fromStdString(
        WithoutTypedExtension(FileSystemPath(fileNameEdit_->text()), texts::kRtfSuffixLabel));
    if (const auto refusal = CheckSaveFileName(FileSystemPath(name))) {
        prompter_.Message(*refusal);
        fileNameEdit_->setFocus();
        return;
    }
    if (!write_(name)) return;
    savedName_ = name;
    accept();
}

}  // namespace orva
