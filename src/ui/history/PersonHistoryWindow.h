#pragma once

#include <QDialog>

#include "screening/PersonHistory.h"
#include "screening/ReportSet.h"

class QTableView;

namespace orva {

class PersonHistoryTableModel;
class Prompter;

// Every assessment of one person: the table of their screening rows by assessment, in
// completion order, each positive screen shaded as on the analysis form. Choosing the columns
// of one completion date and "Open Analysis" closes it with those records for the caller to
// analyse; the window itself changes nothing.
class PersonHistoryWindow : public QDialog {
    Q_OBJECT

  public:
    PersonHistoryWindow(Prompter& prompter, PersonHistory history, QWidget* parent = nullptr);
    ~PersonHistoryWindow() override;

    // After "Open Analysis": the chosen records, one per slot at most.
    const ReportSet& ChosenReports() const { return chosen_; }

    const PersonHistoryTableModel& Model() const { return *model_; }

  private:
    void OpenAnalysis();
    // The refusal of the selected columns, or true with them in `period`.
    bool CheckColumns(const std::vector<int>& columns, CompletionPeriod& period);
    QString HeadingText() const;

    Prompter& prompter_;
    PersonHistory history_;
    PersonHistoryTableModel* model_;
    QTableView* table_;
    ReportSet chosen_;
};

}  // namespace orva
