// SPDX-License-Identifier: Apache-2.0
#include <QAction>
#include <QTemporaryDir>

#include "screening/ReportSet.h"
#include "ui/commands/CompleteOnScreenCommand.h"
#include "ui/settings/AppSettings.h"
#include "settings/SettingsStore.h"
#include "ui/Workspace.h"
#include "ui/shell/MainWindow.h"
#include "ui/support/WizardDriver.h"

using namespace orva;
using namespace orva::wizard_test;

// The "Complete on screen" command: a fresh On-Screen record, the last record file, the file
// name kept after Finish, and no analysis before or after.
class CompleteOnScreenCommandTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

private slots:
    void finishKeepsTheFileNameAndNoAnalysisIsShown() {
        test::TempSettingsDir settingsDir;
        {
            AppSettings preset(SettingsStore::ForThisUser());
            preset.SetORVAFileName(dir_.filePath(QStringLiteral("last")).toStdString());
            preset.SetViewAnalysis("T");
            QVERIFY(preset.WriteAll());
        }
        ScriptedPrompter prompter;
        MainWindow frame(prompter, SettingsStore::ForThisUser());
        Workspace& view = frame.Work();
        ReportSet shown;
        shown.Record(kSelf).SetLastName("SHOWN");
        view.SetAnalysis(shown);
        QVERIFY(view.AnalysisShown());

        const QString stem = dir_.filePath(QStringLiteral("chosen"));
        bool analysisWhileOpen = true;
        QString fileShown;
        auto ran = test::WhenModalShown([&](QWidget* modal) {
            auto* wizard = qobject_cast<QuestionnaireWizard*>(modal);
            QVERIFY(wizard != nullptr);
            analysisWhileOpen = view.AnalysisShown();
            Driver run(*wizard, prompter);
            fileShown = run.Edit(QStringLiteral("fileEdit"))->text();
            run.ThroughDetails(kSelf, stem);
            run.AnswerAll([](int item) { return item % 6; });
            run.Next();
            prompter.ExpectMessage();
            run.Finish();
        });
        frame.Action(MainWindow::Command::CompleteOnScreen)->trigger();
        QVERIFY(*ran);
        QVERIFY2(prompter.AllExpectedAndConsumed(), qPrintable(prompter.Report()));
        QCOMPARE(fileShown, dir_.filePath(QStringLiteral("last")));
        QVERIFY(!analysisWhileOpen);
        QVERIFY(!view.AnalysisShown());
        QVERIFY(view.CurrentAnalysis() != nullptr && !view.CurrentAnalysis()->AnyPresent());
        QCOMPARE(view.Settings().ORVAFileName(), stem.toStdString());
        QCOMPARE(AppSettings(SettingsStore::ForThisUser()).ORVAFileName(), stem.toStdString());

        AssessmentRecord back;
        QVERIFY(ReadBack(stem + QStringLiteral(".rpc"), 0, back));
        QCOMPARE(back.GetDataEntry(), kOnScreen);
        QCOMPARE(back.GetResponse(111), 111 % 6);
    }

    void cancelKeepsTheSettingsAndSavesNothing() {
        test::TempSettingsDir settingsDir;
        ScriptedPrompter prompter;
        Workspace workspace(prompter, SettingsStore::ForThisUser());
        AppSettings& settings = workspace.Settings();
        settings.SetORVAFileName("kept");
        ReportSet shown;
        shown.Record(kParent).SetLastName("SHOWN");
        workspace.SetAnalysis(shown);
        auto ran = test::WhenModalShown([&](QWidget* modal) {
            Driver run(*qobject_cast<QuestionnaireWizard*>(modal), prompter);
            run.Type(QStringLiteral("fileEdit"), dir_.filePath(QStringLiteral("never")));
            run.Next();
            prompter.ExpectYesNo(true);
            run.Click(QStringLiteral("cancelButton"));
        });
        QVERIFY(!RunCompleteOnScreenCommand(workspace, nullptr, Today()));
        QVERIFY(*ran);
        QVERIFY2(prompter.AllExpectedAndConsumed(), qPrintable(prompter.Report()));
        QVERIFY(!workspace.AnalysisShown());
        QCOMPARE(settings.ORVAFileName(), std::string("kept"));
        QCOMPARE(AppSettings(SettingsStore::ForThisUser()).ORVAFileName(), std::string());
        QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("never.rpc"))));
    }
};

QTEST_MAIN(CompleteOnScreenCommandTest)
#include "CompleteOnScreenCommandTest.moc"
