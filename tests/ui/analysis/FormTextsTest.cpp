// SPDX-License-Identifier: Apache-2.0
#include <QtTest>

#include "ui/analysis/FormTexts.h"
#include "reports/PersonDetailTexts.h"
#include "screening/ReportSet.h"
#include "ui/support/AnalysisTestRecords.h"

using namespace orva;
using analysis_test::MakeRecord;

// How the analysis form puts the person's details together: the observers box, the comments box
// and the joined lines. The details themselves are the report layer's and tested there.
class FormTextsTest : public QObject {
    Q_OBJECT

  private slots:
    void onlyATeacherReportGivesItsObserverAndComment() {
        ReportSet reports;
        reports.Record(kTeacher) = MakeRecord(kTeacher, {"JO", "BLOGGS", 2010, 11, 2}, {}, false, "Mr Lee");
        const PersonDetailTexts details = PreparePersonDetailTexts(reports);
        QCOMPARE(ObserversText(details), std::string("Teacher:    Mr Lee"));
        QCOMPARE(CommentsText(details), std::string("{No additional 'Teacher-Report' comments were supplied}"));
    }

    void presentReportsGiveTheirPartsInReporterOrder() {
        ReportSet reports;
        reports.Record(kSelf) = MakeRecord(kSelf, {"ALEX", "CITIZEN"});
        reports.Record(kParent) = MakeRecord(kParent, {"PAT", "OTHER"}, {}, false, "Pat Citizen");
        reports.Record(kParent).SetObserverComment("Worried \\ tired");
        reports.Record(kTeacher) = MakeRecord(kTeacher, {}, {}, false, "");
        const PersonDetailTexts details = PreparePersonDetailTexts(reports);
        // A present report without an observer name leaves its part out.
        QCOMPARE(ObserversText(details), std::string("Parent:      Pat Citizen"));
        // Texts stay as typed; escaping is for the document formats.
        QCOMPARE(CommentsText(details),
                 std::string("[No additional 'Self-Report' comments were supplied]\r\n\r\n"
                             "(Parent: Worried \\ tired)\r\n\r\n"
                             "{No additional 'Teacher-Report' comments were supplied}"));
    }

    void noReportLeavesBothBoxesEmpty() {
        const PersonDetailTexts details = PreparePersonDetailTexts(ReportSet());
        QCOMPARE(ObserversText(details), std::string());
        QCOMPARE(CommentsText(details), std::string());
    }

    void joinedLinesDropTheEmptyOnesAtTheEnd() {
        QCOMPARE(JoinLines({"a", "b", ""}), std::string("a\r\nb"));
        QCOMPARE(JoinLines({"a", "", "c"}), std::string("a\r\n\r\nc"));
        QCOMPARE(JoinLines({"", "", ""}), std::string());
    }
};

QTEST_MAIN(FormTextsTest)
#include "FormTextsTest.moc"
