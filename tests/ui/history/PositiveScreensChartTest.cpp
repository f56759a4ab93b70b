#include <QDateTime>
#include <QtTest>

#include "ui/history/HistoryTestRecords.h"
#include "ui/history/PositiveScreensChart.h"
#include "ui/support/UiTestSupport.h"

using namespace orva;
using namespace orva::history_test;
using Marker = PositiveScreensChart::Marker;

namespace {

double Noon(int year, int month, int day) {
    return static_cast<double>(QDateTime(QDate(year, month, day), QTime(12, 0)).toMSecsSinceEpoch());
}

}  // namespace

// The chart draws each reporter's positive screens at their completion dates, each line told
// apart by more than its colour.
class PositiveScreensChartTest : public QObject {
    Q_OBJECT

  private slots:
    void eachReporterHasALineThroughTheirAssessments() {
        const PersonHistory history = HistoryOf(SixAssessments());
        PositiveScreensChart chart(history);
        const auto lines = chart.Lines();
        QCOMPARE(static_cast<int>(lines.size()), 3);
        QCOMPARE(lines[0].reporter, int(kSelf));
        QCOMPARE(lines[1].reporter, int(kParent));
        QCOMPARE(lines[2].reporter, int(kTeacher));
        QList<QPointF> parent;
        for (const HistoryAssessment& a : history.assessments)
            if (a.reporter == kParent)
                parent << QPointF(Noon(a.completionYear, a.completionMonth, a.completionDay),
                                  a.analysis.positiveScreens[kParent]);
        QCOMPARE(lines[1].points, parent);
        QCOMPARE(lines[1].points.size(), 3);
        QCOMPARE(lines[2].points.size(), 1);
        QCOMPARE(lines[1].name, QStringLiteral("Parent-report (dashed line, squares)"));
    }

    // Readable in black and white: no two lines share a pen style or a marker shape.
    void linesDifferInPenAndMarker() {
        PositiveScreensChart chart(HistoryOf(SixAssessments()));
        const auto lines = chart.Lines();
        QCOMPARE(lines[0].style, Qt::SolidLine);
        QCOMPARE(lines[1].style, Qt::DashLine);
        QCOMPARE(lines[2].style, Qt::DotLine);
        QCOMPARE(lines[0].marker, Marker::Circle);
        QCOMPARE(lines[1].marker, Marker::Square);
        QCOMPARE(lines[2].marker, Marker::Triangle);
    }

    void axesAreTitled() {
        PositiveScreensChart chart(HistoryOf(SixAssessments()));
        QCOMPARE(chart.DateAxisTitle(), QStringLiteral("Completion date"));
        QCOMPARE(chart.CountAxisTitle(), QStringLiteral("Positive screens"));
    }

    void reporterWithoutAssessmentsHasNoLine() {
        const auto records = SixAssessments();
        PositiveScreensChart chart(HistoryOf({records[0], records[3]}));
        const auto lines = chart.Lines();
        QCOMPARE(static_cast<int>(lines.size()), 1);
        QCOMPARE(lines[0].reporter, int(kParent));
        QCOMPARE(lines[0].points.size(), 2);
    }

    void snapshot() {
        PositiveScreensChart chart(HistoryOf(SixAssessments()));
        chart.resize(900, 420);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        test::SaveSnapshot(&chart, QStringLiteral("person_history_chart"));
    }
};

QTEST_MAIN(PositiveScreensChartTest)
#include "PositiveScreensChartTest.moc"
