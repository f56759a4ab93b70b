// SPDX-License-Identifier: Apache-2.0
#include "ui/analysis/AnalysisTableModel.h"

#include <QFont>
#include <span>

#include "model/Cp1252.h"

namespace orva {

AnalysisTableModel::AnalysisTableModel(Table table, QObject* parent)
    : QAbstractTableModel(parent),
      table_(table),
      rows_(table == Table::Screening ? kScreeningGridRows : kReliabilityGridRows),
      cells_(static_cast<std::size_t>(rows_ * kGridColumns)) {
    SetGrid(FixedAnalysisGrid());
}

void AnalysisTableModel::SetGrid(const AnalysisGrid& grid) {
    const std::span<const GridRow> rows = table_ == Table::Screening
                                              ? std::span<const GridRow>(grid.screening)
                                              : std::span<const GridRow>(grid.reliability);
    auto cell = cells_.begin();
    for (const GridRow& row : rows) {
        for (const GridCell& source : row) {
            *cell++ = Cell{QString::fromStdString(Cp1252::ToUtf8(source.text)), source.shaded};
        }
    }
    emit dataChanged(index(0, 0), index(rows_ - 1, kGridColumns - 1));
}

int AnalysisTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int AnalysisTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kGridColumns;
}

QVariant AnalysisTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    const Cell& cell = cells_[static_cast<std::size_t>(index.row() * kGridColumns + index.column())];
    switch (role) {
        case Qt::DisplayRole:
            return cell.text;
        case Qt::BackgroundRole:
            if (IsHeading(index.row())) return {};
            return cell.shaded ? ShadeColour() : WhiteColour();
        case Qt::FontRole: {
            if (!IsHeading(index.row())) return {};
            QFont bold;
            bold.setWeight(QFont::Bold);
            return bold;
        }
        case Qt::TextAlignmentRole: {
            // Columns 0 and 6 hold running text; the others hold short centred values.
            const bool running = index.column() == 0 || index.column() == kGridColumns - 1;
            return static_cast<int>((running ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignTop);
        }
        default:
            return {};
    }
}

}  // namespace orva
