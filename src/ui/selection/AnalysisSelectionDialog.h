// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <functional>
#include <string>

#include "screening/ReportSet.h"
#include "store/RecordRow.h"
#include "ui/selection/RecordSelectionDialog.h"

namespace orva {

// The records picked for an analysis: the file they were listed from and, per slot (Self,
// Parent, Teacher), the chosen record's position (-1 for none) and its row as the list showed
// it, against which the record read later is checked.
struct AnalysisChoice {
    std::string path;  // as the store opens it, ".rpc" included
    std::array<int, kReportSlots> positions{-1, -1, -1};
    std::array<RecordRow, kReportSlots> listed;
};

// Picks up to three records of one person (at most one Self, one Parent and one Teacher
// report). It reads nothing itself: each checked choice goes to the caller's reader, and the
// dialog closes with OK once the reader has taken it.
class AnalysisSelectionDialog : public RecordSelectionDialog {
    Q_OBJECT

  public:
    // Takes a checked choice; false when it could not be used (the reader has told the user
    // why), and the dialog stays open for another try.
    using Reader = std::function<bool(const AnalysisChoice&)>;

    AnalysisSelectionDialog(Prompter& prompter, Reader reader, const QString& fileText,
                            QWidget* parent = nullptr);

    // The choice the dialog was closed with OK on.
    const AnalysisChoice& Choice() const { return choice_; }

  protected:
    void Confirm() override;

  private:
    Reader reader_;
    AnalysisChoice choice_;
};

}  // namespace orva
