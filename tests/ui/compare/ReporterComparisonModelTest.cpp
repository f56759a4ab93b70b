// SPDX-License-Identifier: Apache-2.0
#include <QFont>
#include <QtTest>

#include "model/ItemCatalogue.h"
#include "ui/CoreText.h"
#include "ui/analysis/AnalysisTableModel.h"
#include "ui/compare/ReporterComparisonFilter.h"
#include "ui/compare/ReporterComparisonModel.h"

using namespace orva;

namespace {

// Four items as a comparison of a Self- and a Teacher-report gives them (no Parent-report):
// item 1 answered alike, item 7 left out of the Teacher form, item 15 two points apart and
// counted towards conduct disorder by the Teacher, item 45 left blank by the Self-report.
ReporterComparison Compared() {
    ReporterComparison comparison;
    comparison.present = {true, false, true};
    ItemComparison alike;
    alike.item = 1;
    alike.answers = {0, std::nullopt, 0};
    alike.rows = {DisorderId::GAD};
    ItemComparison notAsked;
    notAsked.item = 7;
    notAsked.answers = {5, std::nullopt, std::nullopt};
    notAsked.notAskedOfTeacher = true;
    notAsked.rows = {DisorderId::PTSD};
    ItemComparison apart;
    apart.item = 15;
    apart.answers = {1, std::nullopt, 4};
    apart.rows = {DisorderId::CD, DisorderId::ODD};
    apart.countedPositive[kTeacher] = {DisorderId::CD};
    apart.disagreement = true;
    ItemComparison blank;
    blank.item = 45;
    blank.answers = {std::nullopt, std::nullopt, 2};
    blank.rows = {DisorderId::PD};
    comparison.items = {alike, notAsked, apart, blank};
    comparison.pairs = {ReporterAgreement{kSelf, kTeacher, 2, 0.5, std::nullopt}};
    return comparison;
}

// Conduct disorder screened positive; nothing else did.
AnalysisResult ConductPositive() {
    AnalysisResult analysis;
    analysis.present = {true, false, true};
    for (DisorderId id : kAllDisorders) analysis.rows[RowIndex(id)].id = id;
    analysis.rows[RowIndex(DisorderId::CD)].cutoffAttained = true;
    return analysis;
}

QStringList ShownItems(const QAbstractItemModel& model) {
    QStringList items;
    for (int row = 0; row < model.rowCount(); ++row)
        items << model.data(model.index(row, ReporterComparisonModel::kItemColumn)).toString();
    return items;
}

}  // namespace

// The comparison table shows what the comparison holds, and its filter picks the items asked for.
class ReporterComparisonModelTest : public QObject {
    Q_OBJECT

  private:
    ReporterComparisonModel model_{Compared(), ConductPositive()};

    QString Cell(int row, int column, int role = Qt::DisplayRole) const {
        return model_.data(model_.index(row, column), role).toString();
    }

  private slots:
    void onlyPresentReportersHaveAColumn() {
        QCOMPARE(model_.rowCount(), 4);
        QStringList headings;
        for (int column = 0; column < model_.columnCount(); ++column)
            headings << model_.headerData(column, Qt::Horizontal).toString();
        QCOMPARE(headings, QStringList({"Item", "Wording (Parent and Teacher)", "Self-report", "Teacher-report",
                                        "Screening rows", "Counted towards a positive screen", "2+ points apart"}));
        QCOMPARE(model_.AnswerColumn(kParent), -1);
    }

    void answersShowTheirDigitAndScaleWordAndBlanksStayBlank() {
        const int self = model_.AnswerColumn(kSelf);
        const int teacher = model_.AnswerColumn(kTeacher);
        QCOMPARE(Cell(0, self), QStringLiteral("0 Never"));
        QCOMPARE(Cell(1, self), QStringLiteral("5 Very Often"));
        QCOMPARE(Cell(2, teacher), QStringLiteral("4 Often"));
        QCOMPARE(Cell(3, self), QString());
        QCOMPARE(Cell(3, teacher), QStringLiteral("2 Sometimes"));
        QCOMPARE(Cell(1, teacher), QStringLiteral("not asked of teachers"));
    }

    void wordingIsTheParentOneWithBothInTheTooltip() {
        const QString other = CoreText::ToQt(ItemCatalogue::Wording(kParent, 15));
        const QString self = CoreText::ToQt(ItemCatalogue::Wording(kSelf, 15));
        QVERIFY(other != self);
        QCOMPARE(Cell(2, ReporterComparisonModel::kWordingColumn), other);
        QCOMPARE(Cell(2, ReporterComparisonModel::kWordingColumn, Qt::ToolTipRole),
                 QStringLiteral("Parent- and Teacher-report: ") + other + QStringLiteral("\nSelf-report: ") + self);
    }

    void rowsFedAndCountedAreNamedWithTheFullLabelsAsTooltip() {
        QCOMPARE(Cell(2, model_.RowsColumn()), QStringLiteral("CD, ODD"));
        QCOMPARE(Cell(2, model_.RowsColumn(), Qt::ToolTipRole),
                 QStringLiteral("CD: Conduct disorder (#2)\nODD: Oppositional defiant disorder (#2)"));
        QCOMPARE(Cell(2, model_.CountedColumn()), QStringLiteral("Teacher: CD"));
        QCOMPARE(Cell(0, model_.CountedColumn()), QString());
        QCOMPARE(Cell(2, model_.AnswerColumn(kTeacher), Qt::ToolTipRole),
                 QStringLiteral("Counted towards a positive screen: Conduct disorder (#2)"));
    }

    void answerThatCountedIsBoldAndADisagreementIsMarkedAndShaded() {
        const QModelIndex counted = model_.index(2, model_.AnswerColumn(kTeacher));
        QVERIFY(model_.data(counted, Qt::FontRole).value<QFont>().bold());
        QVERIFY(!model_.data(model_.index(2, model_.AnswerColumn(kSelf)), Qt::FontRole).isValid());
        QCOMPARE(Cell(2, model_.DisagreementColumn()), QStringLiteral("Yes"));
        QCOMPARE(model_.data(model_.index(2, 0), Qt::BackgroundRole).value<QColor>(),
                 AnalysisTableModel::ShadeColour());
        QCOMPARE(model_.data(model_.index(2, 0), Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
        QCOMPARE(Cell(0, model_.DisagreementColumn()), QString());
        QVERIFY(!model_.data(model_.index(0, 0), Qt::BackgroundRole).isValid());
    }

    void filterShowsTheItemsAskedFor() {
        ReporterComparisonFilter filter(model_);
        QCOMPARE(ShownItems(filter), QStringList({"1", "7", "15", "45"}));
        filter.SetMode(ReporterComparisonFilter::Mode::Disagreements);
        QCOMPARE(ShownItems(filter), QStringList({"15"}));
        // Items of a row that screened positive, whether or not they counted towards it.
        filter.SetMode(ReporterComparisonFilter::Mode::PositiveRows);
        QCOMPARE(ShownItems(filter), QStringList({"15"}));
        filter.SetMode(ReporterComparisonFilter::Mode::OneRow, DisorderId::PTSD);
        QCOMPARE(ShownItems(filter), QStringList({"7"}));
        filter.SetMode(ReporterComparisonFilter::Mode::OneRow, DisorderId::ODD);
        QCOMPARE(ShownItems(filter), QStringList({"15"}));
        filter.SetMode(ReporterComparisonFilter::Mode::OneRow, DisorderId::TD);
        QCOMPARE(filter.rowCount(), 0);
        filter.SetMode(ReporterComparisonFilter::Mode::All);
        QCOMPARE(filter.rowCount(), 4);
    }
};

QTEST_MAIN(ReporterComparisonModelTest)
#include "ReporterComparisonModelTest.moc"
