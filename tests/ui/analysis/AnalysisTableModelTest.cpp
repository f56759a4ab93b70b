// SPDX-License-Identifier: Apache-2.0
#include <QFont>
#include <QSignalSpy>
#include <QtTest>

#include "screening/AnalysisGrid.h"
#include "ui/analysis/AnalysisTableModel.h"

using namespace orva;
using Table = AnalysisTableModel::Table;

namespace {

QVariant At(const AnalysisTableModel& model, int row, int column, int role) {
    return model.data(model.index(row, column), role);
}

}  // namespace

// The two analysis grids as table models: text, background, font and alignment by cell.
class AnalysisTableModelTest : public QObject {
    Q_OBJECT

  private slots:
    void eachTableHasItsRowsAndTheSevenColumns() {
        const AnalysisTableModel screening(Table::Screening);
        const AnalysisTableModel reliability(Table::Reliability);
        QCOMPARE(screening.rowCount(), 25);
        QCOMPARE(screening.columnCount(), 7);
        QCOMPARE(reliability.rowCount(), 2);
        QCOMPARE(reliability.columnCount(), 7);
        // A table has no children.
        QCOMPARE(screening.rowCount(screening.index(0, 0)), 0);
        QVERIFY(!At(screening, 25, 0, Qt::DisplayRole).isValid());
    }

    void untilTheFirstGridTheFixedTextsAreShown() {
        const AnalysisGrid fixed = FixedAnalysisGrid();
        const AnalysisTableModel screening(Table::Screening);
        const AnalysisTableModel reliability(Table::Reliability);
        for (int column = 0; column < kGridColumns; ++column) {
            QCOMPARE(At(screening, 0, column, Qt::DisplayRole).toString(),
                     QString::fromStdString(fixed.screening[0][column].text));
            QCOMPARE(At(reliability, 0, column, Qt::DisplayRole).toString(),
                     QString::fromStdString(fixed.reliability[0][column].text));
        }
        QCOMPARE(At(screening, kCountRow, 0, Qt::DisplayRole).toString(),
                 QString::fromStdString(fixed.screening[kCountRow][0].text));
    }

    void textsAreWindows1252MadeUnicodeWithTheirLineBreaks() {
        AnalysisGrid grid = FixedAnalysisGrid();
        grid.screening[3][6].text = "caf\xE9\r\n\x93quoted\x94";
        grid.reliability[1][6].text = "\x80 5";
        AnalysisTableModel screening(Table::Screening);
        AnalysisTableModel reliability(Table::Reliability);
        screening.SetGrid(grid);
        reliability.SetGrid(grid);
        QCOMPARE(At(screening, 3, 6, Qt::DisplayRole).toString(),
                 QStringLiteral("caf\u00E9\r\n\u201Cquoted\u201D"));
        QCOMPARE(At(reliability, 1, 6, Qt::DisplayRole).toString(), QStringLiteral("\u20AC 5"));
    }

    void shadedCellsHaveTheShadeColourAndOthersWhite() {
        AnalysisGrid grid = FixedAnalysisGrid();
        grid.screening[8][3] = {"3", true};
        grid.screening[8][4] = {"0", false};
        grid.reliability[1][5] = {"YES", true};
        AnalysisTableModel screening(Table::Screening);
        AnalysisTableModel reliability(Table::Reliability);
        screening.SetGrid(grid);
        reliability.SetGrid(grid);
        QCOMPARE(At(screening, 8, 3, Qt::BackgroundRole).value<QColor>(), QColor(225, 225, 220));
        QCOMPARE(At(screening, 8, 4, Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 255));
        QCOMPARE(At(reliability, 1, 5, Qt::BackgroundRole).value<QColor>(),
                 AnalysisTableModel::ShadeColour());
        QCOMPARE(At(reliability, 1, 6, Qt::BackgroundRole).value<QColor>(),
                 AnalysisTableModel::WhiteColour());
        // The reliability headings are shaded cells like any other.
        QCOMPARE(At(reliability, 0, 2, Qt::BackgroundRole).value<QColor>(),
                 AnalysisTableModel::ShadeColour());
    }

    void screeningHeadingsAreBoldAndKeepTheLookOfAHeading() {
        const AnalysisTableModel screening(Table::Screening);
        const AnalysisTableModel reliability(Table::Reliability);
        for (int column = 0; column < kGridColumns; ++column) {
            const QVariant font = At(screening, 0, column, Qt::FontRole);
            QVERIFY(font.isValid());
            QCOMPARE(font.value<QFont>().weight(), QFont::Bold);
            // Only the weight is the model's: face and size come from whatever draws it.
            QFont drawing(QStringLiteral("Serif"), 11);
            QCOMPARE(font.value<QFont>().resolve(drawing).pointSize(), 11);
            QVERIFY(!At(screening, 0, column, Qt::BackgroundRole).isValid());
            QVERIFY(!At(screening, 1, column, Qt::FontRole).isValid());
            QVERIFY(!At(reliability, 0, column, Qt::FontRole).isValid());
        }
    }

    void runningTextSitsLeftAndShortValuesCentredAllAtTheTop() {
        const AnalysisTableModel screening(Table::Screening);
        const AnalysisTableModel reliability(Table::Reliability);
        for (int column = 0; column < kGridColumns; ++column) {
            const Qt::Alignment expected =
                (column == 0 || column == 6 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignTop;
            for (int row : {0, 12, kCountRow})
                QCOMPARE(Qt::Alignment(At(screening, row, column, Qt::TextAlignmentRole).toInt()), expected);
            QCOMPARE(Qt::Alignment(At(reliability, 1, column, Qt::TextAlignmentRole).toInt()), expected);
        }
    }

    void newGridReportsEveryCellChanged() {
        AnalysisTableModel screening(Table::Screening);
        QSignalSpy changed(&screening, &QAbstractItemModel::dataChanged);
        AnalysisGrid grid = FixedAnalysisGrid();
        grid.screening[24][2] = {"4", true};
        screening.SetGrid(grid);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed[0][0].toModelIndex(), screening.index(0, 0));
        QCOMPARE(changed[0][1].toModelIndex(), screening.index(24, 6));
        QCOMPARE(At(screening, 24, 2, Qt::DisplayRole).toString(), QStringLiteral("4"));
    }
};

QTEST_MAIN(AnalysisTableModelTest)
#include "AnalysisTableModelTest.moc"
