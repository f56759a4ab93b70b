// SPDX-License-Identifier: Apache-2.0
#include <QFont>
#include <QtTest>

#include "screening/ScreeningPresentation.h"
#include "ui/CoreText.h"
#include "ui/analysis/AnalysisTableModel.h"
#include "ui/support/HistoryTestRecords.h"
#include "ui/history/PersonHistoryTableModel.h"

using namespace orva;
using namespace orva::history_test;

// The history table shows each assessment's own analysis in the analysis form's words.
class PersonHistoryTableModelTest : public QObject {
    Q_OBJECT

  private:
    PersonHistory history_ = HistoryOf(SixAssessments());
    PersonHistoryTableModel model_{history_};

    QString Cell(int row, int column, int role = Qt::DisplayRole) const {
        return model_.data(model_.index(row, column), role).toString();
    }
    int ColumnOf(int year, int reporter) const {
        for (int column = 0; column < model_.columnCount(); ++column) {
            const HistoryAssessment& a = history_.assessments[static_cast<std::size_t>(column)];
            if (a.completionYear == year && a.reporter == reporter) return column;
        }
        return -1;
    }

  private slots:
    void oneColumnPerAssessmentHeadedByDateAndReporter() {
        QCOMPARE(model_.columnCount(), 6);
        QCOMPARE(model_.rowCount(), kDisorderCount + 2);
        QStringList headings;
        for (int column = 0; column < model_.columnCount(); ++column)
            headings << model_.headerData(column, Qt::Horizontal).toString();
        QCOMPARE(headings, QStringList({"12/09/2023\nParent-report", "12/09/2023\nTeacher-report",
                                        "03/10/2024\nSelf-report", "03/10/2024\nParent-report",
                                        "20/05/2026\nSelf-report", "20/05/2026\nParent-report"}));
        QCOMPARE(model_.headerData(1, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 QStringLiteral("Assessment by: Mr Lee"));
        QVERIFY(!model_.headerData(2, Qt::Horizontal, Qt::ToolTipRole).isValid());
    }

    void rowsAreTheScreeningRowsThenTheCountAndOmega() {
        QCOMPARE(model_.headerData(0, Qt::Vertical).toString(), QStringLiteral("Generalised anxiety disorder"));
        QCOMPARE(model_.headerData(RowIndex(DisorderId::ADHD_I), Qt::Vertical).toString(),
                 QStringLiteral("Attention-deficit/hyperactivity disorder, inattentive type (#1)"));
        QCOMPARE(model_.headerData(0, Qt::Vertical, Qt::ToolTipRole).toString(),
                 QStringLiteral("Positive screen cutoff: >=1 >=3"));
        QCOMPARE(model_.headerData(PersonHistoryTableModel::kPositiveScreensRow, Qt::Vertical).toString(),
                 QStringLiteral("Number of positive screens"));
        QCOMPARE(model_.headerData(PersonHistoryTableModel::kOmegaRow, Qt::Vertical).toString(),
                 QStringLiteral("Reliability Measure (Omega Statistic)"));
    }

    // A screen says YES or NO with the row's counts; a positive one is bold, shaded and lists its
    // items met; the foot gives the reporter's count and Omega as the form does.
    void cellsShowEachAssessmentsOwnAnalysis() {
        const int column = ColumnOf(2023, kParent);
        const HistoryAssessment& parent = history_.assessments[static_cast<std::size_t>(column)];
        const ReporterScore& gad = parent.analysis.Row(DisorderId::GAD).reporters[kParent];
        QVERIFY(gad.result.positive);
        QCOMPARE(Cell(RowIndex(DisorderId::GAD), column),
                 QStringLiteral("YES (%1 / %2)").arg(gad.result.counts[0]).arg(gad.result.counts[1]));
        QVERIFY(model_.data(model_.index(0, column), Qt::FontRole).value<QFont>().bold());
        QCOMPARE(model_.data(model_.index(0, column), Qt::BackgroundRole).value<QColor>(),
                 AnalysisTableModel::ShadeColour());
        QCOMPARE(model_.data(model_.index(0, column), Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
        QCOMPARE(Cell(RowIndex(DisorderId::GAD), column, Qt::ToolTipRole),
                 QStringLiteral("Items met: ") + CoreText::ToQt(ItemListText(gad.result.itemsMet)));

        const ReporterScore& ocd = parent.analysis.Row(DisorderId::OCD).reporters[kParent];
        QVERIFY(!ocd.result.positive);
        QCOMPARE(Cell(RowIndex(DisorderId::OCD), column), QStringLiteral("NO (%1)").arg(ocd.result.counts[0]));
        QVERIFY(!model_.data(model_.index(RowIndex(DisorderId::OCD), column), Qt::FontRole).isValid());
        QCOMPARE(model_.data(model_.index(RowIndex(DisorderId::OCD), column), Qt::BackgroundRole).value<QColor>(),
                 AnalysisTableModel::WhiteColour());
        QVERIFY(!model_.data(model_.index(RowIndex(DisorderId::OCD), column), Qt::ToolTipRole).isValid());

        QCOMPARE(Cell(PersonHistoryTableModel::kPositiveScreensRow, column),
                 QString::number(parent.analysis.positiveScreens[kParent]));
        QCOMPARE(Cell(PersonHistoryTableModel::kOmegaRow, column),
                 CoreText::ToQt(OmegaText(parent.analysis.omega[kParent])));
    }

    void rowsTeachersAreNotAskedSaySoInTeacherColumns() {
        const int teacher = ColumnOf(2023, kTeacher);
        QCOMPARE(Cell(RowIndex(DisorderId::SAD), teacher), QStringLiteral("Not Assessed in the TRF"));
        QVERIFY(Cell(RowIndex(DisorderId::SAD), ColumnOf(2023, kParent)).startsWith(QStringLiteral("NO (")));
    }

    void datelessRecordsAreNamedSo() {
        QCOMPARE(PersonHistoryTableModel::DateText(0, 0, 0), QStringLiteral("No date"));
        QCOMPARE(PersonHistoryTableModel::DateText(2024, 1, 9), QStringLiteral("09/01/2024"));
    }
};

QTEST_MAIN(PersonHistoryTableModelTest)
#include "PersonHistoryTableModelTest.moc"
