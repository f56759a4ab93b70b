#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>
#include <Qt>
#include <vector>

class QAbstractItemModel;
class QTableWidget;
class QTableWidgetItem;

namespace orva {

// A display-only grid of text cells: fixed (header) rows at the top, then normal rows. Each
// cell has its own text, font and background colour; texts wrap at word boundaries and may
// hold line breaks ("\n" or "\r\n"). Nothing can be selected or edited.
//
// Cell operations return false when the cell does not exist and leave the grid unchanged.
class GridWidget : public QWidget {
    Q_OBJECT

  public:
    explicit GridWidget(QWidget* parent = nullptr);

    // Grows or shrinks the grid to `rows` rows; new cells are empty and white.
    void SetRowCount(int rows);
    int GetRowCount() const;
    // The first `rows` rows are fixed (header) rows; they are drawn like headers unless a cell
    // is given a colour of its own.
    void SetFixedRowCount(int rows);
    int GetFixedRowCount() const;

    // Inserts a column before `column` (at the end when -1 or past the end). `alignment` is
    // the horizontal alignment of the heading and of every cell in the column; texts always
    // start at the top of the cell. The heading goes into row 0 when the grid has rows.
    // Returns the new column's index.
    int InsertColumn(const QString& heading, Qt::Alignment alignment, int column = -1);
    int GetColumnCount() const;

    bool SetItemText(int row, int column, const QString& text);
    // The text exactly as set, line breaks included; empty for a missing cell.
    QString GetItemText(int row, int column) const;

    bool SetItemBkColour(int row, int column, const QColor& colour);
    // The colour the cell is painted with: its own, or the default of its row kind.
    QColor GetItemBkColour(int row, int column) const;

    bool SetItemFont(int row, int column, const QFont& font);
    // The cell's own font, or the grid's font when the cell has none.
    QFont GetItemFont(int row, int column) const;

    Qt::Alignment GetItemAlignment(int row, int column) const;

    // Shows `model`'s cells from now on and after every change of them (null: none). Each
    // cell the grid and the model both have takes the model's text (Qt::DisplayRole) and,
    // where the model gives them, its background (Qt::BackgroundRole), font (Qt::FontRole,
    // resolved against the grid's font) and alignment (Qt::TextAlignmentRole).
    void SetModel(const QAbstractItemModel* model);

    bool SetColumnWidth(int column, int width);
    int GetColumnWidth(int column) const;
    bool SetRowHeight(int row, int height);
    int GetRowHeight(int row) const;

    // The area the cells are drawn in (the widget less its border).
    QSize ClientSize() const;

    // Makes the columns fill the client width and the rows fill the client height: the spare
    // pixels are divided equally, the remainder one pixel each to the leftmost columns (the
    // topmost rows). A grid wider than its window loses width the same way.
    void ExpandToFit();
    void ExpandColumnsToFit();
    void ExpandRowsToFit();

    // Repaints the cells.
    void Refresh();
    // The name screen readers read the grid by.
    void SetAccessibleName(const QString& name);

    static QColor DefaultBackground() { return QColor(255, 255, 255); }
    static QColor FixedBackground() { return QColor(240, 240, 240); }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    bool HasCell(int row, int column) const;
    QTableWidgetItem* Cell(int row, int column);
    const QTableWidgetItem* CellIfAny(int row, int column) const;
    void ApplyRowKind(int row);
    void FillFromModel(int firstRow, int lastRow);
    static std::vector<int> Spread(const std::vector<int>& sizes, int available);

    QTableWidget* table_;
    int fixedRows_ = 0;
    std::vector<Qt::Alignment> columnAlignment_;
    const QAbstractItemModel* model_ = nullptr;
};

}  // namespace orva
