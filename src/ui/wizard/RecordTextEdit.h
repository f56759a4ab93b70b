// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QPlainTextEdit>

#include "ui/wizard/RecordTextValidator.h"

class QLineEdit;

namespace orva {

// A multi-line record field (observer contact, comment): Enter starts a new line, Tab moves
// on, and a change that the record could not hold as typed is undone at once.
class RecordTextEdit final : public QPlainTextEdit {
    Q_OBJECT

public:
    RecordTextEdit(int maxBytes, const QString& objectName, QWidget* parent = nullptr);

    QString Text() const { return toPlainText(); }
    void SetText(const QString& text);

private:
    void Check();

    RecordTextValidator validator_;
    QString accepted_;
    int acceptedCursor_ = 0;
    bool reverting_ = false;
};

// A single-line record field with its limit and character rule.
QLineEdit* MakeRecordLineEdit(int maxBytes, const QString& objectName, QWidget* parent);

}  // namespace orva
