// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <vector>

#include "screening/AnalysisGrid.h"

namespace orva {

// One of the two analysis grids as a table model, for the form's grids and for anything else
// that draws them: each cell's text, its background (the shade colour or white), its font
// (bold in the screening grid's heading row) and its alignment (running text on the left,
// short values centred, all at the top).
class AnalysisTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum class Table { Screening, Reliability };

    // Holds the grid's fixed texts until the first SetGrid.
    explicit AnalysisTableModel(Table table, QObject* parent = nullptr);

    // Takes this model's table of `grid`; every cell reports a change.
    void SetGrid(const AnalysisGrid& grid);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    // Qt::DisplayRole the text (Windows-1252 made Unicode, line breaks as stored);
    // Qt::BackgroundRole the colour, none for the screening grid's heading row, which keeps
    // the look of a heading; Qt::FontRole a bold font in that heading row only, to be resolved
    // against the drawing font; Qt::TextAlignmentRole the column's alignment at the top.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    static QColor ShadeColour() { return QColor(225, 225, 220); }
    static QColor WhiteColour() { return QColor(255, 255, 255); }

  private:
    struct Cell {
        QString text;
        bool shaded = false;
    };

    bool IsHeading(int row) const { return table_ == Table::Screening && row == 0; }

    Table table_;
    int rows_;
    std::vector<Cell> cells_;  // row by row
};

}  // namespace orva
