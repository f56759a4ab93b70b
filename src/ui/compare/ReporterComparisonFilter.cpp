#include "ui/compare/ReporterComparisonFilter.h"

#include <algorithm>

#include "ui/compare/ReporterComparisonModel.h"

namespace orva {

ReporterComparisonFilter::ReporterComparisonFilter(ReporterComparisonModel& model, QObject* parent)
    : QSortFilterProxyModel(parent), model_(model) {
    setSourceModel(&model);
}

void ReporterComparisonFilter::SetMode(Mode mode, DisorderId row) {
    mode_ = mode;
    row_ = row;
    invalidateRowsFilter();
}

bool ReporterComparisonFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    switch (mode_) {
        case Mode::All:
            return true;
        case Mode::Disagreements:
            return model_.Item(sourceRow).disagreement;
        case Mode::PositiveRows:
            return model_.FeedsPositiveRow(sourceRow);
        case Mode::FollowUp:
            return model_.ToFollowUp(sourceRow);
        case Mode::OneRow: {
            const auto& rows = model_.Item(sourceRow).rows;
            return std::find(rows.begin(), rows.end(), row_) != rows.end();
        }
    }
    return true;
}

}  // namespace orva
