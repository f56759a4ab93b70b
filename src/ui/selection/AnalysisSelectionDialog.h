#pragma once

#include "ui/selection/RecordSelectionDialog.h"
#include "screening/ReportSet.h"

namespace orva {

// Picks up to three records of one person (at most one Self, one Parent and one Teacher
// report) and reads them into the current analysis. Accepted only once the analysis holds
// every chosen record.
class AnalysisSelectionDialog : public RecordSelectionDialog {
    Q_OBJECT

  public:
    AnalysisSelectionDialog(Prompter& prompter, ReportSet& reports, const QString& fileText, QWidget* parent = nullptr);

  protected:
    void Confirm() override;

  private:
    // Empties the analysis and reads the chosen records (file positions by slot, -1 for none)
    // into it; false, with the analysis left empty, when any of them could not be read.
    bool ReadIntoAnalysis(const std::array<int, kReportSlots>& positions);

    ReportSet& reports_;
};

}  // namespace orva
