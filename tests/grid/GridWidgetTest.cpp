// SPDX-License-Identifier: Apache-2.0
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QWheelEvent>
#include <QtTest>
#include <numeric>

#include "grid/GridWidget.h"

using orva::GridWidget;

namespace {

// A grid of `columns` columns of `width` pixels and `rows` rows of `height` pixels whose
// drawing area is `client`.
void MakeGrid(GridWidget& grid, int rows, int columns, int width, int height, QSize client) {
    grid.SetRowCount(rows);
    for (int c = 0; c < columns; ++c) grid.InsertColumn(QString::number(c), Qt::AlignLeft);
    for (int c = 0; c < columns; ++c) grid.SetColumnWidth(c, width);
    for (int r = 0; r < rows; ++r) grid.SetRowHeight(r, height);
    const int border = grid.width() - grid.ClientSize().width();
    grid.resize(client.width() + border, client.height() + border);
}

QList<int> Widths(const GridWidget& grid) {
    QList<int> widths;
    for (int c = 0; c < grid.GetColumnCount(); ++c) widths << grid.GetColumnWidth(c);
    return widths;
}

QList<int> Heights(const GridWidget& grid) {
    QList<int> heights;
    for (int r = 0; r < grid.GetRowCount(); ++r) heights << grid.GetRowHeight(r);
    return heights;
}

}  // namespace

class GridTest : public QObject {
    Q_OBJECT

  private slots:
    void insertedColumnPutsItsHeadingInRowZeroAndAlignsEveryCell() {
        GridWidget grid;
        grid.SetRowCount(3);
        grid.SetFixedRowCount(1);
        grid.InsertColumn(QStringLiteral("Left"), Qt::AlignLeft);
        grid.InsertColumn(QStringLiteral("Centre"), Qt::AlignHCenter);
        QCOMPARE(grid.GetColumnCount(), 2);
        QCOMPARE(grid.GetItemText(0, 0), QStringLiteral("Left"));
        QCOMPARE(grid.GetItemText(0, 1), QStringLiteral("Centre"));
        QCOMPARE(grid.GetItemText(2, 1), QString());
        // Texts start at the top of their cells, so multi-line cells line up row by row.
        QCOMPARE(grid.GetItemAlignment(2, 0), Qt::AlignLeft | Qt::AlignTop);
        QCOMPARE(grid.GetItemAlignment(0, 1), Qt::AlignHCenter | Qt::AlignTop);

        // Rows added later take their column's alignment too.
        grid.SetRowCount(5);
        QCOMPARE(grid.GetItemAlignment(4, 1), Qt::AlignHCenter | Qt::AlignTop);

        // A column inserted before another shifts it right.
        QCOMPARE(grid.InsertColumn(QStringLiteral("First"), Qt::AlignRight, 0), 0);
        QCOMPARE(grid.GetItemText(0, 1), QStringLiteral("Left"));
        QCOMPARE(grid.GetItemAlignment(3, 0), Qt::AlignRight | Qt::AlignTop);
    }

    void textKeepsItsLineBreaksExactlyAsSet() {
        GridWidget grid;
        grid.SetRowCount(1);
        grid.InsertColumn(QString(), Qt::AlignLeft);
        const QString text = QStringLiteral("\r\nOmega\r\nCutoff");
        QVERIFY(grid.SetItemText(0, 0, text));
        QCOMPARE(grid.GetItemText(0, 0), text);
        // What is drawn has plain line breaks: a CR would show as a glyph of its own.
        auto* table = grid.findChild<QTableWidget*>();
        QVERIFY(table != nullptr);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("\nOmega\nCutoff"));
    }

    void operationsOnCellsOutsideTheGridChangeNothing() {
        GridWidget grid;
        grid.SetRowCount(2);
        grid.InsertColumn(QStringLiteral("a"), Qt::AlignLeft);
        QVERIFY(!grid.SetItemText(2, 0, QStringLiteral("x")));
        QVERIFY(!grid.SetItemText(0, 1, QStringLiteral("x")));
        QVERIFY(!grid.SetItemText(-1, 0, QStringLiteral("x")));
        QVERIFY(!grid.SetItemBkColour(5, 5, Qt::red));
        QVERIFY(!grid.SetItemFont(0, 3, QFont()));
        QVERIFY(!grid.SetColumnWidth(1, 10));
        QVERIFY(!grid.SetRowHeight(2, 10));
        QCOMPARE(grid.GetItemText(9, 9), QString());
        QCOMPARE(grid.GetColumnWidth(4), 0);
        QCOMPARE(grid.GetItemText(0, 0), QStringLiteral("a"));
    }

    void cellsAreWhiteAndFixedRowsLookLikeHeadersUnlessColouredThemselves() {
        GridWidget grid;
        grid.SetRowCount(3);
        grid.InsertColumn(QStringLiteral("a"), Qt::AlignLeft);
        grid.InsertColumn(QStringLiteral("b"), Qt::AlignLeft);
        QCOMPARE(grid.GetItemBkColour(1, 0), QColor(255, 255, 255));
        grid.SetFixedRowCount(1);
        QCOMPARE(grid.GetItemBkColour(0, 0), GridWidget::FixedBackground());
        QCOMPARE(grid.GetItemBkColour(1, 0), QColor(255, 255, 255));

        const QColor shade(225, 225, 220);
        QVERIFY(grid.SetItemBkColour(0, 1, shade));
        QVERIFY(grid.SetItemBkColour(2, 1, shade));
        QCOMPARE(grid.GetItemBkColour(2, 1), shade);
        // A cell's own colour survives a change of the fixed rows; the others follow it.
        grid.SetFixedRowCount(0);
        QCOMPARE(grid.GetItemBkColour(0, 1), shade);
        QCOMPARE(grid.GetItemBkColour(0, 0), QColor(255, 255, 255));
    }

    void cellFontDefaultsToTheGridsAndCanBeMadeBold() {
        GridWidget grid;
        grid.SetRowCount(2);
        grid.InsertColumn(QStringLiteral("a"), Qt::AlignLeft);
        QFont font = grid.GetItemFont(0, 0);
        QVERIFY(font.weight() < QFont::Bold);
        font.setWeight(QFont::Bold);
        QVERIFY(grid.SetItemFont(0, 0, font));
        QCOMPARE(grid.GetItemFont(0, 0).weight(), QFont::Bold);
        QVERIFY(grid.GetItemFont(1, 0).weight() < QFont::Bold);
    }

    void modelCellsAreShownAndFollowedWithWhatTheModelGives() {
        GridWidget grid;
        QFont gridFont(QStringLiteral("Sans"), 9);
        grid.setFont(gridFont);
        MakeGrid(grid, 3, 2, 40, 20, QSize(80, 60));
        grid.SetFixedRowCount(1);
        grid.SetItemBkColour(2, 1, Qt::green);
        // One row more than the grid: what does not fit is left out.
        QStandardItemModel model(4, 2);
        model.setData(model.index(0, 0), QStringLiteral("Heading"));
        QFont bold;
        bold.setWeight(QFont::Bold);
        model.setData(model.index(0, 0), bold, Qt::FontRole);
        model.setData(model.index(1, 1), QStringLiteral("a\r\nb"));
        model.setData(model.index(1, 1), QColor(225, 225, 220), Qt::BackgroundRole);
        model.setData(model.index(1, 1), static_cast<int>(Qt::AlignRight | Qt::AlignTop),
                      Qt::TextAlignmentRole);
        model.setData(model.index(3, 0), QStringLiteral("beyond"));
        grid.SetModel(&model);

        QCOMPARE(grid.GetItemText(0, 0), QStringLiteral("Heading"));
        QCOMPARE(grid.GetItemFont(0, 0).weight(), QFont::Bold);
        QCOMPARE(grid.GetItemFont(0, 0).pointSize(), 9);
        QCOMPARE(grid.GetItemText(1, 1), QStringLiteral("a\r\nb"));
        QCOMPARE(grid.GetItemBkColour(1, 1), QColor(225, 225, 220));
        QCOMPARE(grid.GetItemAlignment(1, 1), Qt::AlignRight | Qt::AlignTop);
        // Where the model gives nothing the grid keeps its own looks; texts come from the model.
        QCOMPARE(grid.GetItemBkColour(0, 1), GridWidget::FixedBackground());
        QCOMPARE(grid.GetItemBkColour(2, 1), QColor(Qt::green));
        QCOMPARE(grid.GetItemAlignment(2, 0), Qt::AlignLeft | Qt::AlignTop);
        QCOMPARE(grid.GetItemText(0, 1), QString());
        QCOMPARE(grid.GetRowCount(), 3);

        model.setData(model.index(2, 0), QStringLiteral("later"));
        QCOMPARE(grid.GetItemText(2, 0), QStringLiteral("later"));
        grid.SetModel(nullptr);
        model.setData(model.index(2, 0), QStringLiteral("unseen"));
        QCOMPARE(grid.GetItemText(2, 0), QStringLiteral("later"));
    }

    void stretchingSharesSparePixelsEquallyWithTheRestToTheLeadingSections_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("available");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("exact") << 3 << 10 << 30 << QList<int>{10, 10, 10};
        QTest::newRow("spare divides") << 3 << 10 << 36 << QList<int>{12, 12, 12};
        QTest::newRow("remainder to the left") << 3 << 10 << 35 << QList<int>{12, 12, 11};
        QTest::newRow("one spare pixel") << 4 << 10 << 41 << QList<int>{11, 10, 10, 10};
        QTest::newRow("too wide shrinks") << 3 << 10 << 25 << QList<int>{9, 8, 8};
    }
    void stretchingSharesSparePixelsEquallyWithTheRestToTheLeadingSections() {
        QFETCH(int, count);
        QFETCH(int, size);
        QFETCH(int, available);
        QFETCH(QList<int>, expected);

        GridWidget columns;
        MakeGrid(columns, 1, count, size, 20, QSize(available, 20));
        columns.ExpandColumnsToFit();
        QCOMPARE(Widths(columns), expected);

        GridWidget rows;
        MakeGrid(rows, count, 1, 20, size, QSize(20, available));
        rows.ExpandRowsToFit();
        QCOMPARE(Heights(rows), expected);
        QCOMPARE(Widths(rows), QList<int>{20});
    }

    void stretchedGridFillsItsWindowExactly() {
        GridWidget grid;
        const QList<int> start{235, 67, 65, 67, 68, 68, 267};
        grid.SetRowCount(25);
        for (int c = 0; c < start.size(); ++c) {
            grid.InsertColumn(QString(), Qt::AlignLeft);
            grid.SetColumnWidth(c, start[c]);
        }
        grid.resize(1000, 1300);
        grid.ExpandToFit();
        const QList<int> widths = Widths(grid);
        QCOMPARE(std::accumulate(widths.begin(), widths.end(), 0), grid.ClientSize().width());
        const QList<int> heights = Heights(grid);
        QCOMPARE(std::accumulate(heights.begin(), heights.end(), 0), grid.ClientSize().height());
        // Every column gained the same, give or take the one-pixel remainder.
        for (int c = 1; c < widths.size(); ++c)
            QVERIFY(std::abs((widths[c] - start[c]) - (widths[0] - start[0])) <= 1);
    }

    void wheelTurnsAreLeftToTheFormAroundTheGrid() {
        GridWidget grid;
        MakeGrid(grid, 10, 2, 50, 50, QSize(100, 100));
        auto* table = grid.findChild<QTableWidget*>();
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        const QPointF at(10, 10);
        QWheelEvent wheel(at, table->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(table->viewport(), &wheel);
        // Not taken: the window system hands an ignored turn on to the scrolling form.
        QVERIFY(!wheel.isAccepted());
        QCOMPARE(table->verticalScrollBar()->value(), 0);
    }

    void gridIsForDisplayOnly() {
        GridWidget grid;
        grid.SetRowCount(2);
        grid.InsertColumn(QStringLiteral("a"), Qt::AlignLeft);
        auto* table = grid.findChild<QTableWidget*>();
        QVERIFY(table != nullptr);
        QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(table->selectionMode(), QAbstractItemView::NoSelection);
        QVERIFY(table->wordWrap());
        QVERIFY(!(table->item(1, 0)->flags() & Qt::ItemIsEditable));
        QVERIFY(!(table->item(1, 0)->flags() & Qt::ItemIsSelectable));
    }
};

QTEST_MAIN(GridTest)
#include "GridWidgetTest.moc"
