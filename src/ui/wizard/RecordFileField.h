// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

#include "model/RecordFilePath.h"

class QLineEdit;
class QPushButton;

namespace orva {

class Prompter;

// The record file of a wizard: the name as typed (without ".rpc"), the fixed ".rpc" after it
// and "Browse ...". Applies the record-file name rule with its messages; a name without a
// folder means a file in the base folder (RecordPath).
class RecordFileField final : public QWidget {
    Q_OBJECT

public:
    RecordFileField(Prompter& prompter, QWidget* parent = nullptr);

    QString Text() const;
    void SetText(const QString& text);
    void SetEditable(bool editable);
    void SetBrowseVisible(bool visible);
    QLineEdit* Edit() const { return edit_; }

    // The file to save to, named by its full path (the save messages name it so), or nothing
    // after the rule's refusal was shown (the field then has the focus).
    std::optional<RecordFilePath> CheckedFile();

    // "Browse ..." first asks `allowed`; false leaves everything as it is (the check has told
    // the user why).
    void SetBrowseCheck(std::function<bool()> allowed) { browseAllowed_ = std::move(allowed); }

signals:
    // A path chosen with "Browse ..." was accepted and is now the field's text.
    void Browsed(const QString& text);

private:
    void Browse();

    Prompter& prompter_;
    QLineEdit* edit_;
    QPushButton* browseButton_;
    std::function<bool()> browseAllowed_;
};

}  // namespace orva
