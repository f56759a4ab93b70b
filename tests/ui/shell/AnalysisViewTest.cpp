// SPDX-License-Identifier: Apache-2.0
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QtTest>

#include "ui/analysis/AnalysisForm.h"
#include "ui/settings/AppSettings.h"
#include "ui/shell/MainWindow.h"
#include "ui/Workspace.h"
#include "ui/shell/AnalysisView.h"
#include "ui/support/ScriptedPrompter.h"
#include "ui/support/UiTestSupport.h"
#include "ui/shell/WelcomeScreen.h"
#include "ui/support/SelectionTestSupport.h"

using namespace orva;
using namespace orva::selection_test;
using orva::test::SaveSnapshot;
using orva::test::ScriptedPrompter;
using orva::test::TempSettingsDir;
using orva::test::WhenModalShown;
using Command = MainWindow::Command;

// The view's two states and the Analysis command, driven through the main window.
class AnalysisViewTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir files_;
    QString stem_;  // record file path without ".rpc"
    std::unique_ptr<TempSettingsDir> settingsDir_;
    std::unique_ptr<ScriptedPrompter> prompter_;
    std::unique_ptr<MainWindow> frame_;

    AnalysisView& View() { return *frame_->View(); }
    Workspace& Work() { return frame_->Work(); }

    QString StoredFileName() const {
        return QSettings(settingsDir_->IniPath(), QSettings::IniFormat).value(QStringLiteral("ORVAFileName")).toString();
    }

    // Runs the Analysis command; `inDialog` acts on the selection dialog while it is open.
    void RunAnalysis(const std::function<void(QWidget&)>& inDialog) {
        auto ran = WhenModalShown([&](QWidget* dialog) { inDialog(*dialog); });
        frame_->Action(Command::Analysis)->trigger();
        QVERIFY(*ran);
    }

    // Picks the Self-report and the Parent-report of the person in the dialog and analyses.
    void PickTwoReports(QWidget& dialog) {
        EnterPerson(dialog, QStringLiteral("ALEX"), QStringLiteral("CITIZEN"), QStringLiteral("15"),
                    QStringLiteral("03"), QStringLiteral("2012"), QString());
        // Set, not typed: the test tool types only plain ASCII keys.
        Find<QLineEdit>(dialog, "fileEdit")->setText(stem_);
        Click(dialog, "loadButton");
        ClickEntry(dialog, 0);
        ClickEntry(dialog, 1);
        SaveSnapshot(&dialog, QStringLiteral("analysis_selection"));
        Click(dialog, "confirmButton");
    }

    bool WelcomeShown() { return View().Welcome()->isVisible() && !View().Form()->isVisible(); }
    bool FormShown() { return View().Form()->isVisible() && !View().Welcome()->isVisible(); }

private slots:
    void initTestCase() {
        QVERIFY(files_.isValid());
        stem_ = files_.filePath(QStringLiteral("caf\u00E9 records"));
        QVERIFY(WriteRecordFile(stem_ + QStringLiteral(".rpc"),
                                {MakeRecord(kSelf), MakeRecord(kParent, {}, {4, 15, 83}, false, "Pat Citizen")}));
    }

    void init() {
        settingsDir_ = std::make_unique<TempSettingsDir>();
        QSettings(settingsDir_->IniPath(), QSettings::IniFormat)
            .setValue(QStringLiteral("ORVAFileName"), QStringLiteral("C:/old/records"));
        prompter_ = std::make_unique<ScriptedPrompter>();
        frame_ = std::make_unique<MainWindow>(*prompter_, SettingsStore::ForThisUser());
        frame_->SetHandler(Command::Print, [] {});
        frame_->SetHandler(Command::SaveAs, [] {});
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
        // Shortcuts go to the active window; without a window manager nothing else activates it.
        QApplication::setActiveWindow(frame_.get());
    }

    void cleanup() {
        QVERIFY2(prompter_->AllExpectedAndConsumed(), qPrintable(prompter_->Report()));
        frame_.reset();
        prompter_.reset();
        settingsDir_.reset();
    }

    // What the command reads and remembers is the command's tests' business; here, the view.
    void analysisShowsTheFormFilledFromTheChosenRecords() {
        RunAnalysis([&](QWidget& dialog) { PickTwoReports(dialog); });
        QVERIFY(Work().AnalysisShown());
        QVERIFY(FormShown());
        QCOMPARE(frame_->windowTitle(), QStringLiteral("Child and Adolescent Orvantis"));
        QCOMPARE(FieldText(*View().Form(), "nameEdit"), QStringLiteral("ALEX CITIZEN"));
        QVERIFY(Find<QPlainTextEdit>(*View().Form(), "observersEdit")
                    ->toPlainText()
                    .contains(QStringLiteral("Pat Citizen")));
        SaveSnapshot(frame_.get(), QStringLiteral("main_window_analysis"));
    }

    void everyAnalysisOpensAtItsTop() {
        RunAnalysis([&](QWidget& dialog) { PickTwoReports(dialog); });
        auto* area = View().findChild<QScrollArea*>(QStringLiteral("analysisScrollArea"));
        QScrollBar* bar = area->verticalScrollBar();
        QVERIFY(bar->maximum() > bar->minimum());
        bar->setValue(bar->maximum());
        RunAnalysis([&](QWidget& dialog) { PickTwoReports(dialog); });
        QCOMPARE(bar->value(), bar->minimum());
    }

    void reportCommandsFollowTheShownAnalysis() {
        QVERIFY(!frame_->Action(Command::Print)->isEnabled());
        QVERIFY(!frame_->Action(Command::SaveAs)->isEnabled());
        RunAnalysis([&](QWidget& dialog) { PickTwoReports(dialog); });
        QVERIFY(frame_->Action(Command::Print)->isEnabled());
        QVERIFY(frame_->Action(Command::SaveAs)->isEnabled());
        QVERIFY(frame_->Action(Command::PrintPreview)->isEnabled());
        RunAnalysis([](QWidget& dialog) { Click(dialog, "cancelButton"); });
        QVERIFY(!frame_->Action(Command::Print)->isEnabled());
        QVERIFY(!frame_->Action(Command::PrintPreview)->isEnabled());
        QVERIFY(!frame_->Action(Command::SaveAs)->isEnabled());
        QVERIFY(!frame_->Action(Command::PrintPreview)->isEnabled());
    }

    void analysisCommandFirstEmptiesTheShownAnalysis() {
        RunAnalysis([&](QWidget& dialog) { PickTwoReports(dialog); });
        bool emptiedBeforeTheDialog = false;
        bool welcomeBehindTheDialog = false;
        RunAnalysis([&](QWidget& dialog) {
            emptiedBeforeTheDialog = !Work().AnalysisShown();
            welcomeBehindTheDialog = WelcomeShown();
            Click(dialog, "cancelButton");
        });
        QVERIFY(emptiedBeforeTheDialog);
        QVERIFY(welcomeBehindTheDialog);
    }

    void cancelledAnalysisLeavesTheWelcomeWithTheFormEmptied() {
        RunAnalysis([&](QWidget& dialog) { PickTwoReports(dialog); });
        QVERIFY(FormShown());
        RunAnalysis([&](QWidget& dialog) {
            // A different file typed, then cancelled: nothing of it is kept.
            Type(dialog, "fileEdit", QStringLiteral("/elsewhere/other"));
            Click(dialog, "cancelButton");
        });
        QVERIFY(!Work().AnalysisShown());
        QVERIFY(WelcomeShown());
        for (QLineEdit* field : View().Form()->findChildren<QLineEdit*>()) {
            QVERIFY2(field->text().isEmpty(), qPrintable(field->objectName()));
        }
    }

    void withNoStoredSettingsTheAnalysisOffersAnEmptyFileName() {
        frame_.reset();
        // The old folder goes first, so that it does not hand its predecessor's back on leaving.
        settingsDir_.reset();
        settingsDir_ = std::make_unique<TempSettingsDir>();
        frame_ = std::make_unique<MainWindow>(*prompter_, SettingsStore::ForThisUser());
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
        QString offered = QStringLiteral("<not asked>");
        RunAnalysis([&](QWidget& dialog) {
            offered = FieldText(dialog, "fileEdit");
            Click(dialog, "cancelButton");
        });
        QCOMPARE(offered, QString());
        QVERIFY(WelcomeShown());
    }

    void analysisOfNothingStaysOnTheWelcome() {
        RunAnalysis([](QWidget& dialog) { Click(dialog, "cancelButton"); });
        QVERIFY(WelcomeShown());
        QCOMPARE(StoredFileName(), QStringLiteral("C:/old/records"));
    }

    void analysisShortcutWorksWhileAFieldHasTheFocus() {
        RunAnalysis([&](QWidget& dialog) { PickTwoReports(dialog); });
        QLineEdit* field = View().Form()->findChildren<QLineEdit*>().value(0);
        QVERIFY(field != nullptr);
        QApplication::setActiveWindow(frame_.get());
        field->setFocus();
        QCOMPARE(QApplication::focusWidget(), field);
        auto ran = WhenModalShown([](QWidget* dialog) { Click(*dialog, "cancelButton"); });
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(*ran);
        QVERIFY(WelcomeShown());
    }

    void focusRestsOnTheViewNotOnAField() {
        RunAnalysis([&](QWidget& dialog) { PickTwoReports(dialog); });
        // The window's focus, which the keyboard reaches whenever the window is active.
        QWidget* focus = frame_->focusWidget();
        QVERIFY(focus != nullptr);
        QCOMPARE(focus->objectName(), QStringLiteral("analysisScrollArea"));
    }

};

QTEST_MAIN(AnalysisViewTest)
#include "AnalysisViewTest.moc"
