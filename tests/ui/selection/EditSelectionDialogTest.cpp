// SPDX-License-Identifier: Apache-2.0
#include <QRadioButton>
#include <QtTest>

#include "ui/selection/EditSelectionDialog.h"
#include "ui/selection/RecordEntryList.h"
#include "ui/selection/RecordPath.h"
#include "ui/support/ScriptedPrompter.h"
#include "ui/support/UiTestSupport.h"
#include "ui/support/SelectionTestSupport.h"

using namespace orva;
using namespace orva::selection_test;
using orva::testsupport::Prompt;
using orva::testsupport::ScriptedPrompter;

namespace {

AssessmentRecord OnPaper(AssessmentRecord record) {
    record.SetDataEntry(kPaper);
    return record;
}

bool Checked(QWidget& dialog, const char* radio) {
    return Find<QRadioButton>(dialog, radio)->isChecked();
}

}  // namespace

class EditSelectionTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    QString stem_;

    struct Session {
        ScriptedPrompter prompter;
        EditSelectionDialog dialog;
        Session(const QString& fileText, int method) : dialog(prompter, fileText, method) {
            dialog.SetClock(TestClock());
        }
    };

    static void LoadPerson(Session& s, const QString& file) {
        EnterPerson(s.dialog, QStringLiteral("Alex"), QStringLiteral("Citizen"), QStringLiteral("15"),
                    QStringLiteral("03"), QStringLiteral("2012"), file);
        Click(s.dialog, "loadButton");
    }

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        stem_ = dir_.filePath(QStringLiteral("edits"));
        // Position 0 another person, 1 a Self-report on screen, 2 a Parent-report on paper.
        QVERIFY(WriteRecordFile(stem_ + QStringLiteral(".rpc"),
                                {MakeRecord(kSelf, Person{"JO", "BLOGGS"}), MakeRecord(kSelf),
                                 OnPaper(MakeRecord(kParent, {}, {}, false, "Pat Citizen"))}));
    }

    void dialogShowsItsOwnCaptionHeadingAndTheCallersMethod() {
        Session s(stem_, EditSelectionDialog::kEnterResponses);
        QCOMPARE(s.dialog.windowTitle(), QStringLiteral("Select ORVA Response to Edit"));
        QCOMPARE(
            Find<QLabel>(s.dialog, "headingLabel")->text(),
            QStringLiteral("Please enter the details of the ORVA Questionnaire Response you wish to edit."));
        QCOMPARE(Find<QPushButton>(s.dialog, "confirmButton")->text(), QStringLiteral("Edit"));
        QCOMPARE(Find<QLabel>(s.dialog, "editMethodLabel")->text(),
                 QStringLiteral("How would you like to\nedit the ORVA response?"));
        QCOMPARE(Find<QRadioButton>(s.dialog, "completeOnScreenRadio")->text(),
                 QStringLiteral("Complete On-Screen"));
        QCOMPARE(Find<QRadioButton>(s.dialog, "enterResponsesRadio")->text(),
                 QStringLiteral("Enter Responses"));
        QVERIFY(Checked(s.dialog, "enterResponsesRadio"));
        QCOMPARE(s.dialog.EditMethod(), int(EditSelectionDialog::kEnterResponses));
        Session other(stem_, EditSelectionDialog::kCompleteOnScreen);
        QVERIFY(Checked(other.dialog, "completeOnScreenRadio"));
    }

    void currentEntryPresetsTheMethodFromHowItWasEntered() {
        Session s(stem_, EditSelectionDialog::kEnterResponses);
        LoadPerson(s, stem_);
        QVERIFY2(s.prompter.AllExpectedAndConsumed(), qPrintable(s.prompter.Report()));
        QCOMPARE(
            Entries(s.dialog),
            QStringList({QStringLiteral("Saved: 15/06/2026 10:31:00   Self Assessment"),
                         QStringLiteral("Saved: 15/06/2026 10:32:00   Parent Assessment by: Pat Citizen")}));
        auto* list = Find<RecordEntryList>(s.dialog, "recordList");
        QCOMPARE(list->CurrentEntry(), 0);
        QVERIFY(list->item(0)->isSelected());
        QVERIFY(Checked(s.dialog, "completeOnScreenRadio"));

        ClickEntry(s.dialog, 1);
        QVERIFY(Checked(s.dialog, "enterResponsesRadio"));
        // The user may still choose the other way.
        Find<QRadioButton>(s.dialog, "completeOnScreenRadio")->click();
        Click(s.dialog, "confirmButton");
        QCOMPARE(s.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(FromFileSystemPath(s.dialog.Selection().file.OnDisk()),
                 stem_ + QStringLiteral(".rpc"));
        QCOMPARE(s.dialog.Selection().position, 2);
        // The row the entry showed goes along, for the record read later to be held against.
        QCOMPARE(s.dialog.Selection().listed.filePosition, 2);
        QCOMPARE(s.dialog.Selection().listed.reporter, kParent);
        QCOMPARE(s.dialog.Selection().listed.observerName, std::string("Pat Citizen"));
        QCOMPARE(s.dialog.EditMethod(), int(EditSelectionDialog::kCompleteOnScreen));
        QCOMPARE(s.dialog.FileText(), stem_);
    }

    void tabGoesFromTheListToTheMethodBeforeTheButtons() {
        Session s(stem_, EditSelectionDialog::kCompleteOnScreen);
        QVERIFY(ShowActive(s.dialog));
        Find<QListWidget>(s.dialog, "recordList")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(FocusName(), QStringLiteral("completeOnScreenRadio"));
        for (int presses = 0; presses < 2 && FocusName().endsWith(QStringLiteral("Radio")); ++presses)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(FocusName(), QStringLiteral("confirmButton"));
    }

    void editWithoutAnEntryIsNoSelection() {
        Session s(stem_, EditSelectionDialog::kCompleteOnScreen);
        s.prompter.ExpectMessage();
        Click(s.dialog, "confirmButton");
        QVERIFY2(s.prompter.AllExpectedAndConsumed(), qPrintable(s.prompter.Report()));
        QCOMPARE(s.prompter.Last().caption, QStringLiteral("No Selection"));
        QCOMPARE(s.prompter.Last().icon, MessageIcon::Stop);
        QCOMPARE(s.dialog.result(), int(QDialog::Rejected));
        QCOMPARE(s.dialog.Selection().position, -1);
        QVERIFY(s.dialog.Selection().file.OnDisk().empty());
    }

    void changedCriteriaCancelKeepsTheDialogAndContinueEditsTheListedRecord() {
        Session s(stem_, EditSelectionDialog::kCompleteOnScreen);
        LoadPerson(s, stem_);
        Type(s.dialog, "birthDayEdit", QStringLiteral("16"));
        s.prompter.ExpectChoice(-1);
        Click(s.dialog, "confirmButton");
        QCOMPARE(s.prompter.Last().caption, QStringLiteral("Changed Selection Criteria"));
        QCOMPARE(s.dialog.result(), int(QDialog::Rejected));
        QCOMPARE(s.dialog.Selection().position, -1);
        s.prompter.ExpectChoice(0);
        Click(s.dialog, "confirmButton");
        QVERIFY2(s.prompter.AllExpectedAndConsumed(), qPrintable(s.prompter.Report()));
        QCOMPARE(s.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(s.dialog.Selection().position, 1);
    }

    void readOnlyFileIsSearchedAndWarnedAboutAfterTheListIsFilled() {
        ReadOnlyFileSystem readOnly;
        Session s(stem_, EditSelectionDialog::kCompleteOnScreen);
        s.dialog.SetFileSystem(readOnly);
        int entriesWhenWarned = -1;
        s.prompter.ExpectMessage([&](const Prompt&) { entriesWhenWarned = Entries(s.dialog).size(); });
        LoadPerson(s, stem_);
        QVERIFY2(s.prompter.AllExpectedAndConsumed(), qPrintable(s.prompter.Report()));
        QCOMPARE(s.prompter.Last().caption, QStringLiteral("File is Read Only"));
        QCOMPARE(s.prompter.Last().text,
                 QStringLiteral(
                     "Warning:  The file you are attempting to edit is read-only.\n\nYou will have to either "
                     "have the read-only security\non the file removed or save any edits to a new file."));
        QCOMPARE(s.prompter.Last().icon, MessageIcon::Information);
        QCOMPARE(entriesWhenWarned, 2);
        Click(s.dialog, "confirmButton");
        QCOMPARE(s.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(s.dialog.Selection().position, 1);
    }

    void writableFileGivesNoReadOnlyWarning() {
        Session s(stem_, EditSelectionDialog::kCompleteOnScreen);
        LoadPerson(s, stem_);
        QVERIFY2(s.prompter.AllExpectedAndConsumed(), qPrintable(s.prompter.Report()));
        QCOMPARE(s.prompter.Prompts().size(), size_t{0});
    }

    void cancelChoosesNothing() {
        Session s(stem_, EditSelectionDialog::kCompleteOnScreen);
        LoadPerson(s, stem_);
        Click(s.dialog, "cancelButton");
        QCOMPARE(s.dialog.result(), int(QDialog::Rejected));
        QVERIFY(s.dialog.Selection().file.OnDisk().empty());
        QCOMPARE(s.dialog.Selection().position, -1);
    }

    void snapshot() {
        Session s(stem_, EditSelectionDialog::kCompleteOnScreen);
        QVERIFY(ShowActive(s.dialog));
        LoadPerson(s, stem_);
        ClickEntry(s.dialog, 1);
        testsupport::SaveSnapshot(&s.dialog, QStringLiteral("selection_edit"));
        QVERIFY(Checked(s.dialog, "enterResponsesRadio"));
    }
};

QTEST_MAIN(EditSelectionTest)
#include "EditSelectionDialogTest.moc"
