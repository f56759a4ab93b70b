// SPDX-License-Identifier: Apache-2.0
#include <QAction>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "settings/SettingsStore.h"
#include "store/RecordCodec.h"
#include "ui/CoreText.h"
#include "ui/Workspace.h"
#include "ui/reporter/support/ReporterDriver.h"
#include "ui/shell/MainWindow.h"
#include "ui/support/EditDriver.h"
#include "support/RecordBuilder.h"

using namespace orva;
using namespace orva::wizard_test;

namespace {

using Size = ReporterOptions::TextSize;

// The answers both runs give: every item asked, two left blank.
int Answer(int item) {
    return item == 5 || item == 77 ? -1 : item % 6;
}
const QString kComment = QStringLiteral("I like drawing.");

// The stored image of record `position`, unscrambled: what a record holds, byte for byte.
RecordImage StoredImage(const QString& path, int position) {
    const QByteArray stored = RecordBytes(FileBytes(path), position);
    RecordImage image{};
    if (stored.size() != static_cast<qsizetype>(kStoredRecordSize) ||
        !UnscrambleImage(reinterpret_cast<const unsigned char*>(stored.constData()), image))
        qWarning("record %d of %s unreadable", position, qPrintable(path));
    return image;
}

QString Wording(int item) {
    const AssessmentRecord self = testsupport::RecordBuilder(kSelf);
    return CoreText::ToQt(self.GetItemText(item));
}

QStringList Reading(int item) {
    return {Wording(item), QStringLiteral("Never"), QStringLiteral("Rarely"), QStringLiteral("Sometimes"),
            QStringLiteral("Regularly"), QStringLiteral("Often"), QStringLiteral("Very Often")};
}

QString ShownPage(Driver& run) {
    return run.Wizard().CurrentPage()->objectName();
}

bool ButtonShown(Driver& run, const char* name) {
    return run.Find(QLatin1String(name))->isVisible();
}

}  // namespace

// A young person or a parent answering alone: the clinician fills the first pages and hands
// the wizard over; the reporter reaches only the items and the comment, Cancel needs the
// clinician, the record is saved at the end and the "Thank you" screen waits for the clinician.
class ReporterModeTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    testsupport::TempSettingsDir settings_;

    QString Stem(const char* name) const { return dir_.filePath(QLatin1String(name)); }

    // Pages 1 to 3 of a Self-report to `file`, handed over with `options`, speech through `speaker`.
    static void ToReporter(Run& run, const QString& file, const ReporterOptions& options, ScriptedSpeaker* speaker) {
        OnScreen(run).SetSpeech([speaker]() -> Speaker* { return speaker; });
        run.ToDetails(kSelf, file);
        run.FillDetails();
        QVERIFY(HandOver(run, options));
        QVERIFY(OnScreen(run).InReporterMode());
        QVERIFY(QTest::qWaitForWindowActive(&run.Wizard()));
    }

  private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void keyboardRunWithOneItemPerScreenStoresWhatTheNormalWizardStores() {
        ScriptedSpeaker speaker;
        Run reporter;
        ToReporter(reporter, Stem("reporter"), {Size::ExtraLarge, true, true}, &speaker);
        QVERIFY(reporter.Wizard().isFullScreen());
        int screens = 0;
        for (int item = 1; item <= kItemCount; ++item, ++screens) {
            QCOMPARE(FocusName(), QStringLiteral("item%1Answer0Radio").arg(item));
            // Each item is read when it appears: its wording, then the six answer words.
            QCOMPARE(speaker.Last(), Reading(item));
            if (Answer(item) >= 0)
                Press(static_cast<Qt::Key>(Qt::Key_0 + Answer(item)));
            else
                reporter.Prompts().ExpectChoice(0);
            Press(Qt::Key_Return);
        }
        QCOMPARE(ShownPage(reporter), QStringLiteral("commentPage"));
        QCOMPARE(static_cast<int>(speaker.requests.size()), screens);
        QTest::keyClicks(QApplication::focusWidget(), kComment);
        // Alt+N presses Next as a click does, a moment later.
        Press(Qt::Key_N, Qt::AltModifier);

        // Saved before the reporter hands back, nothing told yet: that waits for the clinician.
        QTRY_COMPARE(ShownPage(reporter), QStringLiteral("handBackPage"));
        QCOMPARE(RecordCount(FileBytes(Stem("reporter") + QStringLiteral(".rpc"))), 1);
        QVERIFY2(reporter.Prompts().AllExpectedAndConsumed(), qPrintable(reporter.Prompts().Report()));
        for (const Prompt& prompt : reporter.Prompts().Prompts()) QCOMPARE(prompt.caption, QStringLiteral("Blank Items"));
        reporter.Prompts().ExpectYesNo(true);
        reporter.Prompts().ExpectMessage();
        reporter.Click(QStringLiteral("clinicianButton"));
        QCOMPARE(reporter.Wizard().result(), int(QDialog::Accepted));
        QCOMPARE(reporter.Prompts().Last().caption, QStringLiteral("Save Was Successful"));
        QVERIFY(!reporter.Wizard().isFullScreen());

        Run desk;
        desk.ThroughDetails(kSelf, Stem("desk"));
        desk.AnswerAll(Answer);
        desk.Type(QStringLiteral("commentEdit"), kComment);
        desk.Next();
        desk.Prompts().ExpectMessage();
        desk.Finish();
        QCOMPARE(desk.Wizard().result(), int(QDialog::Accepted));

        QVERIFY(StoredImage(Stem("reporter") + QStringLiteral(".rpc"), 0) ==
                StoredImage(Stem("desk") + QStringLiteral(".rpc"), 0));
    }

    void onlyTheItemsAndTheCommentCanBeReached() {
        ScriptedSpeaker speaker;
        Run run;
        ToReporter(run, Stem("reach"), {Size::Normal, true, false}, &speaker);
        QVERIFY(!run.Find(QStringLiteral("backButton"))->isEnabled());
        QVERIFY(!ButtonShown(run, "handOverButton"));
        Press(Qt::Key_2);
        Press(Qt::Key_Return);
        QCOMPARE(FocusName(), QStringLiteral("item2Answer0Radio"));
        // Back steps through the items, never to the details.
        run.Back();
        QCOMPARE(FocusName(), QStringLiteral("item1Answer2Radio"));
        QVERIFY(!run.Find(QStringLiteral("backButton"))->isEnabled());
        run.Back();
        QCOMPARE(ShownPage(run), QStringLiteral("itemsPage1"));
        // Nothing is read aloud without the clinician's choice, and there is no Finish.
        QVERIFY(speaker.requests.empty());
        QVERIFY(!ButtonShown(run, "finishButton"));
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
    }

    void blankItemsAreAskedInPlainWords() {
        ScriptedSpeaker speaker;
        Run run;
        ToReporter(run, Stem("plain"), {Size::Large, false, false}, &speaker);
        run.Prompts().ExpectChoice(1);
        run.Next();
        QCOMPARE(run.Prompts().Last().text, QStringLiteral("You have not answered every question on this page.\n\n"
                                                           "You can answer them now, or leave them blank and go on."));
        QCOMPARE(run.Prompts().Last().buttons,
                 QStringList({QStringLiteral("Leave blank and go on"), QStringLiteral("Answer now")}));
        QCOMPARE(ShownPage(run), QStringLiteral("itemsPage1"));
    }

    void cancelAsksForTheClinicianWhoDecides() {
        ScriptedSpeaker speaker;
        Run run(Stem("cancelled"));
        ToReporter(run, Stem("cancelled"), {Size::Normal, true, false}, &speaker);
        Press(Qt::Key_3);
        // The reporter goes back to the questions: nothing else is asked.
        run.Prompts().ExpectChoice(0);
        Press(Qt::Key_Escape);
        QCOMPARE(run.Prompts().Last().caption, QStringLiteral("Please call the clinician"));
        QCOMPARE(run.Prompts().Last().buttons,
                 QStringList({QStringLiteral("Back to the questions"), QStringLiteral("Clinician")}));
        QVERIFY(run.Wizard().isVisible() && OnScreen(run).InReporterMode());
        // The clinician comes and keeps the answers: back to the reporter.
        run.Prompts().ExpectChoice(1);
        run.Prompts().ExpectYesNo(false);
        run.Click(QStringLiteral("cancelButton"));
        QCOMPARE(run.Prompts().Last().caption, QStringLiteral("Cancel Selected"));
        QVERIFY(run.Wizard().isVisible() && OnScreen(run).InReporterMode());
        QCOMPARE(run.Record().GetResponse(1), -1);
        // The clinician cancels: closed, nothing saved.
        run.Prompts().ExpectChoice(1);
        run.Prompts().ExpectYesNo(true);
        Press(Qt::Key_Escape);
        QCOMPARE(run.Wizard().result(), int(QDialog::Rejected));
        QVERIFY(!run.Wizard().isVisible());
        QVERIFY(!QFile::exists(Stem("cancelled") + QStringLiteral(".rpc")));
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
    }

    void failedSaveWaitsForTheClinicianWhoChoosesAnotherFile() {
        ScriptedSpeaker speaker;
        Run run;
        const QString missingFolder = dir_.filePath(QStringLiteral("no such folder/clinic"));
        ToReporter(run, missingFolder, {Size::Normal, false, false}, &speaker);
        for (int page = 4; page <= 15; ++page) {
            run.AnswerPage(Answer, 10 * (page - 4) + 1, page == 15 ? 1 : 10);
            if (page == 4 || page == 11) run.Prompts().ExpectChoice(0);
            run.Next();
        }
        run.Next();
        QCOMPARE(ShownPage(run), QStringLiteral("handBackPage"));
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
        // Escape on the last screen is the clinician's too; "No" keeps it.
        run.Prompts().ExpectYesNo(false);
        Press(Qt::Key_Escape);
        QCOMPARE(ShownPage(run), QStringLiteral("handBackPage"));
        run.Prompts().ExpectYesNo(true);
        run.Prompts().ExpectMessage();
        run.Click(QStringLiteral("clinicianButton"));
        QCOMPARE(run.Prompts().Last().caption, QStringLiteral("Save Has Failed"));
        QCOMPARE(ShownPage(run), QStringLiteral("savePage"));
        QVERIFY(!OnScreen(run).InReporterMode() && !run.Wizard().isFullScreen());
        QVERIFY(ButtonShown(run, "browseButton"));
        QCOMPARE(run.Record().GetResponse(12), 12 % 6);
        run.Type(QStringLiteral("fileEdit"), Stem("another"));
        run.Prompts().ExpectMessage();
        run.Finish();
        QCOMPARE(run.Wizard().result(), int(QDialog::Accepted));
        QCOMPARE(RecordCount(FileBytes(Stem("another") + QStringLiteral(".rpc"))), 1);
    }

    void readAloudReadsTheItemAskedForAndNeverHoldsUpAnswering() {
        ScriptedSpeaker speaker;
        Run run;
        ToReporter(run, Stem("aloud"), {Size::Normal, false, false}, &speaker);
        run.Click(QStringLiteral("item4ReadAloudButton"));
        QCOMPARE(speaker.Last(), Reading(4));
        run.Find(QStringLiteral("item7Answer0Radio"))->setFocus();
        Press(Qt::Key_R);
        QCOMPARE(speaker.Last(), Reading(7));
        // Still being read (this speaker never finishes): the answer is taken all the same.
        Press(Qt::Key_5);
        QVERIFY(static_cast<QAbstractButton*>(run.Find(QStringLiteral("item7Answer5Radio")))->isChecked());
        // The comment box takes R as a letter.
        run.Prompts().ExpectChoice(0);
        for (int page = 4; page <= 15; ++page) {
            if (page > 4) run.Prompts().ExpectChoice(0);
            run.Next();
        }
        const int requests = static_cast<int>(speaker.requests.size());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("R"));
        QCOMPARE(static_cast<int>(speaker.requests.size()), requests);
        QCOMPARE(qobject_cast<QPlainTextEdit*>(run.Find(QStringLiteral("commentEdit")))->toPlainText(),
                 QStringLiteral("R"));
    }

    void withoutSpeechNothingOffersToReadAloud() {
        Run run;
        ToReporter(run, Stem("silent"), {Size::Normal, false, true}, nullptr);
        QVERIFY(!ButtonShown(run, "item1ReadAloudButton"));
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
    }

    void editsAreNotHandedOver() {
        QVERIFY(WriteRecords(Stem("edited") + QStringLiteral(".rpc"), {RecordToEdit(kSelf)}));
        EditRun run(Stem("edited") + QStringLiteral(".rpc"), 0, EditMethod::OnScreen);
        run.Next();
        run.Next();
        QCOMPARE(ShownPage(run), QStringLiteral("detailsPage"));
        QVERIFY(run.Wizard().findChild<QWidget*>(QStringLiteral("handOverButton")) == nullptr);
    }

    // The clinician's main window stays out of the reporter's reach: its shortcuts, menus and
    // toolbar do nothing while the wizard is handed over, as a real key or click finds them.
    void mainWindowCannotBeReachedInReporterMode() {
        testsupport::ScriptedPrompter prompter;
        MainWindow frame(prompter, SettingsStore::ForThisUser());
        auto speaker = std::make_unique<ScriptedSpeaker>();
        frame.Work().SetSpeaker(std::move(speaker));
        int analyses = 0;
        frame.SetHandler(MainWindow::Command::Analysis, [&analyses] { ++analyses; });
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QWidget* toolButton = frame.ToolBar()->widgetForAction(frame.Action(MainWindow::Command::Analysis));
        const QPoint onButton = toolButton->mapTo(&frame, toolButton->rect().center());
        // Without a wizard, the same click starts the command.
        QTest::mouseClick(frame.windowHandle(), Qt::LeftButton, {}, onButton);
        QCOMPARE(analyses, 1);

        bool checked = false;
        auto ran = testsupport::WhenModalShown([&](QWidget* shown) {
            auto* wizard = qobject_cast<QuestionnaireWizard*>(shown);
            QVERIFY(wizard != nullptr);
            Driver run(*wizard, prompter);
            run.ToDetails(kSelf, Stem("reach_frame"));
            run.FillDetails();
            QVERIFY(HandOver(run, {Size::Normal, false, false}));
            QVERIFY(wizard->isFullScreen());
            QTest::keyClick(frame.windowHandle(), Qt::Key_A, Qt::ControlModifier);
            QTest::mouseClick(frame.windowHandle(), Qt::LeftButton, {}, onButton);
            QTest::keyClick(frame.windowHandle(), Qt::Key_O, Qt::AltModifier);
            QCoreApplication::processEvents();
            QCOMPARE(analyses, 1);
            QCOMPARE(QApplication::activeModalWidget(), wizard);
            QVERIFY(QApplication::activePopupWidget() == nullptr);
            checked = true;
            prompter.ExpectChoice(1);
            prompter.ExpectYesNo(true);
            QTest::keyClick(wizard, Qt::Key_Escape);
        });
        frame.Action(MainWindow::Command::CompleteOnScreen)->trigger();
        QVERIFY(*ran && checked);
        QVERIFY2(prompter.AllExpectedAndConsumed(), qPrintable(prompter.Report()));
    }
};

QTEST_MAIN(ReporterModeTest)
#include "ReporterModeTest.moc"
