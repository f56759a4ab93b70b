// SPDX-License-Identifier: Apache-2.0
#include <QtTest>

#include "ui/support/SelectionTestSupport.h"
#include "ui/history/HistorySelectionDialog.h"
#include "ui/selection/RecordPath.h"
#include "ui/support/ScriptedPrompter.h"
#include "ui/support/UiTestSupport.h"

using namespace orva;
using namespace orva::selection_test;
using orva::test::ScriptedPrompter;

// The Person History command's dialog: the Analysis dialog's person and file, every record of
// the person listed, and the person and file handed to the reader.
class HistorySelectionDialogTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    QString stem_;

    struct Session {
        ScriptedPrompter prompter;
        std::vector<HistoryChoice> offered;
        bool take = true;
        HistorySelectionDialog dialog;
        explicit Session(const QString& fileText)
            : dialog(
                  prompter,
                  [this](const HistoryChoice& choice) {
                      offered.push_back(choice);
                      return take;
                  },
                  fileText) {
            dialog.SetClock(TestClock());
        }
        ~Session() { QVERIFY2(prompter.AllExpectedAndConsumed(), qPrintable(prompter.Report())); }
    };

    void LoadPerson(Session& s, const QString& first = QStringLiteral("ALEX")) {
        EnterPerson(s.dialog, first, QStringLiteral("CITIZEN"), QStringLiteral("15"), QStringLiteral("03"),
                    QStringLiteral("2012"), stem_);
        Click(s.dialog, "loadButton");
    }

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        stem_ = dir_.filePath(QStringLiteral("clinic"));
        QVERIFY(WriteRecordFile(stem_ + QStringLiteral(".rpc"),
                                {MakeRecord(kSelf), MakeRecord(kParent, {}, {}, false, "Pat Citizen"),
                                 MakeRecord(kSelf, Person{"JO", "BLOGGS"}), MakeRecord(kParent, {}, {}, false, "Sam")}));
    }

    void dialogAsksForAPersonWithItsOwnCaptionAndButton() {
        Session s(stem_);
        QCOMPARE(s.dialog.windowTitle(), QStringLiteral("Select Person for History"));
        QCOMPARE(Find<QLabel>(s.dialog, "headingLabel")->text(),
                 QStringLiteral("Please enter the details of the person whose ORVA history you wish to see."));
        QCOMPARE(Find<QLabel>(s.dialog, "instructionLabel")->text(),
                 QStringLiteral("Every ORVA record of this person in the file is shown in the history:"));
        QCOMPARE(Find<QPushButton>(s.dialog, "confirmButton")->text(), QStringLiteral("Show History"));
        QCOMPARE(FieldText(s.dialog, "fileEdit"), stem_);
    }

    // Every record is part of the history, so the list only shows them.
    void loadListsThePersonsRecordsForReadingOnly() {
        Session s(stem_);
        LoadPerson(s);
        QCOMPARE(Entries(s.dialog),
                 QStringList({QStringLiteral("Saved: 15/06/2026 10:30:00   Self Assessment"),
                              QStringLiteral("Saved: 15/06/2026 10:31:00   Parent Assessment by: Pat Citizen"),
                              QStringLiteral("Saved: 15/06/2026 10:33:00   Parent Assessment by: Sam")}));
        ClickEntry(s.dialog, 1);
        QVERIFY(Find<QListWidget>(s.dialog, "recordList")->selectedItems().isEmpty());
    }

    void showHistoryHandsThePersonAsLoadedAndTheFileToTheReader() {
        Session s(stem_);
        LoadPerson(s, QStringLiteral("alex  "));
        Click(s.dialog, "confirmButton");
        QCOMPARE(s.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(static_cast<int>(s.offered.size()), 1);
        const HistoryChoice& choice = s.offered.front();
        QCOMPARE(choice.path.OnDisk(), FileSystemPath(stem_ + QStringLiteral(".rpc")));
        QCOMPARE(choice.person.firstName, std::string("alex"));
        QCOMPARE(choice.person.lastName, std::string("CITIZEN"));
        QCOMPARE(choice.person.birthYear, 2012);
        QCOMPARE(choice.person.birthMonth, 3);
        QCOMPARE(choice.person.birthDay, 15);
    }

    void choiceTheReaderRefusesKeepsTheDialogOpen() {
        Session s(stem_);
        s.take = false;
        QVERIFY(ShowActive(s.dialog));
        LoadPerson(s);
        Click(s.dialog, "confirmButton");
        QCOMPARE(static_cast<int>(s.offered.size()), 1);
        QVERIFY(s.dialog.isVisible());
        QCOMPARE(s.dialog.result(), int(QDialog::Rejected));
    }

    void showHistoryBeforeALoadThatFoundRecordsIsRefused() {
        Session s(stem_);
        s.prompter.ExpectMessage();
        Click(s.dialog, "confirmButton");
        QCOMPARE(s.prompter.Last().caption, QStringLiteral("No Records Loaded"));
        QCOMPARE(s.prompter.Last().text,
                 QStringLiteral("No records of this person have been loaded.\n\nEnter the name, date of birth and "
                                "file to search\nthen click the 'Load/Reload Matching ORVA Records' button."));
        QCOMPARE(s.prompter.Last().icon, MessageIcon::Stop);
        // A load that finds nobody leaves nothing to show either.
        s.prompter.ExpectMessage();
        LoadPerson(s, QStringLiteral("NOBODY"));
        QCOMPARE(s.prompter.Last().caption, QStringLiteral("No Matching Records"));
        s.prompter.ExpectMessage();
        Click(s.dialog, "confirmButton");
        QCOMPARE(s.prompter.Last().caption, QStringLiteral("No Records Loaded"));
        QVERIFY(s.offered.empty());
    }

    void changedDetailsAskBeforeTheHistoryOfTheListShown() {
        Session s(stem_);
        LoadPerson(s);
        Type(s.dialog, "lastNameEdit", QStringLiteral("BLOGGS"));
        s.prompter.ExpectChoice(1);
        Click(s.dialog, "confirmButton");
        QCOMPARE(s.prompter.Last().caption, QStringLiteral("Changed Selection Criteria"));
        QVERIFY(s.offered.empty());
        s.prompter.ExpectChoice(0);
        Click(s.dialog, "confirmButton");
        QCOMPARE(static_cast<int>(s.offered.size()), 1);
        QCOMPARE(s.offered.front().person.lastName, std::string("CITIZEN"));
    }

    // The person's checks are the Analysis dialog's own, message and focus alike.
    void detailsAreCheckedAsForAnAnalysis() {
        Session s(stem_);
        QVERIFY(ShowActive(s.dialog));
        EnterPerson(s.dialog, QStringLiteral("ALEX"), QString(), QString(), QString(), QString(), stem_);
        s.prompter.ExpectMessage();
        Click(s.dialog, "loadButton");
        QCOMPARE(s.prompter.Last().caption, QStringLiteral("Mandatory Field"));
        QCOMPARE(s.prompter.Last().text, QStringLiteral("'First Name' and 'Last Name' are mandatory."));
        QCOMPARE(FocusName(), QStringLiteral("lastNameEdit"));
    }

    void snapshot() {
        Session s(stem_);
        QVERIFY(ShowActive(s.dialog));
        LoadPerson(s);
        test::SaveSnapshot(&s.dialog, QStringLiteral("person_history_selection"));
    }
};

QTEST_MAIN(HistorySelectionDialogTest)
#include "HistorySelectionDialogTest.moc"
