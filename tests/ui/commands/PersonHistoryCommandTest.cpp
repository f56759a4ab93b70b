// SPDX-License-Identifier: Apache-2.0
#include <QSettings>
#include <QTableView>
#include <QtTest>

#include "settings/SettingsStore.h"
#include "ui/support/SelectionTestSupport.h"
#include "ui/Workspace.h"
#include "ui/commands/PersonHistoryCommand.h"
#include "ui/support/HistoryTestRecords.h"
#include "ui/history/PersonHistoryTableModel.h"
#include "ui/history/PersonHistoryWindow.h"
#include "ui/support/ScriptedPrompter.h"
#include "ui/support/UiTestSupport.h"

using namespace orva;
using namespace orva::selection_test;
using orva::history_test::Assessment;
using orva::history_test::SixAssessments;
using orva::testsupport::ScriptedPrompter;
using orva::testsupport::TempSettingsDir;
using orva::testsupport::WhenModalShown;

// The Person History command: the person is chosen, their history read and shown, and the
// columns opened there become the current analysis.
class PersonHistoryCommandTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir files_;
    QString stem_;
    std::unique_ptr<TempSettingsDir> settingsDir_;
    std::unique_ptr<ScriptedPrompter> prompter_;
    std::unique_ptr<Workspace> workspace_;

    QString StoredFileName() const {
        return QSettings(settingsDir_->IniPath(), QSettings::IniFormat)
            .value(QStringLiteral("ORVAFileName"))
            .toString();
    }

    static void LoadPerson(QWidget& dialog, const QString& stem) {
        EnterPerson(dialog, QStringLiteral("ALEX"), QStringLiteral("CITIZEN"), QStringLiteral("15"),
                    QStringLiteral("03"), QStringLiteral("2012"), QString());
        Find<QLineEdit>(dialog, "fileEdit")->setText(stem);
        Click(dialog, "loadButton");
    }

    // Runs the command: `inDialog` in the selection dialog, then `inWindow` in the history window
    // when one opens.
    bool Run(const std::function<void(QWidget&)>& inDialog,
             const std::function<void(PersonHistoryWindow&)>& inWindow) {
        std::shared_ptr<bool> windowRan;
        auto dialogRan = WhenModalShown([&](QWidget* dialog) {
            windowRan = WhenModalShown([&](QWidget* window) {
                auto* history = qobject_cast<PersonHistoryWindow*>(window);
                QVERIFY(history != nullptr);
                inWindow(*history);
            });
            inDialog(*dialog);
        });
        RunPersonHistoryCommand(*workspace_, nullptr);
        return *dialogRan && windowRan && *windowRan;
    }

    static void ClickColumn(PersonHistoryWindow& window, int column, Qt::KeyboardModifiers modifiers = {}) {
        auto* table = window.findChild<QTableView*>(QStringLiteral("historyTable"));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, modifiers,
                          table->visualRect(table->model()->index(0, column)).center());
    }

    static ReportSet EarlierAnalysis() {
        ReportSet analysis;
        analysis.Record(kTeacher) = MakeRecord(kTeacher, Person{"OLD", "ANALYSIS"});
        return analysis;
    }

  private slots:
    void initTestCase() {
        QVERIFY(files_.isValid());
        stem_ = files_.filePath(QStringLiteral("clinic"));
        auto records = SixAssessments();
        records.insert(records.begin() + 2, MakeRecord(kSelf, Person{"JO", "BLOGGS"}));
        QVERIFY(WriteRecordFile(stem_ + QStringLiteral(".rpc"), records));
    }

    void init() {
        settingsDir_ = std::make_unique<TempSettingsDir>();
        QSettings(settingsDir_->IniPath(), QSettings::IniFormat)
            .setValue(QStringLiteral("ORVAFileName"), QStringLiteral("/old/records"));
        prompter_ = std::make_unique<ScriptedPrompter>();
        workspace_ = std::make_unique<Workspace>(*prompter_, SettingsStore::ForThisUser());
        workspace_->SetAnalysis(EarlierAnalysis());
    }

    void cleanup() {
        QVERIFY2(prompter_->AllExpectedAndConsumed(), qPrintable(prompter_->Report()));
        workspace_.reset();
        prompter_.reset();
        settingsDir_.reset();
    }

    void openedColumnsBecomeTheAnalysisAndTheFileIsRemembered() {
        QString offered;
        int columns = 0;
        QVERIFY(Run(
            [&](QWidget& dialog) {
                offered = FieldText(dialog, "fileEdit");
                LoadPerson(dialog, stem_);
                Click(dialog, "confirmButton");
            },
            [&](PersonHistoryWindow& window) {
                columns = window.Model().columnCount();
                // Still the earlier analysis while the history is shown.
                QVERIFY(!workspace_->CurrentAnalysis()->IsSlotEmpty(kTeacher));
                ClickColumn(window, 4);
                ClickColumn(window, 5, Qt::ControlModifier);
                QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("openAnalysisButton")),
                                  Qt::LeftButton);
            }));
        QCOMPARE(offered, QStringLiteral("/old/records"));
        // The other person's record is no part of the history.
        QCOMPARE(columns, 6);
        const ReportSet& analysis = *workspace_->CurrentAnalysis();
        QVERIFY(analysis.IsSlotEmpty(kTeacher));
        QCOMPARE(analysis.Record(kParent).GetCompletionDate().value_or(Date{}).year, 2026);
        QCOMPARE(analysis.Record(kSelf).GetCompletionDate().value_or(Date{}).year, 2026);
        QCOMPARE(StoredFileName(), stem_);
    }

    void closedHistoryLeavesTheAnalysisAsItWas() {
        QVERIFY(Run(
            [&](QWidget& dialog) {
                LoadPerson(dialog, stem_);
                Click(dialog, "confirmButton");
            },
            [](PersonHistoryWindow& window) {
                QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("closeButton")), Qt::LeftButton);
            }));
        QCOMPARE(workspace_->CurrentAnalysis()->Record(kTeacher).GetLastName(), std::string("ANALYSIS"));
    }

    void fileGoneSinceTheLoadIsAReadErrorAndTheDialogStaysOpen() {
        const QString stem = files_.filePath(QStringLiteral("going"));
        QVERIFY(WriteRecordFile(stem + QStringLiteral(".rpc"), {MakeRecord(kSelf)}));
        bool openAfterTheError = false;
        QVERIFY(!Run(
            [&](QWidget& dialog) {
                LoadPerson(dialog, stem);
                QVERIFY(QFile::remove(stem + QStringLiteral(".rpc")));
                prompter_->ExpectMessage();
                Click(dialog, "confirmButton");
                openAfterTheError = dialog.isVisible();
                Click(dialog, "cancelButton");
            },
            [](PersonHistoryWindow&) {}));
        QCOMPARE(prompter_->Last().caption, QStringLiteral("Read Error"));
        QCOMPARE(prompter_->Last().icon, MessageIcon::Stop);
        QVERIFY(openAfterTheError);
        QCOMPARE(workspace_->CurrentAnalysis()->Record(kTeacher).GetLastName(), std::string("ANALYSIS"));
        QCOMPARE(StoredFileName(), QStringLiteral("/old/records"));
    }
};

QTEST_MAIN(PersonHistoryCommandTest)
#include "PersonHistoryCommandTest.moc"
