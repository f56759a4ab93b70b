// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <functional>

#include "model/RecordFilePath.h"
#include "screening/PersonHistory.h"
#include "ui/selection/RecordSelectionDialog.h"

namespace orva {

// The person whose history is wanted and the file it is read from.
struct HistoryChoice {
    RecordFilePath path;
    PersonQuery person;
};

// Asks for a person exactly as the Analysis dialog does (the same fields, checks and
// messages) and lists their records; the history takes them all, so nothing is selected. It
// reads nothing itself: the choice goes to the caller's reader, and the dialog closes once the
// reader has taken it.
class HistorySelectionDialog : public RecordSelectionDialog {
    Q_OBJECT

  public:
    // Takes the choice; false when it could not be used (the reader has told the user why), and
    // the dialog stays open for another try.
    using Reader = std::function<bool(const HistoryChoice&)>;

    HistorySelectionDialog(Prompter& prompter, Reader reader, const QString& fileText, QWidget* parent = nullptr);

  protected:
    void Confirm() override;

  private:
    Reader reader_;
};

}  // namespace orva
