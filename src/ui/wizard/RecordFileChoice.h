// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QWidget>
#include <optional>

#include "model/RecordFilePath.h"

class QCheckBox;

namespace orva {

class RecordFileField;
struct WizardContext;

// The record file of a wizard page, bound to the wizard's file name and, when the wizard edits
// a stored record, to its replace choice: "Replace Existing Record" above the file field. While
// the box is ticked the field shows the record's own file and cannot be typed in, and
// "Browse ..." is refused with a message; a click on the box puts the record's own file back in
// the field either way. A click on the box or a browsed file is at once the wizard's file name.
class RecordFileChoice final : public QWidget {
    Q_OBJECT

  public:
    RecordFileChoice(WizardContext& context, QWidget* parent = nullptr);

    // Shows the wizard's file name and replace choice as they are now.
    void Load();
    // The field and the box become the wizard's file name and replace choice.
    void Store();
    // Whether the name can be changed here: with the box, the box shows or hides; without it,
    // the field can be typed in or not. "Browse ..." shows only while it can.
    void SetChangeable(bool changeable);
    // The file to save to, or nothing after the name rule's refusal was shown (the field then
    // has the focus).
    std::optional<RecordFilePath> CheckedFile();

    RecordFileField& Field() const { return *file_; }

  private:
    void SetReplacing(bool replacing);
    bool BrowseAllowed();

    WizardContext& context_;
    RecordFileField* file_;
    QCheckBox* replace_ = nullptr;
};

}  // namespace orva
