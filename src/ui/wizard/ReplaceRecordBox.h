// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QCheckBox>
#include <QString>

namespace orva {

class Prompter;
class RecordFileField;

// "Replace Existing Record" on the file pages of the edit wizards, tied to the page's file
// field: while it is ticked the field shows the record's own file and cannot be typed in, and
// "Browse ..." is refused with a message. A click on it puts the record's own file back in the
// field either way.
class ReplaceRecordBox final : public QCheckBox {
    Q_OBJECT

  public:
    ReplaceRecordBox(RecordFileField& file, const QString& ownFileName, Prompter& prompter,
                     QWidget* parent = nullptr);

    // Ticks or unticks the box as the page is shown; the field follows.
    void SetReplacing(bool replacing);

  private:
    void FieldFollows();

    RecordFileField& file_;
    QString ownFileName_;
};

}  // namespace orva
