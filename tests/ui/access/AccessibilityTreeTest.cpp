// SPDX-License-Identifier: Apache-2.0
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "reports/ExportPasswords.h"
#include "screening/AnalysisResult.h"
#include "screening/ReporterComparison.h"
#include "settings/SettingsStore.h"
#include "ui/Workspace.h"
#include "ui/compare/ReporterComparisonWindow.h"
#include "ui/history/HistorySelectionDialog.h"
#include "ui/support/HistoryTestRecords.h"
#include "ui/history/PersonHistoryWindow.h"
#include "ui/outputs/ExportDialog.h"
#include "ui/outputs/ExportPasswordDialog.h"
#include "ui/outputs/SaveAsDialog.h"
#include "ui/selection/AnalysisSelectionDialog.h"
#include "ui/selection/EditSelectionDialog.h"
#include "ui/shell/AboutDialog.h"
#include "ui/shell/MainWindow.h"
#include "ui/support/AccessibilityAudit.h"
#include "ui/support/ClippingAudit.h"
#include "ui/support/EditDriver.h"

using namespace orva;
using namespace orva::wizard_test;
using test::AccessibilityFaults;
using test::ClippedTexts;

namespace {

// Fails the test with every fault of the window, named by where it was read.
#define AUDIT(window, where)                                                                          \
    do {                                                                                              \
        QCoreApplication::processEvents();                                                            \
        const QStringList faults = AccessibilityFaults(window) + ClippedTexts(window);                \
        QVERIFY2(faults.isEmpty(), qPrintable(QString(where) + QStringLiteral(":\n  ") +              \
                                              faults.join(QStringLiteral("\n  "))));                  \
    } while (false)

bool ShowActive(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

void Type(QWidget& dialog, const char* field, const QString& text) {
    auto* edit = dialog.findChild<QLineEdit*>(QLatin1String(field));
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, text);
}

}  // namespace

// The windows of the program, each read whole with the accessibility interface offscreen: a
// control without a name, a radio button read as a check box or a nameless Tab stop fails.
class AccessibilityTreeTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    test::TempSettingsDir settings_;

    QString RecordFile() const { return dir_.filePath(QStringLiteral("clinic.rpc")); }

    // A record-selection dialog after its person's records were loaded.
    void AuditLoaded(RecordSelectionDialog& dialog, const char* where) {
        QVERIFY(ShowActive(dialog));
        AUDIT(&dialog, QString::fromLatin1(where) + QStringLiteral(" before loading"));
        Type(dialog, "firstNameEdit", QStringLiteral("Alex"));
        Type(dialog, "lastNameEdit", QStringLiteral("Citizen"));
        Type(dialog, "birthDayEdit", QStringLiteral("15"));
        Type(dialog, "birthMonthEdit", QStringLiteral("03"));
        Type(dialog, "birthYearEdit", QStringLiteral("2012"));
        Type(dialog, "fileEdit", dir_.filePath(QStringLiteral("clinic")));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("loadButton")), Qt::LeftButton);
        QVERIFY(dialog.findChild<QListWidget*>(QStringLiteral("recordList"))->count() > 0);
        AUDIT(&dialog, QString::fromLatin1(where) + QStringLiteral(" with its records"));
    }

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(WriteRecords(RecordFile(), {RecordToEdit(kSelf), RecordToEdit(kParent), RecordToEdit(kTeacher)}));
    }

    void mainWindowWelcomeAndAnalysis() {
        test::ScriptedPrompter prompter;
        MainWindow frame(prompter, SettingsStore::ForThisUser());
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        AUDIT(&frame, QStringLiteral("main window, welcome"));
        frame.Work().SetAnalysis(history_test::ThreeReporters());
        AUDIT(&frame, QStringLiteral("main window, analysis"));
    }

    void aboutBox() {
        AboutDialog about;
        QVERIFY(ShowActive(about));
        AUDIT(&about, QStringLiteral("About"));
    }

    // Every page of the on-screen wizard, for a Self-report and for a Teacher-report (whose
    // pages cover the items not asked of teachers).
    void onScreenWizardPages_data() {
        QTest::addColumn<int>("reporter");
        QTest::newRow("self") << int{kSelf};
        QTest::newRow("teacher") << int{kTeacher};
    }
    void onScreenWizardPages() {
        QFETCH(int, reporter);
        Run run;
        AUDIT(&run.Wizard(), QStringLiteral("page 1"));
        run.ToDetails(reporter, dir_.filePath(QStringLiteral("wizard")));
        AUDIT(&run.Wizard(), QStringLiteral("page 3"));
        run.Back();
        AUDIT(&run.Wizard(), QStringLiteral("page 2"));
        run.Next();
        run.Back();
        run.Next();
        run.FillDetails();
        run.Next();
        for (int page = 4; page <= 17; ++page) {
            QCOMPARE(run.Page(), page);
            AUDIT(&run.Wizard(), QStringLiteral("page %1").arg(page));
            if (page >= 4 && page <= 15) run.Prompts().ExpectChoice(0);
            if (page < 17) run.Next();
        }
    }

    void paperWizardPages() {
        PaperRun run;
        AUDIT(&run.Wizard(), QStringLiteral("paper page 1"));
        ToGrid(run, kTeacher);
        for (int page = 3; page <= 5; ++page) {
            QCOMPARE(run.Page(), page);
            AUDIT(&run.Wizard(), QStringLiteral("paper page %1").arg(page));
            if (page == 3) run.Prompts().ExpectChoice(0);
            if (page < 5) run.Next();
        }
    }

    void editWizardsFirstAndLastPages() {
        for (EditMethod method : {EditMethod::OnScreen, EditMethod::Paper}) {
            EditRun run(RecordFile(), 0, method);
            AUDIT(&run.Wizard(), QStringLiteral("edit wizard, first page"));
            run.ToLast();
            AUDIT(&run.Wizard(), QStringLiteral("edit wizard, last page"));
        }
    }

    void selectionDialogs() {
        test::ScriptedPrompter prompter;
        AnalysisSelectionDialog analysis(prompter, [](const AnalysisChoice&) { return true; }, QString());
        AuditLoaded(analysis, "Analysis selection");
        EditSelectionDialog edit(prompter, QString(), 0);
        AuditLoaded(edit, "Edit selection");
        HistorySelectionDialog history(prompter, [](const HistoryChoice&) { return true; }, QString());
        AuditLoaded(history, "Person History selection");
        QVERIFY2(prompter.AllExpectedAndConsumed(), qPrintable(prompter.Report()));
    }

    void outputDialogs() {
        test::ScriptedPrompter prompter;
        const auto exportsNothing = [](const QString&, const QString&) { return false; };
        ExportDialog exporting(prompter, ExportDialogNames{"clinic", "clinic export", "clinic"}, exportsNothing);
        QVERIFY(ShowActive(exporting));
        AUDIT(&exporting, QStringLiteral("Export"));
        ExportPasswords passwords(settings_.Path().toStdString());
        ExportPasswordDialog password(prompter, passwords);
        QVERIFY(ShowActive(password));
        AUDIT(&password, QStringLiteral("Export password"));
        SaveAsDialog saveAs(prompter, QStringLiteral("report"), [](const QString&) { return false; });
        QVERIFY(ShowActive(saveAs));
        AUDIT(&saveAs, QStringLiteral("Save As"));
    }

    void compareReportersWindow() {
        const ReportSet reports = history_test::ThreeReporters();
        const AnalysisResult analysis = ComputeAnalysis(reports);
        ReporterComparisonWindow compare(CompareReporters(reports, analysis), analysis,
                                         QStringLiteral("ALEX CITIZEN"));
        QVERIFY(ShowActive(compare));
        AUDIT(&compare, QStringLiteral("Compare Reporters"));
    }

    void personHistoryWindow() {
        test::ScriptedPrompter prompter;
        PersonHistoryWindow history(prompter, history_test::HistoryOf(history_test::SixAssessments()));
        QVERIFY(ShowActive(history));
        AUDIT(&history, QStringLiteral("Person History"));
    }
};

QTEST_MAIN(AccessibilityTreeTest)
#include "AccessibilityTreeTest.moc"
