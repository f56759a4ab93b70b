#include "ui/analysis/FollowUpTable.h"

#include <QHeaderView>

#include "screening/ScreeningPresentation.h"
#include "screening/ScreeningTexts.h"
#include "ui/CoreText.h"

namespace orva {

namespace {

constexpr int kColumns = 4;
constexpr int kWordingColumn = 3;

QTableWidgetItem* Cell(const std::string& text) {
    auto* cell = new QTableWidgetItem(CoreText::ToQt(text));
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return cell;
}

}  // namespace

FollowUpTable::FollowUpTable(QWidget* parent) : QTableWidget(0, kColumns, parent) {
    setObjectName(QStringLiteral("followUpTable"));
    setAccessibleName(CoreText::ToQt(texts::kFollowUpHeading));
    setAccessibleDescription(CoreText::ToQt(texts::kFollowUpNote));
    setToolTip(CoreText::ToQt(texts::kFollowUpNote));
    QStringList headings;
    for (const char* heading : texts::kFollowUpColumns) headings << CoreText::ToQt(heading);
    setHorizontalHeaderLabels(headings);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (int column = 0; column < kWordingColumn; ++column)
        horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(kWordingColumn, QHeaderView::Stretch);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Arrows move within the list; Tab leaves it.
    setTabKeyNavigation(false);
    setWordWrap(true);
}

void FollowUpTable::ShowAnalysis(const AnalysisResult& analysis) {
    Clear();
    const std::vector<FollowUpTexts> rows = FollowUpRows(analysis);
    if (rows.empty()) {
        setRowCount(1);
        setItem(0, 0, Cell(texts::kNoneEndorsed));
        setSpan(0, 0, 1, kColumns);
        return;
    }
    setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < rowCount(); ++row) {
        const FollowUpTexts& cells = rows[static_cast<std::size_t>(row)];
        setItem(row, 0, Cell(cells.item));
        setItem(row, 1, Cell(cells.reporter));
        setItem(row, 2, Cell(cells.answer));
        setItem(row, 3, Cell(cells.wording));
    }
}

void FollowUpTable::Clear() {
    clearSpans();
    setRowCount(0);
}

}  // namespace orva
