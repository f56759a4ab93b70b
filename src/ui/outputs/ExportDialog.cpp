// SPDX-License-Identifier: Apache-2.0
#include "ui/outputs/ExportDialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "model/FileNameRules.h"
#include "reports/ReportMessages.h"
#include "reports/ReportsTexts.h"
#include "ui/CoreText.h"
#include "ui/Prompter.h"
#include "ui/access/FieldLabel.h"
#include "ui/outputs/OutputPaths.h"
#include "ui/selection/RecordPath.h"

namespace orva {

namespace {

QLineEdit* NameEdit(const QString& text, const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QString::fromLatin1(name));
    // Right-aligned, so the file's own name stays in view when the folder is long.
    edit->setAlignment(Qt::AlignRight);
    edit->setMinimumWidth(360);
    return edit;
}

QPushButton* Button(const char* text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(CoreText::Fixed(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QLabel* WrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

ExportDialog::ExportDialog(Prompter& prompter, const ExportDialogNames& names, Export exporter,
                           QWidget* parent)
    : QDialog(parent), prompter_(prompter), export_(std::move(exporter)) {
    setWindowTitle(CoreText::Fixed(texts::kExportCaption));
    const QString recordFileName = CoreText::ToQt(names.recordFileName);
    rememberedBaseName_ = FileSystemPath(CoreText::ToQt(names.rememberedBaseName));

    auto* fields = new QGridLayout;
    recordFileEdit_ = NameEdit(recordFileName, "recordFileEdit", this);
    fields->addWidget(FieldLabel(texts::kExportRecordFileLabel, recordFileEdit_, this), 0, 0, 1, 3);
    fields->addWidget(recordFileEdit_, 1, 0);
    fields->addWidget(new QLabel(CoreText::Fixed(texts::kRpcSuffixLabel), this), 1, 1);
    QPushButton* recordBrowse = Button(texts::kBrowseButton, "recordBrowseButton", this);
    fields->addWidget(recordBrowse, 1, 2);
    exportNameEdit_ = NameEdit(CoreText::ToQt(names.exportName), "exportNameEdit", this);
    fields->addWidget(FieldLabel(texts::kExportFileLabel, exportNameEdit_, this), 2, 0, 1, 3);
    fields->addWidget(exportNameEdit_, 3, 0);
    fields->addWidget(new QLabel(CoreText::Fixed(texts::kCsvSuffixLabel), this), 3, 1);
    QPushButton* exportBrowse = Button(texts::kBrowseButton, "exportBrowseButton", this);
    fields->addWidget(exportBrowse, 3, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addWidget(WrappedLabel(CoreText::Fixed(texts::kExportExplanation), this));
    QLabel* note = WrappedLabel(
        CoreText::Fixed(texts::kExportNote1) + QLatin1Char(' ') + CoreText::Fixed(texts::kExportNote2), this);
    note->setObjectName(QStringLiteral("noteLabel"));
    layout->addWidget(note);
    privacyCheckBox_ = new QCheckBox(CoreText::Fixed(texts::kExportPrivacyCheck), this);
    privacyCheckBox_->setObjectName(QStringLiteral("privacyCheckBox"));
    layout->addWidget(privacyCheckBox_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* exportButton = new QPushButton(CoreText::Fixed(texts::kExportButton), this);
    exportButton->setObjectName(QStringLiteral("exportButton"));
    exportButton->setDefault(true);
    buttons->addWidget(exportButton);
    QPushButton* cancel = Button(texts::kCancelButton, "cancelButton", this);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    recordFileEdit_->installEventFilter(this);
    connect(recordBrowse, &QPushButton::clicked, this, &ExportDialog::BrowseRecordFile);
    connect(exportBrowse, &QPushButton::clicked, this, &ExportDialog::BrowseExportFile);
    connect(exportButton, &QPushButton::clicked, this, &ExportDialog::ExportChecked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setMinimumWidth(560);
}

bool ExportDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == recordFileEdit_ && event->type() == QEvent::FocusOut) UpdateExportName();
    return QDialog::eventFilter(watched, event);
}

QString ExportDialog::RecordFileStem() const {
    const RecordPathCheck check = CheckRecordPath(recordFileEdit_->text());
    if (!check.ok) return recordFileEdit_->text();
    return check.fullPath.chopped(
        static_cast<qsizetype>(std::char_traits<char>::length(texts::kRpcSuffixLabel)));
}

bool ExportDialog::UpdateExportName() {
    const ExportNameUpdate update = UpdateDefaultExportName(
        FileSystemPath(RecordFileStem()), FileSystemPath(exportNameEdit_->text()), rememberedBaseName_);
    if (!update.changed) return false;
    rememberedBaseName_ = update.rememberedBaseName;
    exportNameEdit_->setText(FromFileSystemPath(update.exportName));
    prompter_.Message(*update.message);
    exportNameEdit_->setFocus();
    exportNameEdit_->setSelection(0, std::max<int>(0, static_cast<int>(exportNameEdit_->text().size()) - 1));
    return true;
}

void ExportDialog::BrowseRecordFile() {
    if (auto chosen = BrowseOutputPath(prompter_, recordFileEdit_->text(), texts::kRpcSuffixLabel,
                                       texts::kRecordFileFilter, true)) {
        recordFileEdit_->setText(*chosen);
    }
}

void ExportDialog::BrowseExportFile() {
    if (auto chosen = BrowseOutputPath(prompter_, exportNameEdit_->text(), texts::kCsvSuffixLabel,
                                       texts::kCsvFileFilter, false)) {
        exportNameEdit_->setText(*chosen);
    }
}

void ExportDialog::ExportChecked() {
    // Enter presses Export while the record-file name still has the focus: the export name
    // must follow the new record file before anything is written under the old one.
    if (UpdateExportName()) return;
    if (!privacyCheckBox_->isChecked()) {
        prompter_.Message(ExportPrivacyMessage());
        return;
    }
    const RecordPathCheck recordPath = CheckRecordPath(recordFileEdit_->text());
    if (!recordPath.ok) {
        prompter_.Message(CoreText::Fixed(texts::kIncorrectFileName), recordPath.message, MessageIcon::Stop);
        recordFileEdit_->setFocus();
        return;
    }
    const QString recordFileName = RecordFileStem();
    const QString exportName = FromFileSystemPath(
        WithoutTypedExtension(FileSystemPath(exportNameEdit_->text()), texts::kCsvSuffixLabel));
    if (const auto refusal = CheckSaveFileName(FileSystemPath(exportName))) {
        prompter_.Message(*refusal);
        exportNameEdit_->setFocus();
        return;
    }

    if (!export_(recordFileName, exportName)) return;
    usedRecordFileName_ = recordFileName;
    usedExportName_ = exportName;
    accept();
}

}  // namespace orva
