// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QDialog>
#include <QString>

#include "screening/AnalysisResult.h"
#include "screening/ReporterComparison.h"

class QComboBox;
class QLabel;
class QTableView;

namespace orva {

class ReporterComparisonFilter;
class ReporterComparisonModel;

// The reporters of the current analysis side by side, item by item: the agreement of each
// pair above, the items below, filtered by the choice in the "Show" box. It is run modally
// over the analysis it was made from, so it never shows an analysis that has since changed.
class ReporterComparisonWindow : public QDialog {
    Q_OBJECT

  public:
    // `analysis` is the analysis the comparison was made of; `person` names the young person.
    ReporterComparisonWindow(ReporterComparison comparison, const AnalysisResult& analysis, const QString& person,
                             QWidget* parent = nullptr);
    ~ReporterComparisonWindow() override;

    const ReporterComparisonModel& Model() const { return *model_; }
    const ReporterComparisonFilter& Filter() const { return *filter_; }

  private:
    QWidget* MakeAgreementGroup();
    void AddFilterChoices();
    void ApplyFilter();

    ReporterComparisonModel* model_;
    ReporterComparisonFilter* filter_;
    QComboBox* filterCombo_ = nullptr;
    QLabel* shownLabel_ = nullptr;
    QTableView* table_ = nullptr;
};

}  // namespace orva
