// SPDX-License-Identifier: Apache-2.0
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "ui/support/HistoryTestRecords.h"
#include "ui/history/PersonHistoryTableModel.h"
#include "ui/history/PersonHistoryWindow.h"
#include "ui/support/ScriptedPrompter.h"
#include "ui/support/UiTestSupport.h"

using namespace orva;
using namespace orva::history_test;
using orva::testsupport::SaveSnapshot;
using orva::testsupport::ScriptedPrompter;

// The history window: the table of one person's assessments, and the columns of one date opened
// as an analysis.
class PersonHistoryWindowTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<ScriptedPrompter> prompter_;
    std::unique_ptr<PersonHistoryWindow> window_;

    void Open(const std::vector<AssessmentRecord>& records) {
        window_ = std::make_unique<PersonHistoryWindow>(*prompter_, HistoryOf(records));
        window_->show();
        QApplication::setActiveWindow(window_.get());
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    QTableView& Table() { return *window_->findChild<QTableView*>(QStringLiteral("historyTable")); }

    // A click on a cell picks its whole column; with Ctrl it adds the column.
    void ClickColumn(int column, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Table().scrollTo(Table().model()->index(0, column));
        const QRect cell = Table().visualRect(Table().model()->index(0, column));
        QTest::mouseClick(Table().viewport(), Qt::LeftButton, modifiers, cell.center());
    }

    void ClickOpen() {
        QTest::mouseClick(window_->findChild<QPushButton*>(QStringLiteral("openAnalysisButton")), Qt::LeftButton);
    }

    // Open Analysis is refused with the message captioned `caption`; the window stays open.
    void ExpectRefusal(const QString& caption) {
        prompter_->ExpectMessage();
        ClickOpen();
        QCOMPARE(prompter_->Last().caption, caption);
        QCOMPARE(prompter_->Last().icon, MessageIcon::Stop);
        QVERIFY(window_->isVisible());
        QCOMPARE(window_->result(), int(QDialog::Rejected));
    }

  private slots:
    void init() { prompter_ = std::make_unique<ScriptedPrompter>(); }

    void cleanup() {
        QVERIFY2(prompter_->AllExpectedAndConsumed(), qPrintable(prompter_->Report()));
        window_.reset();
        prompter_.reset();
    }

    void showsEveryAssessmentInTheTable() {
        Open(SixAssessments());
        QCOMPARE(window_->findChild<QLabel*>(QStringLiteral("headingLabel"))->text(),
                 QStringLiteral("ALEX CITIZEN, born 15/03/2012: 6 assessments"));
        QCOMPARE(Table().model()->columnCount(), 6);
        QCOMPARE(Table().model(), &window_->Model());
        SaveSnapshot(window_.get(), QStringLiteral("person_history_six_assessments"));
    }

    void columnsOfOneDateOpenAsTheAnalysis() {
        const auto records = SixAssessments();
        Open(records);
        // 03/10/2024: the Self-report (column 2) and the Parent-report (column 3).
        ClickColumn(2);
        ClickColumn(3, Qt::ControlModifier);
        ClickOpen();
        QCOMPARE(window_->result(), int(QDialog::Accepted));
        QVERIFY(!window_->isVisible());
        const ReportSet& chosen = window_->ChosenReports();
        QVERIFY(chosen.IsSlotEmpty(kTeacher));
        QCOMPARE(chosen.Record(kSelf).GetCompletionDate().value_or(Date{}).year, 2024);
        QCOMPARE(chosen.Record(kSelf).GetResponse(21), records[2].GetResponse(21));
        QCOMPARE(chosen.Record(kParent).GetResponse(3), records[3].GetResponse(3));
        QCOMPARE(chosen.Record(kParent).GetObserverName(), std::string("Pat Citizen"));
    }

    void aSingleAssessmentOpensAlone() {
        Open(SixAssessments());
        ClickColumn(1);
        ClickOpen();
        QCOMPARE(window_->result(), int(QDialog::Accepted));
        QVERIFY(!window_->ChosenReports().IsSlotEmpty(kTeacher));
        QVERIFY(window_->ChosenReports().IsSlotEmpty(kSelf));
        QVERIFY(window_->ChosenReports().IsSlotEmpty(kParent));
    }

    void nothingChosenIsRefused() {
        Open(SixAssessments());
        ExpectRefusal(QStringLiteral("No Assessment Chosen"));
        QVERIFY(prompter_->Last().text.contains(QStringLiteral("one completion date")));
    }

    void columnsOfTwoDatesAreRefused() {
        Open(SixAssessments());
        ClickColumn(0);
        ClickColumn(2, Qt::ControlModifier);
        ExpectRefusal(QStringLiteral("Different Completion Dates"));
        QCOMPARE(prompter_->Last().text,
                 QStringLiteral("The assessments you have selected were completed on different dates.\n\nAn "
                                "analysis combines the reports of one completion date: please select columns of "
                                "one date only."));
    }

    // Two reports of one reporter are refused as the Analysis dialog refuses them.
    void twoReportsOfOneReporterAreRefused() {
        auto records = SixAssessments();
        records.push_back(Assessment(kParent, 2026, 5, 20, {kConduct}, "Sam Citizen"));
        Open(records);
        QCOMPARE(Table().model()->columnCount(), 7);
        ClickColumn(5);
        ClickColumn(6, Qt::ControlModifier);
        ExpectRefusal(QStringLiteral("Multiple Parent Assessments"));
    }

    void closeChoosesNothing() {
        Open(SixAssessments());
        ClickColumn(4);
        QTest::mouseClick(window_->findChild<QPushButton*>(QStringLiteral("closeButton")), Qt::LeftButton);
        QCOMPARE(window_->result(), int(QDialog::Rejected));
        QVERIFY(!window_->ChosenReports().AnyPresent());
    }

    void keyboardRunsFromTheTableToTheButtons() {
        Open(SixAssessments());
        QCOMPARE(QApplication::focusWidget(), &Table());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("openAnalysisButton"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("closeButton"));
    }

    void threeReportersOfOneDateSnapshot() {
        const ReportSet reports = ThreeReporters();
        Open({reports.Record(kSelf), reports.Record(kParent), reports.Record(kTeacher)});
        QCOMPARE(Table().model()->columnCount(), 3);
        ClickColumn(0);
        ClickColumn(1, Qt::ControlModifier);
        ClickColumn(2, Qt::ControlModifier);
        SaveSnapshot(window_.get(), QStringLiteral("person_history_three_reporters"));
        ClickOpen();
        QCOMPARE(window_->result(), int(QDialog::Accepted));
        for (int slot = 0; slot < kReportSlots; ++slot) QVERIFY(!window_->ChosenReports().IsSlotEmpty(slot));
    }
};

QTEST_MAIN(PersonHistoryWindowTest)
#include "PersonHistoryWindowTest.moc"
