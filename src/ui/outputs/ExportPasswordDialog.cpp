// SPDX-License-Identifier: Apache-2.0
#include "ui/outputs/ExportPasswordDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "reports/ExportPasswords.h"
#include "reports/ReportMessages.h"
#include "reports/ReportsTexts.h"
#include "ui/Prompter.h"

namespace orva {

ExportPasswordDialog::ExportPasswordDialog(Prompter& prompter, const ExportPasswords& passwords,
                                           Sleeper sleep, QWidget* parent)
    : QDialog(parent), prompter_(prompter), passwords_(passwords), sleep_(std::move(sleep)) {
    setWindowTitle(QString::fromLatin1(texts::kPasswordCaption));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(QString::fromLatin1(texts::kPasswordPrompt), this);
    prompt->setObjectName(QStringLiteral("promptLabel"));
    layout->addWidget(prompt);
    passwordEdit_ = new QLineEdit(this);
    passwordEdit_->setObjectName(QStringLiteral("passwordEdit"));
    // Shown masked: the password opens every record in plain text to whoever reads it.
    passwordEdit_->setEchoMode(QLineEdit::Password);
    passwordEdit_->setMaxLength(static_cast<int>(kMaxExportPasswordLength));
    prompt->setBuddy(passwordEdit_);
    layout->addWidget(passwordEdit_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QString::fromLatin1(texts::kOkButton), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(QString::fromLatin1(texts::kCancelButton), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    layout->addWidget(buttons);
    connect(passwordEdit_, &QLineEdit::textEdited, this, &ExportPasswordDialog::LowerCase);
    connect(ok, &QPushButton::clicked, this, &ExportPasswordDialog::Check);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setMinimumWidth(320);
    passwordEdit_->setFocus();
}

void ExportPasswordDialog::LowerCase(const QString& typed) {
    const QString lower = typed.toLower();
    if (lower == typed) return;
    const int cursor = passwordEdit_->cursorPosition();
    passwordEdit_->setText(lower);
    passwordEdit_->setCursorPosition(cursor);
}

void ExportPasswordDialog::Check() {
    if (CheckExportPassword(passwords_, passwordEdit_->text().toStdString(), sleep_)) {
        accept();
        return;
    }
    prompter_.Message(WrongPasswordMessage());
    passwordEdit_->clear();
    passwordEdit_->setFocus();
}

}  // namespace orva
