// SPDX-License-Identifier: Apache-2.0
#include <QTemporaryDir>
#include <QtTest>

#include "support/RecordBuilder.h"
#include "ui/selection/RecordPath.h"
#include "ui/support/RelatedRecords.h"
#include "ui/wizard/AnalysisAfterSave.h"

using namespace orva;
using namespace orva::wizard_test;

// The analysis after a paper save when the file does not give the saved record back.
class AnalysisAfterSaveTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;

    static AssessmentRecord Saved(int reporter) {
        return testsupport::RecordBuilder(reporter)
            .Names("ALEX", "CITIZEN")
            .Born(2012, 3, 15)
            .Observer("IN MEMORY");
    }

  private slots:
    void unreadableRecordShowsTheCopyInMemoryAlone_data() {
        QTest::addColumn<bool>("related");
        QTest::newRow("saved record only") << false;
        QTest::newRow("with related records") << true;
    }
    void unreadableRecordShowsTheCopyInMemoryAlone() {
        QFETCH(bool, related);
        const QString path = dir_.filePath(QStringLiteral("short%1.rpc").arg(related));
        QVERIFY(SaveAt(path, kTeacher, "ALEX", "CITIZEN", 15, "IN FILE", {2026, 1, 1, 9, 0, 0}) == 0);
        ReportSet analysis;
        analysis.Record(kSelf).SetLastName("STALE");
        // Position 1 lies beyond the file's end: neither listed nor readable.
        QVERIFY(FillAnalysisAfterSave(FileSystemPath(path), 1, Saved(kParent), related, analysis));
        QVERIFY(analysis.IsSlotEmpty(kSelf));
        QVERIFY(analysis.IsSlotEmpty(kTeacher));
        QCOMPARE(analysis.Record(kParent).GetObserverName(), std::string("IN MEMORY"));
    }

    void missingFileShowsTheCopyInMemory() {
        ReportSet analysis;
        const std::string path = FileSystemPath(dir_.filePath(QStringLiteral("gone.rpc")));
        QVERIFY(FillAnalysisAfterSave(path, 0, Saved(kSelf), true, analysis));
        QCOMPARE(analysis.Record(kSelf).GetObserverName(), std::string("IN MEMORY"));
        QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("gone.rpc"))));
    }

    void recordWithoutReporterOrNameCannotBeShown() {
        ReportSet analysis;
        analysis.Record(kSelf).SetLastName("STALE");
        const std::string path = FileSystemPath(dir_.filePath(QStringLiteral("gone.rpc")));
        QVERIFY(!FillAnalysisAfterSave(path, 0, AssessmentRecord{}, false, analysis));
        QVERIFY(!analysis.AnyPresent());
        AssessmentRecord nameless = Saved(kSelf);
        nameless.SetLastName("");
        QVERIFY(!FillAnalysisAfterSave(path, 0, nameless, false, analysis));
        QVERIFY(!analysis.AnyPresent());
    }
};

QTEST_MAIN(AnalysisAfterSaveTest)
#include "AnalysisAfterSaveTest.moc"
