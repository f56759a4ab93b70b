#pragma once

#include <QSortFilterProxyModel>

#include "screening/DisorderId.h"

namespace orva {

class ReporterComparisonModel;

// Which items of the comparison the window shows: all, the disagreements, the items of rows
// that screened positive, the items to follow up that a reporter endorsed, or the items of one
// screening row.
class ReporterComparisonFilter : public QSortFilterProxyModel {
    Q_OBJECT

  public:
    enum class Mode { All, Disagreements, PositiveRows, FollowUp, OneRow };

    explicit ReporterComparisonFilter(ReporterComparisonModel& model, QObject* parent = nullptr);

    // `row` counts for Mode::OneRow only.
    void SetMode(Mode mode, DisorderId row = DisorderId::GAD);
    Mode CurrentMode() const { return mode_; }

  protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

  private:
    const ReporterComparisonModel& model_;
    Mode mode_ = Mode::All;
    DisorderId row_ = DisorderId::GAD;
};

}  // namespace orva
