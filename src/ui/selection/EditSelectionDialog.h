// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "ui/EditSelection.h"
#include "ui/selection/RecordSelectionDialog.h"

class QRadioButton;

namespace orva {

// Picks one record to edit and the way of editing it. Accepted with the record's file, its
// position in the file and the chosen edit method.
class EditSelectionDialog : public RecordSelectionDialog {
    Q_OBJECT

  public:
    static constexpr int kCompleteOnScreen = 0;
    static constexpr int kEnterResponses = 1;

    // `editMethod` is the caller's preset (kCompleteOnScreen or kEnterResponses).
    EditSelectionDialog(Prompter& prompter, const QString& fileText, int editMethod, QWidget* parent = nullptr);

    // After OK: the record file (".rpc" included), the record's position in it and its row as
    // listed, for the caller to keep; empty while nothing was chosen.
    const EditSelection& Selection() const { return selection_; }
    // The edit method chosen (kCompleteOnScreen or kEnterResponses).
    int EditMethod() const;

  protected:
    StoreResult<int> LoadRecords(const std::string& fullPath) override;
    void ListFilled() override;
    void FirstEntryBecomesCurrent() override;
    void Confirm() override;

  private:
    void PresetMethodFromEntry(int entry);

    QRadioButton* onScreenRadio_;
    QRadioButton* enterResponsesRadio_;
    bool readOnly_ = false;
    EditSelection selection_;
};

}  // namespace orva
