// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QAbstractTableModel>
#include <QString>

#include "screening/PersonHistory.h"

namespace orva {

// A person's history as a table: one column per assessment (its completion date and reporter,
// in history order) and one row per screening row, with the positive-screens count and Omega at
// the foot. Each screening cell says YES or NO with the row's criterion counts, in the words the
// analysis form uses.
class PersonHistoryTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    static constexpr int kPositiveScreensRow = kDisorderCount;
    static constexpr int kOmegaRow = kDisorderCount + 1;

    explicit PersonHistoryTableModel(const PersonHistory& history, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    // DisplayRole the text; ToolTipRole the items met of a positive screen; FontRole bold and
    // BackgroundRole the shade for a positive screen, white otherwise, with black text
    // (ForegroundRole) in any theme; TextAlignmentRole centred.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Columns: date and reporter on two lines, the observer as tooltip. Rows: the row's label on
    // one line, its cutoff as tooltip.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // "15/03/2012"; "No date" for a record without one.
    static QString DateText(int year, int month, int day);

  private:
    QString CellText(const HistoryAssessment& assessment, int row) const;
    bool Positive(const HistoryAssessment& assessment, int row) const;

    const PersonHistory& history_;
};

}  // namespace orva
