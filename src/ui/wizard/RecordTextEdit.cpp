// SPDX-License-Identifier: Apache-2.0
#include "ui/wizard/RecordTextEdit.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace orva {

RecordTextEdit::RecordTextEdit(int maxBytes, const QString& objectName, QWidget* parent)
    : QPlainTextEdit(parent), validator_(maxBytes, true) {
    setObjectName(objectName);
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(this, &QPlainTextEdit::textChanged, this, &RecordTextEdit::Check);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        if (!reverting_) acceptedCursor_ = textCursor().position();
    });
}

void RecordTextEdit::SetText(const QString& text) {
    accepted_ = validator_.Holds(text) ? text : QString();
    reverting_ = true;
    setPlainText(accepted_);
    reverting_ = false;
    acceptedCursor_ = textCursor().position();
}

void RecordTextEdit::Check() {
    if (reverting_) return;
    const QString now = toPlainText();
    if (validator_.Holds(now)) {
        accepted_ = now;
        return;
    }
    reverting_ = true;
    setPlainText(accepted_);
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::min(acceptedCursor_, static_cast<int>(accepted_.size())));
    setTextCursor(cursor);
    reverting_ = false;
}

QLineEdit* MakeRecordLineEdit(int maxBytes, const QString& objectName, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setValidator(new RecordTextValidator(maxBytes, false, edit));
    return edit;
}

}  // namespace orva
