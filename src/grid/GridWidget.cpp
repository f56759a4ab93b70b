#include "grid/GridWidget.h"

#include <QAbstractItemModel>
#include <QBrush>
#include <QHeaderView>
#include <QResizeEvent>
#include <QTableWidget>
#include <QWheelEvent>
#include <algorithm>
#include <numeric>

namespace orva {

namespace {

// The text as set is kept beside the text as drawn, which has its CR LF pairs turned into
// plain line breaks (the item view would otherwise draw the CR as a glyph).
constexpr int kRawTextRole = Qt::UserRole;
constexpr int kOwnColourRole = Qt::UserRole + 1;

constexpr Qt::Alignment kHorizontalMask = Qt::AlignHorizontal_Mask;

QString DisplayText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

// The grid never scrolls (its cells are stretched to its window), so wheel turns go on to
// the scrolling form around it.
class DisplayTable : public QTableWidget {
  public:
    using QTableWidget::QTableWidget;

  protected:
    void wheelEvent(QWheelEvent* event) override { event->ignore(); }
};

}  // namespace

GridWidget::GridWidget(QWidget* parent) : QWidget(parent), table_(new DisplayTable(this)) {
    table_->setObjectName(QStringLiteral("gridTable"));
    table_->horizontalHeader()->hide();
    table_->verticalHeader()->hide();
    for (QHeaderView* header : {table_->horizontalHeader(), table_->verticalHeader()}) {
        header->setMinimumSectionSize(1);
        header->setSectionResizeMode(QHeaderView::Fixed);
    }
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->setWordWrap(true);
    table_->setTextElideMode(Qt::ElideNone);
    table_->setShowGrid(true);
    table_->setFrameShape(QFrame::Box);
    table_->setFrameShadow(QFrame::Plain);
    table_->setLineWidth(1);
    table_->setGeometry(rect());
}

void GridWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    table_->setGeometry(rect());
}

void GridWidget::SetRowCount(int rows) {
    if (rows < 0) return;
    const int oldRows = table_->rowCount();
    table_->setRowCount(rows);
    for (int row = oldRows; row < rows; ++row) {
        table_->setRowHeight(row, table_->verticalHeader()->defaultSectionSize());
        for (int column = 0; column < table_->columnCount(); ++column) Cell(row, column);
    }
}

int GridWidget::GetRowCount() const {
    return table_->rowCount();
}

void GridWidget::SetFixedRowCount(int rows) {
    if (rows < 0) return;
    const int before = fixedRows_;
    fixedRows_ = rows;
    for (int row = 0; row < std::max(before, rows) && row < table_->rowCount(); ++row) ApplyRowKind(row);
}

int GridWidget::GetFixedRowCount() const {
    return fixedRows_;
}

int GridWidget::InsertColumn(const QString& heading, Qt::Alignment alignment, int column) {
    const int columns = table_->columnCount();
    if (column < 0 || column > columns) column = columns;
    table_->insertColumn(column);
    columnAlignment_.insert(columnAlignment_.begin() + column, alignment & kHorizontalMask);
    for (int row = 0; row < table_->rowCount(); ++row) Cell(row, column);
    if (table_->rowCount() > 0) SetItemText(0, column, heading);
    return column;
}

int GridWidget::GetColumnCount() const {
    return table_->columnCount();
}

bool GridWidget::HasCell(int row, int column) const {
    return row >= 0 && column >= 0 && row < table_->rowCount() && column < table_->columnCount();
}

QTableWidgetItem* GridWidget::Cell(int row, int column) {
    QTableWidgetItem* item = table_->item(row, column);
    if (item != nullptr) return item;
    item = new QTableWidgetItem();
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(columnAlignment_[static_cast<std::size_t>(column)] | Qt::AlignTop);
    item->setBackground(row < fixedRows_ ? FixedBackground() : DefaultBackground());
    table_->setItem(row, column, item);
    return item;
}

const QTableWidgetItem* GridWidget::CellIfAny(int row, int column) const {
    return HasCell(row, column) ? table_->item(row, column) : nullptr;
}

void GridWidget::ApplyRowKind(int row) {
    for (int column = 0; column < table_->columnCount(); ++column) {
        QTableWidgetItem* item = Cell(row, column);
        if (!item->data(kOwnColourRole).toBool())
            item->setBackground(row < fixedRows_ ? FixedBackground() : DefaultBackground());
    }
}

bool GridWidget::SetItemText(int row, int column, const QString& text) {
    if (!HasCell(row, column)) return false;
    QTableWidgetItem* item = Cell(row, column);
    item->setData(kRawTextRole, text);
    item->setText(DisplayText(text));
    return true;
}

QString GridWidget::GetItemText(int row, int column) const {
    const QTableWidgetItem* item = CellIfAny(row, column);
    return item == nullptr ? QString() : item->data(kRawTextRole).toString();
}

bool GridWidget::SetItemBkColour(int row, int column, const QColor& colour) {
    if (!HasCell(row, column)) return false;
    QTableWidgetItem* item = Cell(row, column);
    item->setBackground(colour);
    item->setData(kOwnColourRole, true);
    return true;
}

QColor GridWidget::GetItemBkColour(int row, int column) const {
    const QTableWidgetItem* item = CellIfAny(row, column);
    if (item == nullptr) return row >= 0 && row < fixedRows_ ? FixedBackground() : DefaultBackground();
    return item->background().color();
}

bool GridWidget::SetItemFont(int row, int column, const QFont& font) {
    if (!HasCell(row, column)) return false;
    Cell(row, column)->setFont(font);
    return true;
}

QFont GridWidget::GetItemFont(int row, int column) const {
    const QTableWidgetItem* item = CellIfAny(row, column);
    if (item == nullptr || !item->data(Qt::FontRole).isValid()) return table_->font();
    return item->font();
}

Qt::Alignment GridWidget::GetItemAlignment(int row, int column) const {
    const QTableWidgetItem* item = CellIfAny(row, column);
    return item == nullptr ? Qt::Alignment() : Qt::Alignment(item->textAlignment());
}

void GridWidget::SetModel(const QAbstractItemModel* model) {
    if (model_ != nullptr) disconnect(model_, nullptr, this, nullptr);
    model_ = model;
    if (model_ == nullptr) return;
    connect(model_, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                FillFromModel(topLeft.row(), bottomRight.row());
            });
    connect(model_, &QAbstractItemModel::modelReset, this,
            [this] { FillFromModel(0, model_->rowCount() - 1); });
    connect(model_, &QObject::destroyed, this, [this] { model_ = nullptr; });
    FillFromModel(0, model_->rowCount() - 1);
}

void GridWidget::FillFromModel(int firstRow, int lastRow) {
    const int rows = std::min(lastRow + 1, table_->rowCount());
    const int columns = std::min(model_->columnCount(), table_->columnCount());
    for (int row = std::max(firstRow, 0); row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const QModelIndex index = model_->index(row, column);
            SetItemText(row, column, model_->data(index, Qt::DisplayRole).toString());
            const QVariant background = model_->data(index, Qt::BackgroundRole);
            if (background.isValid())
                SetItemBkColour(row, column,
                                background.typeId() == QMetaType::QBrush ? background.value<QBrush>().color()
                                                                         : background.value<QColor>());
            const QVariant font = model_->data(index, Qt::FontRole);
            if (font.isValid()) SetItemFont(row, column, font.value<QFont>().resolve(table_->font()));
            const QVariant alignment = model_->data(index, Qt::TextAlignmentRole);
            if (alignment.isValid()) Cell(row, column)->setTextAlignment(Qt::Alignment(alignment.toInt()));
        }
    }
    Refresh();
}

bool GridWidget::SetColumnWidth(int column, int width) {
    if (column < 0 || column >= table_->columnCount() || width < 0) return false;
    table_->setColumnWidth(column, width);
    return true;
}

int GridWidget::GetColumnWidth(int column) const {
    if (column < 0 || column >= table_->columnCount()) return 0;
    return table_->columnWidth(column);
}

bool GridWidget::SetRowHeight(int row, int height) {
    if (row < 0 || row >= table_->rowCount() || height < 0) return false;
    table_->setRowHeight(row, height);
    return true;
}

int GridWidget::GetRowHeight(int row) const {
    if (row < 0 || row >= table_->rowCount()) return 0;
    return table_->rowHeight(row);
}

QSize GridWidget::ClientSize() const {
    // Computed from the widget's own size: a hidden widget's viewport is laid out only when it
    // is first shown, and the grid is stretched before that.
    const int border = 2 * table_->frameWidth();
    return {std::max(0, width() - border), std::max(0, height() - border)};
}

std::vector<int> GridWidget::Spread(const std::vector<int>& sizes, int available) {
    std::vector<int> result = sizes;
    if (result.empty()) return result;
    const int count = static_cast<int>(result.size());
    const int spare = available - std::accumulate(result.begin(), result.end(), 0);
    // Floor division, so that the remainder is never negative and goes to the leading sections.
    int each = spare / count;
    if (spare % count != 0 && spare < 0) --each;
    int remainder = spare - each * count;
    for (int& size : result) {
        size = std::max(1, size + each + (remainder > 0 ? 1 : 0));
        if (remainder > 0) --remainder;
    }
    return result;
}

void GridWidget::ExpandColumnsToFit() {
    std::vector<int> widths;
    for (int column = 0; column < table_->columnCount(); ++column)
        widths.push_back(table_->columnWidth(column));
    const std::vector<int> fitted = Spread(widths, ClientSize().width());
    for (int column = 0; column < table_->columnCount(); ++column)
        table_->setColumnWidth(column, fitted[static_cast<std::size_t>(column)]);
}

void GridWidget::ExpandRowsToFit() {
    std::vector<int> heights;
    for (int row = 0; row < table_->rowCount(); ++row) heights.push_back(table_->rowHeight(row));
    const std::vector<int> fitted = Spread(heights, ClientSize().height());
    for (int row = 0; row < table_->rowCount(); ++row)
        table_->setRowHeight(row, fitted[static_cast<std::size_t>(row)]);
}

void GridWidget::ExpandToFit() {
    ExpandColumnsToFit();
    ExpandRowsToFit();
}

void GridWidget::Refresh() {
    table_->viewport()->update();
}

void GridWidget::SetAccessibleName(const QString& name) {
    table_->setAccessibleName(name);
}

}  // namespace orva
