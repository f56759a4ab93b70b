// SPDX-License-Identifier: Apache-2.0
#include <QSettings>
#include <QtTest>

#include "grid/GridWidget.h"
#include "model/Cp1252.h"
#include "ui/support/SelectionTestSupport.h"
#include "ui/Workspace.h"
#include "ui/analysis/AnalysisForm.h"
#include "ui/commands/AnalysisCommand.h"
#include "settings/SettingsStore.h"
#include "ui/selection/RecordPath.h"
#include "ui/support/ScriptedPrompter.h"
#include "ui/support/UiTestSupport.h"

using namespace orva;
using namespace orva::selection_test;
using orva::test::ScriptedPrompter;
using orva::test::TempSettingsDir;
using orva::test::WhenModalShown;

// The Analysis command over a workspace: the dialog chooses, the command reads, and only a
// successful read changes the analysis and the remembered file.
class AnalysisCommandTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir files_;
    QString stem_;  // record file path without ".rpc"
    std::unique_ptr<TempSettingsDir> settingsDir_;
    std::unique_ptr<ScriptedPrompter> prompter_;
    std::unique_ptr<Workspace> workspace_;

    QString StoredFileName() const {
        return QSettings(settingsDir_->IniPath(), QSettings::IniFormat)
            .value(QStringLiteral("ORVAFileName"))
            .toString();
    }

    // Runs the command; `inDialog` acts on the selection dialog while it is open.
    void Run(const std::function<void(QWidget&)>& inDialog) {
        auto ran = WhenModalShown([&](QWidget* dialog) { inDialog(*dialog); });
        RunAnalysisCommand(*workspace_, nullptr);
        QVERIFY(*ran);
    }

    // The person ALEX CITIZEN of the file `stem`, loaded without a message.
    static void LoadPerson(QWidget& dialog, const QString& stem) {
        EnterPerson(dialog, QStringLiteral("ALEX"), QStringLiteral("CITIZEN"), QStringLiteral("15"),
                    QStringLiteral("03"), QStringLiteral("2012"), QString());
        // Set, not typed: the test tool types only plain ASCII keys.
        Find<QLineEdit>(dialog, "fileEdit")->setText(stem);
        Click(dialog, "loadButton");
    }

    // Another program replaces the file's first record with someone else's.
    static bool ReplaceFirstRecord(const QString& stem) {
        AssessmentRecord other = MakeRecord(kSelf, Person{"JO", "BLOGGS"});
        RecordFile file(TestClock());
        int position = -1;
        return file.WriteRecord(FileSystemPath(stem + QStringLiteral(".rpc")),
                                EncodeForStorage(other, TestClock()), 0, position) == 0;
    }

    static ReportSet SomeoneElse() {
        ReportSet analysis;
        analysis.Record(kTeacher) = MakeRecord(kTeacher, Person{"OLD", "ANALYSIS"});
        return analysis;
    }

  private slots:
    void initTestCase() {
        QVERIFY(files_.isValid());
        stem_ = files_.filePath(QStringLiteral("caf\u00E9 records"));
        QVERIFY(
            WriteRecordFile(stem_ + QStringLiteral(".rpc"),
                            {MakeRecord(kSelf), MakeRecord(kParent, {}, {4, 15, 83}, false, "Pat Citizen"),
                             MakeRecord(kTeacher, {}, {}, false, "Mr Lee")}));
    }

    void init() {
        settingsDir_ = std::make_unique<TempSettingsDir>();
        QSettings(settingsDir_->IniPath(), QSettings::IniFormat)
            .setValue(QStringLiteral("ORVAFileName"), QStringLiteral("C:/old/records"));
        prompter_ = std::make_unique<ScriptedPrompter>();
        workspace_ = std::make_unique<Workspace>(*prompter_, SettingsStore::ForThisUser());
    }

    void cleanup() {
        QVERIFY2(prompter_->AllExpectedAndConsumed(), qPrintable(prompter_->Report()));
        workspace_.reset();
        prompter_.reset();
        settingsDir_.reset();
    }

    void chosenRecordsBecomeTheAnalysisOnceReadAndTheFileIsRemembered() {
        workspace_->SetAnalysis(SomeoneElse());
        QString offered;
        bool emptiedBeforeTheDialog = false;
        bool analysedBeforeTheConfirm = true;
        Run([&](QWidget& dialog) {
            offered = FieldText(dialog, "fileEdit");
            emptiedBeforeTheDialog = !workspace_->AnalysisShown();
            LoadPerson(dialog, stem_);
            ClickEntry(dialog, 1);
            ClickEntry(dialog, 0);
            analysedBeforeTheConfirm = workspace_->AnalysisShown();
            Click(dialog, "confirmButton");
        });
        QCOMPARE(offered, QStringLiteral("C:/old/records"));
        QVERIFY(emptiedBeforeTheDialog);
        QVERIFY(!analysedBeforeTheConfirm);
        const ReportSet& analysis = *workspace_->CurrentAnalysis();
        QCOMPARE(analysis.Record(kSelf).GetReporter(), int(kSelf));
        QCOMPARE(analysis.Record(kParent).GetObserverName(), std::string("Pat Citizen"));
        QVERIFY(analysis.IsSlotEmpty(kTeacher));
        // Remembered in memory as the core keeps texts, and written at once.
        QCOMPARE(workspace_->Settings().ORVAFileName(), Cp1252::FromUtf8(stem_.toStdString()));
        QCOMPARE(StoredFileName(), stem_);
    }

    void recordsReadAreTheOnesTheFormShows() {
        Run([&](QWidget& dialog) {
            LoadPerson(dialog, stem_);
            ClickEntry(dialog, 1);
            ClickEntry(dialog, 0);
            Click(dialog, "confirmButton");
        });
        AnalysisForm form;
        form.SetUpGrids();
        form.ShowAnalysis(*workspace_->CurrentAnalysis());
        // Conduct disorder: the Parent-report's three items.
        QCOMPARE(form.ScreeningGrid().GetItemText(8, 3), QStringLiteral("3"));
        QCOMPARE(form.ScreeningGrid().GetItemBkColour(8, 3), AnalysisForm::ShadeColour());
        QCOMPARE(form.ScreeningGrid().GetItemText(8, 5), QStringLiteral("YES"));
        QCOMPARE(form.ScreeningGrid().GetItemText(24, 4), QString());
    }

    void recordReplacedSinceTheLoadIsAReadErrorAndTheDialogStaysOpen() {
        const QString stem = files_.filePath(QStringLiteral("changing"));
        QVERIFY(WriteRecordFile(stem + QStringLiteral(".rpc"), {MakeRecord(kSelf), MakeRecord(kParent)}));
        bool openAfterTheError = false;
        bool analysedAfterTheError = true;
        Run([&](QWidget& dialog) {
            LoadPerson(dialog, stem);
            ClickEntry(dialog, 0);
            QVERIFY(ReplaceFirstRecord(stem));
            prompter_->ExpectMessage();
            Click(dialog, "confirmButton");
            openAfterTheError = dialog.isVisible();
            analysedAfterTheError = workspace_->AnalysisShown();
            Click(dialog, "cancelButton");
        });
        QCOMPARE(prompter_->Last().caption, QStringLiteral("Read Error"));
        QCOMPARE(
            prompter_->Last().text,
            QStringLiteral(
                "There was an error trying to read the records you have selected.\n\nPlease try again."));
        QCOMPARE(prompter_->Last().icon, MessageIcon::Stop);
        QVERIFY(openAfterTheError);
        QVERIFY(!analysedAfterTheError);
        QVERIFY(!workspace_->AnalysisShown());
        QCOMPARE(StoredFileName(), QStringLiteral("C:/old/records"));
    }

    void anotherChoiceAfterAReadErrorIsAnalysed() {
        const QString stem = files_.filePath(QStringLiteral("retry"));
        QVERIFY(WriteRecordFile(stem + QStringLiteral(".rpc"), {MakeRecord(kSelf), MakeRecord(kParent)}));
        Run([&](QWidget& dialog) {
            LoadPerson(dialog, stem);
            ClickEntry(dialog, 0);
            QVERIFY(ReplaceFirstRecord(stem));
            prompter_->ExpectMessage();
            Click(dialog, "confirmButton");
            // The Self-report is no longer the one listed; the Parent-report alone still is.
            ClickEntry(dialog, 0);
            ClickEntry(dialog, 1);
            Click(dialog, "confirmButton");
        });
        QCOMPARE(prompter_->Last().caption, QStringLiteral("Read Error"));
        QVERIFY(workspace_->AnalysisShown());
        QVERIFY(workspace_->CurrentAnalysis()->IsSlotEmpty(kSelf));
        QVERIFY(!workspace_->CurrentAnalysis()->IsSlotEmpty(kParent));
        QCOMPARE(StoredFileName(), stem);
    }

    void cancelledDialogLeavesTheAnalysisEmptyAndChangesNoSetting() {
        workspace_->SetAnalysis(SomeoneElse());
        Run([&](QWidget& dialog) {
            LoadPerson(dialog, stem_);
            ClickEntry(dialog, 0);
            // A different file typed, then cancelled: nothing of it is kept.
            Type(dialog, "fileEdit", QStringLiteral("/elsewhere/other"));
            Click(dialog, "cancelButton");
        });
        QVERIFY(!workspace_->AnalysisShown());
        for (int slot = 0; slot < kReportSlots; ++slot)
            QVERIFY(workspace_->CurrentAnalysis()->IsSlotEmpty(slot));
        QCOMPARE(workspace_->Settings().ORVAFileName(), std::string("C:/old/records"));
        QCOMPARE(StoredFileName(), QStringLiteral("C:/old/records"));
    }

    // As when the program is opened with a record file: that file is offered instead of the
    // remembered one, and remembered only once its records are analysed.
    void aFileGivenIsOfferedAndRememberedOnlyAfterAnAnalysis() {
        QString offered;
        auto cancelled = WhenModalShown([&](QWidget* dialog) {
            offered = FieldText(*dialog, "fileEdit");
            Click(*dialog, "cancelButton");
        });
        RunAnalysisCommand(*workspace_, nullptr, stem_);
        QVERIFY(*cancelled);
        QCOMPARE(offered, stem_);
        QCOMPARE(StoredFileName(), QStringLiteral("C:/old/records"));

        auto analysed = WhenModalShown([&](QWidget* dialog) {
            LoadPerson(*dialog, FieldText(*dialog, "fileEdit"));
            ClickEntry(*dialog, 0);
            Click(*dialog, "confirmButton");
        });
        RunAnalysisCommand(*workspace_, nullptr, stem_);
        QVERIFY(*analysed);
        QVERIFY(workspace_->AnalysisShown());
        QCOMPARE(StoredFileName(), stem_);
    }
};

QTEST_MAIN(AnalysisCommandTest)
#include "AnalysisCommandTest.moc"
