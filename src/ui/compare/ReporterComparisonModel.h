#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <array>
#include <vector>

#include "screening/AnalysisResult.h"
#include "screening/ReporterComparison.h"

namespace orva {

// The item-by-item comparison of an analysis as a table: one row per item in item order, with
// its number, its wording, one column per present reporter's answer, the rows it feeds, the
// rows it counted towards a positive screen and the disagreement mark. It shows what the
// comparison holds and works nothing out itself.
class ReporterComparisonModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    ReporterComparisonModel(ReporterComparison comparison, const AnalysisResult& analysis,
                            QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    // DisplayRole the cell's text; ToolTipRole both wordings of a wording cell, the full row
    // labels of a rows cell, the rows counted of an answer; FontRole bold for an answer that
    // counted towards a positive screen; BackgroundRole the shade on a disagreement's row, with
    // black text (ForegroundRole) whatever the theme.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const ReporterComparison& Comparison() const { return comparison_; }
    const ItemComparison& Item(int row) const { return comparison_.items[static_cast<std::size_t>(row)]; }
    // The item feeds a row on which a present reporter screened positive.
    bool FeedsPositiveRow(int row) const;
    // The item is one to follow up and a present reporter endorsed it.
    bool ToFollowUp(int row) const;

    // The column of a reporter's answers, or -1 when that reporter is absent.
    int AnswerColumn(int slot) const;
    static constexpr int kItemColumn = 0;
    static constexpr int kWordingColumn = 1;
    int RowsColumn() const { return kWordingColumn + 1 + static_cast<int>(reporters_.size()); }
    int CountedColumn() const { return RowsColumn() + 1; }
    int DisagreementColumn() const { return RowsColumn() + 2; }

    // The short name of a screening row, as orva-cli names it too.
    static QString RowId(DisorderId id);
    // A screening row's label on one line.
    static QString RowTitle(DisorderId id);

  private:
    QVariant Display(const ItemComparison& item, int column) const;
    QVariant ToolTip(const ItemComparison& item, int column) const;
    // The slot of an answer column, or -1.
    int SlotOfColumn(int column) const;

    ReporterComparison comparison_;
    std::array<bool, kDisorderCount> positiveRows_{};
    std::vector<int> followUpItems_;  // endorsed by some reporter, ascending
    std::vector<int> reporters_;  // the present slots, in Self, Parent, Teacher order
};

}  // namespace orva
