// SPDX-License-Identifier: Apache-2.0
#include <QAction>
#include <QCheckBox>
#include <QTemporaryDir>

#include "screening/ReportSet.h"
#include "settings/SettingsStore.h"
#include "ui/Workspace.h"
#include "ui/commands/EnterResponsesCommand.h"
#include "ui/settings/AppSettings.h"
#include "ui/shell/MainWindow.h"
#include "ui/support/PaperDriver.h"
#include "ui/support/RelatedRecords.h"

using namespace orva;
using namespace orva::wizard_test;

namespace {

// The answer the command's runs type for every item.
constexpr int kTyped = 4;

struct Choices {
    bool view;
    bool also;
};

}  // namespace

// "Enter responses": a Paper record typed and saved, the analysis choices kept in the settings,
// and the analysis the user asked for shown in the workspace.
class EnterResponsesCommandTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;

    // Runs the command over `workspace` for a Self-report of the default person, ticking the two
    // boxes as `choices` says, and saving to `stem`.
    static void TypeAndFinish(Workspace& workspace, const QString& stem, Choices choices,
                              bool* analysisWhileOpen) {
        ScriptedPrompter& prompter = static_cast<ScriptedPrompter&>(workspace.Prompts());
        auto ran = test::WhenModalShown([&](QWidget* modal) {
            auto* wizard = qobject_cast<PaperEntryWizard*>(modal);
            QVERIFY(wizard != nullptr);
            if (analysisWhileOpen != nullptr) *analysisWhileOpen = workspace.AnalysisShown();
            Driver run(*wizard, prompter);
            ToGrid(run, kSelf);
            Keys(QString(kItemCount, QLatin1Char('0' + kTyped)));
            GridToSave(run, false);
            run.Type(QStringLiteral("fileEdit"), stem);
            if (run.Find<QCheckBox>(QStringLiteral("viewAnalysisCheck"))->isChecked() != choices.view)
                run.Click(QStringLiteral("viewAnalysisCheck"));
            if (run.Find<QCheckBox>(QStringLiteral("alsoViewRelatedCheck"))->isChecked() != choices.also)
                run.Click(QStringLiteral("alsoViewRelatedCheck"));
            prompter.ExpectMessage();
            run.Finish();
        });
        QVERIFY(RunEnterResponsesCommand(workspace, nullptr, Today()));
        QVERIFY(*ran);
        QVERIFY2(prompter.AllExpectedAndConsumed(), qPrintable(prompter.Report()));
    }

    // A file with related records of the default person around the one about to be typed: an
    // older and a later Parent-report (names in other letter cases), a Self-report saved "in the
    // future", and a Teacher-report of someone born a day later.
    static void RelatedFile(const QString& stem) {
        const QString path = stem + QStringLiteral(".rpc");
        QCOMPARE(SaveAt(path, kParent, "alex", "citizen", 15, "OLDER PARENT", {2025, 1, 10, 8, 0, 0}), 0);
        QCOMPARE(SaveAt(path, kParent, "ALEX", "Citizen", 15, "LATER PARENT", {2026, 2, 1, 8, 0, 0}), 1);
        QCOMPARE(SaveAt(path, kSelf, "Alex", "Citizen", 15, "FUTURE SELF", {2031, 1, 1, 8, 0, 0}), 2);
        QCOMPARE(SaveAt(path, kTeacher, "Alex", "Citizen", 16, "OTHER TEACHER", {2026, 3, 1, 8, 0, 0}), 3);
    }

    static void CheckTypedSelf(const ReportSet& analysis) {
        const AssessmentRecord& self = analysis.Record(kSelf);
        // Saved by the run (today, 15/06/2026 10:30), not the Self-report saved in 2031.
        QCOMPARE(self.GetText(TextField::SaveDateTime), std::string("20260615103000"));
        QCOMPARE(self.GetDataEntry(), kPaper);
        QCOMPARE(self.GetResponse(1), kTyped);
        QCOMPARE(self.GetResponse(kItemCount), kTyped);
    }

  private slots:
    void viewWithRelatedShowsTheLatestOfTheOtherReporters() {
        test::TempSettingsDir settingsDir;
        ScriptedPrompter prompter;
        MainWindow frame(prompter, SettingsStore::ForThisUser());
        Workspace& workspace = frame.Work();
        ReportSet shown;
        shown.Record(kTeacher).SetLastName("SHOWN");
        workspace.SetAnalysis(shown);
        const QString stem = dir_.filePath(QStringLiteral("related"));
        RelatedFile(stem);

        bool analysisWhileOpen = true;
        auto ran = test::WhenModalShown([&](QWidget* modal) { modal->close(); });
        prompter.ExpectYesNo(true);
        frame.Action(MainWindow::Command::EnterResponses)->trigger();
        QVERIFY(*ran);
        QVERIFY(!workspace.AnalysisShown());
        workspace.SetAnalysis(shown);
        TypeAndFinish(workspace, stem, {true, true}, &analysisWhileOpen);
        QVERIFY(!analysisWhileOpen);

        QVERIFY(workspace.AnalysisShown());
        const ReportSet& analysis = *workspace.CurrentAnalysis();
        // The typed record keeps its own slot although a Self-report carries a later save time.
        CheckTypedSelf(analysis);
        QCOMPARE(analysis.Record(kParent).GetObserverName(), std::string("LATER PARENT"));
        QVERIFY(analysis.IsSlotEmpty(kTeacher));
        const AppSettings stored(SettingsStore::ForThisUser());
        QCOMPARE(stored.ViewAnalysis(), std::string("T"));
        QCOMPARE(stored.AlsoViewRelatedAnalysis(), std::string("T"));
        QCOMPARE(stored.ORVAFileName(), stem.toStdString());
    }

    void viewAloneShowsOnlyTheSavedRecord() {
        test::TempSettingsDir settingsDir;
        ScriptedPrompter prompter;
        Workspace workspace(prompter, SettingsStore::ForThisUser());
        workspace.Settings().SetAlsoViewRelatedAnalysis("T");
        const QString stem = dir_.filePath(QStringLiteral("alone"));
        RelatedFile(stem);
        TypeAndFinish(workspace, stem, {true, false}, nullptr);
        const ReportSet& analysis = *workspace.CurrentAnalysis();
        CheckTypedSelf(analysis);
        QVERIFY(analysis.IsSlotEmpty(kParent));
        QVERIFY(analysis.IsSlotEmpty(kTeacher));
        const AppSettings stored(SettingsStore::ForThisUser());
        QCOMPARE(stored.ViewAnalysis(), std::string("T"));
        QCOMPARE(stored.AlsoViewRelatedAnalysis(), std::string("F"));
    }

    void noViewKeepsTheRelatedChoiceAndShowsNothing() {
        test::TempSettingsDir settingsDir;
        {
            AppSettings preset(SettingsStore::ForThisUser());
            preset.SetViewAnalysis("T");
            preset.SetAlsoViewRelatedAnalysis("T");
            QVERIFY(preset.WriteAll());
        }
        ScriptedPrompter prompter;
        Workspace workspace(prompter, SettingsStore::ForThisUser());
        const QString stem = dir_.filePath(QStringLiteral("noview"));
        TypeAndFinish(workspace, stem, {false, false}, nullptr);
        QVERIFY(!workspace.AnalysisShown());
        const AppSettings stored(SettingsStore::ForThisUser());
        QCOMPARE(stored.ViewAnalysis(), std::string("F"));
        QCOMPARE(stored.AlsoViewRelatedAnalysis(), std::string("T"));
        QCOMPARE(stored.ORVAFileName(), stem.toStdString());
        AssessmentRecord back;
        QVERIFY(ReadBack(stem + QStringLiteral(".rpc"), 0, back));
        QCOMPARE(back.GetDataEntry(), kPaper);
    }
};

QTEST_MAIN(EnterResponsesCommandTest)
#include "EnterResponsesCommandTest.moc"
