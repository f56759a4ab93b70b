// SPDX-License-Identifier: Apache-2.0
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

#include "store/RecordList.h"
#include "store/RecordStore.h"
#include "ui/support/AnalysisTestRecords.h"
#include "ui/Workspace.h"
#include "settings/SettingsStore.h"
#include "ui/support/ScriptedPrompter.h"
#include "ui/support/UiTestSupport.h"

using namespace orva;
using orva::analysis_test::MakeRecord;
using orva::analysis_test::Person;
using orva::testsupport::Prompt;
using orva::testsupport::ScriptedPrompter;
using orva::testsupport::TempSettingsDir;

// What the commands work on: the analysis, the settings with their store, the edit selection.
class WorkspaceTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<TempSettingsDir> settingsDir_;
    ScriptedPrompter prompter_;

    std::unique_ptr<Workspace> NewWorkspace() {
        return std::make_unique<Workspace>(prompter_, SettingsStore::ForThisUser());
    }

  private slots:
    void init() { settingsDir_ = std::make_unique<TempSettingsDir>(); }

    void cleanup() {
        QVERIFY2(prompter_.AllExpectedAndConsumed(), qPrintable(prompter_.Report()));
        settingsDir_.reset();
    }

    void settingsAreReadFromTheStoreAndWrittenBackToIt() {
        QSettings(settingsDir_->IniPath(), QSettings::IniFormat)
            .setValue(QStringLiteral("ORVAFileName"), QStringLiteral("C:/old/records"));
        auto workspace = NewWorkspace();
        QCOMPARE(workspace->Settings().ORVAFileName(), std::string("C:/old/records"));
        workspace->Settings().SetORVAFileName("/clinic/new");
        QVERIFY(workspace->Settings().WriteAll());
        QCOMPARE(
            QSettings(settingsDir_->IniPath(), QSettings::IniFormat).value(QStringLiteral("ORVAFileName")),
            QVariant(QStringLiteral("/clinic/new")));
        QCOMPARE(&workspace->Prompts(), static_cast<Prompter*>(&prompter_));
    }

    // Whichever window opens a record file, a journal beside it that does not belong to it is
    // reported through the workspace's prompter, with where it was put aside.
    void aJournalThatDoesNotBelongToItsFileIsReported() {
        auto workspace = NewWorkspace();
        const std::string path = settingsDir_->Path().toStdString() + "/clinic.rpc";
        std::vector<AssessmentRecord> records = {MakeRecord(kSelf)};
        QVERIFY(RecordStore().Append(RecordFilePath(path), records).status.Ok());
        QFile stray(QString::fromStdString(path + "-journal"));
        QVERIFY(stray.open(QIODevice::WriteOnly));
        stray.write("not a journal of this file");
        stray.close();
        Prompt shown;
        prompter_.ExpectMessage([&shown](const Prompt& prompt) { shown = prompt; });
        RecordList list;
        QCOMPARE(RecordStore().List(RecordFilePath(path), true, false, list), StoreResult<int>(0));
        QCOMPARE(list.RowCount(), 1);
        QCOMPARE(shown.caption, QStringLiteral("Unfinished Change Not Applied"));
        QVERIFY2(shown.text.contains(QDir::toNativeSeparators(QString::fromStdString(path + "-journal.unmatched-1"))),
                 qPrintable(shown.text));
        QCOMPARE(shown.icon, MessageIcon::Exclamation);
    }

    void noAnalysisExistsBeforeTheFirstCommand() {
        auto workspace = NewWorkspace();
        QVERIFY(workspace->CurrentAnalysis() == nullptr);
        QVERIFY(!workspace->AnalysisShown());
    }

    void resetEmptiesTheAnalysisCreatingItWhenThereIsNoneAndTellsTheViews() {
        auto workspace = NewWorkspace();
        QSignalSpy changes(workspace.get(), &Workspace::AnalysisChanged);
        workspace->ResetAnalysis();
        QVERIFY(workspace->CurrentAnalysis() != nullptr);
        QVERIFY(!workspace->AnalysisShown());
        QCOMPARE(changes.count(), 1);

        ReportSet analysis;
        analysis.Record(kParent) = MakeRecord(kParent);
        workspace->SetAnalysis(analysis);
        QVERIFY(workspace->AnalysisShown());
        workspace->ResetAnalysis();
        QVERIFY(!workspace->AnalysisShown());
        for (int slot = 0; slot < kReportSlots; ++slot)
            QVERIFY(workspace->CurrentAnalysis()->IsSlotEmpty(slot));
        QCOMPARE(changes.count(), 3);
    }

    void setAnalysisShowsACopyOfTheRecordsAndTellsTheViews() {
        auto workspace = NewWorkspace();
        QSignalSpy changes(workspace.get(), &Workspace::AnalysisChanged);
        ReportSet analysis;
        analysis.Record(kTeacher) = MakeRecord(kTeacher, Person{"ALEX", "CITIZEN"});
        workspace->SetAnalysis(analysis);
        analysis.Reset();
        QCOMPARE(changes.count(), 1);
        QVERIFY(workspace->AnalysisShown());
        QCOMPARE(workspace->CurrentAnalysis()->Record(kTeacher).GetLastName(), std::string("CITIZEN"));
        QVERIFY(workspace->CurrentAnalysis()->IsSlotEmpty(kSelf));
    }

    void editSelectionIsKeptUntilReplaced() {
        auto workspace = NewWorkspace();
        QCOMPARE(workspace->LastEditSelection(), EditSelection{});
        workspace->SetEditSelection({RecordFilePath("/clinic/records.rpc"), 4});
        QCOMPARE(workspace->LastEditSelection(), (EditSelection{RecordFilePath("/clinic/records.rpc"), 4}));
        // Starting an analysis leaves the edit selection alone.
        workspace->ResetAnalysis();
        QCOMPARE(workspace->LastEditSelection().position, 4);
    }
};

QTEST_MAIN(WorkspaceTest)
#include "WorkspaceTest.moc"
