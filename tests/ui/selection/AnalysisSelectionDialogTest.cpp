// SPDX-License-Identifier: Apache-2.0
#include <QGroupBox>
#include <QtTest>

#include "ui/selection/AnalysisSelectionDialog.h"
#include "ui/selection/RecordEntryList.h"
#include "screening/ReportSet.h"
#include "store/FileSystem.h"
#include "ui/selection/RecordPath.h"
#include "ui/support/ScriptedPrompter.h"
#include "ui/support/UiTestSupport.h"
#include "ui/support/SelectionTestSupport.h"

using namespace orva;
using namespace orva::selection_test;
using orva::testsupport::Prompt;
using orva::testsupport::ScriptedPrompter;

namespace {

const QString kParentLine = QStringLiteral("Saved: 15/06/2026 10:31:00   Parent Assessment by: Pat Citizen");

// A file with the person ALEX CITIZEN (born 15/03/2012): a Self-report, a Parent-report, a
// Teacher-report and a second Parent-report, saved a minute apart in that order, and a
// Self-report of another person between them.
bool WritePersonFile(const QString& path) {
    return WriteRecordFile(
        path, {MakeRecord(kSelf), MakeRecord(kParent, {}, {4, 15, 83}, false, "Pat Citizen"),
               MakeRecord(kTeacher, {}, {}, false, "Mr Lee"), MakeRecord(kSelf, Person{"ALEX", "CITIZENS"}),
               MakeRecord(kParent, {}, {}, false, "Sam Citizen")});
}

// Holds the file open and locked, as another ORVA program using it would.
class FileLock {
  public:
    explicit FileLock(const QString& path) {
        if (const StoreResult<FileSystem::Handle> opened = fs_.Open(FileSystemPath(path), OpenMode::ReadWrite, 0)) {
            handle_ = *opened;
            locked_ = fs_.LockExclusive(handle_).Ok();
        }
    }
    ~FileLock() {
        if (handle_ >= 0) (void)fs_.Close(handle_);  // only held
    }
    bool Locked() const { return locked_; }

  private:
    FileSystem& fs_ = DefaultFileSystem();
    FileSystem::Handle handle_ = -1;
    bool locked_ = false;
};

}  // namespace

class AnalysisSelectionTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    QString stem_;  // the record file's path without ".rpc"

    // The dialog with a reader that records every choice it is given and takes it or not.
    struct Session {
        ScriptedPrompter prompter;
        std::vector<AnalysisChoice> offered;
        bool take = true;
        AnalysisSelectionDialog dialog;
        explicit Session(const QString& fileText)
            : dialog(
                  prompter,
                  [this](const AnalysisChoice& choice) {
                      offered.push_back(choice);
                      return take;
                  },
                  fileText) {
            dialog.SetClock(TestClock());
        }
    };

    std::string StoredPath(const QString& stem) const {
        return FileSystemPath(stem + QStringLiteral(".rpc"));
    }

    // The dialog with the person typed in and the list loaded without any message.
    static void LoadPerson(Session& s, const QString& file) {
        EnterPerson(s.dialog, QStringLiteral("ALEX"), QStringLiteral("CITIZEN"), QStringLiteral("15"),
                    QStringLiteral("03"), QStringLiteral("2012"), file);
        Click(s.dialog, "loadButton");
    }

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        stem_ = dir_.filePath(QStringLiteral("clinic"));
        QVERIFY(WritePersonFile(stem_ + QStringLiteral(".rpc")));
    }

    void dialogShowsItsCaptionHeadingAndFileName() {
        Session s(stem_);
        QCOMPARE(s.dialog.windowTitle(), QStringLiteral("Select ORVA Response for Analysis"));
        QCOMPARE(Find<QLabel>(s.dialog, "headingLabel")->text(),
                 QStringLiteral(
                     "Please enter the details of the ORVA Questionnaire Response you wish to analyse."));
        QCOMPARE(Find<QPushButton>(s.dialog, "confirmButton")->text(), QStringLiteral("Analyse"));
        QVERIFY(Find<QPushButton>(s.dialog, "confirmButton")->isDefault());
        QCOMPARE(FieldText(s.dialog, "fileEdit"), stem_);
        QCOMPARE(Find<QLineEdit>(s.dialog, "birthYearEdit")->maxLength(), 4);
        QVERIFY(Find<QLabel>(s.dialog, "noteLabel")->text().contains(QStringLiteral("Kelbrin")));
    }

    // The fields' labels, the two groups and the buttons both selection dialogs share.
    void dialogShowsTheLabelsGroupsAndButtonsOfTheSearch() {
        Session s(stem_);
        QStringList labels;
        for (QLabel* label : s.dialog.findChildren<QLabel*>()) labels << label->text();
        for (const char* text : {"First Name:", "Last Name:", "Date of Birth:", "Day", "Month", "Year",
                                 "From the data file:", ".rpc",
                                 "Select a Self-report, Parent-report and/or Teacher-report from the list of "
                                 "Matching ORVA Records:"})
            QVERIFY2(labels.contains(QString::fromLatin1(text)), text);
        QCOMPARE(labels.count(QStringLiteral("/")), 2);
        QVERIFY(Find<QLabel>(s.dialog, "noteLabel")
                    ->text()
                    .startsWith(
                        QStringLiteral("For data privacy reasons a lookup facility has not been provided.")));

        QStringList groups;
        for (QGroupBox* group : s.dialog.findChildren<QGroupBox*>()) groups << group->title();
        QCOMPARE(groups, QStringList({QStringLiteral("Note"), QStringLiteral("Select")}));
        QCOMPARE(Find<QListWidget>(s.dialog, "recordList")->parentWidget(),
                 Find<QGroupBox>(s.dialog, "selectGroup"));

        QStringList buttons;
        for (QPushButton* button : s.dialog.findChildren<QPushButton*>()) buttons << button->text();
        buttons.sort();
        QCOMPARE(buttons, QStringList({QStringLiteral("Analyse"), QStringLiteral("Browse ..."),
                                       QStringLiteral("Cancel"),
                                       QStringLiteral("Load/Reload Matching ORVA Records")}));
        QCOMPARE(Find<QPushButton>(s.dialog, "loadButton")->parentWidget(),
                 Find<QGroupBox>(s.dialog, "selectGroup"));
    }

    void lowerCaseNamesWithTrailingBlanksFindTheRecordsOldestFirst() {
        Session s(stem_);
        EnterPerson(s.dialog, QStringLiteral("alex  "), QStringLiteral("citizen "), QStringLiteral("15"),
                    QStringLiteral("03"), QStringLiteral("2012"), stem_);
        Click(s.dialog, "loadButton");
        QVERIFY2(s.prompter.AllExpectedAndConsumed(), qPrintable(s.prompter.Report()));
        QCOMPARE(FieldText(s.dialog, "firstNameEdit"), QStringLiteral("alex"));
        QCOMPARE(FieldText(s.dialog, "lastNameEdit"), QStringLiteral("citizen"));
        QCOMPARE(Entries(s.dialog),
                 QStringList({
                     QStringLiteral("Saved: 15/06/2026 10:30:00   Self Assessment"),
                     kParentLine,
                     QStringLiteral("Saved: 15/06/2026 10:32:00   Teacher Assessment by: Mr Lee"),
                     QStringLiteral("Saved: 15/06/2026 10:34:00   Parent Assessment by: Sam Citizen"),
                 }));
        // The first entry is current but nothing is chosen for the user.
        QCOMPARE(Find<RecordEntryList>(s.dialog, "recordList")->CurrentEntry(), 0);
        QVERIFY(Find<QListWidget>(s.dialog, "recordList")->selectedItems().isEmpty());
    }

    void fileNameTypedWithItsExtensionOpensTheSameFile() {
        Session s(stem_ + QStringLiteral(".rpc"));
        LoadPerson(s, stem_ + QStringLiteral(".rpc"));
        QVERIFY2(s.prompter.AllExpectedAndConsumed(), qPrintable(s.prompter.Report()));
        QCOMPARE(Entries(s.dialog).size(), 4);
    }

    void selectedRecordsGoToTheReaderByTheirSlotsWithTheirListedRows() {
        Session s(stem_);
        LoadPerson(s, stem_);
        ClickEntry(s.dialog, 1);
        ClickEntry(s.dialog, 0);
        Click(s.dialog, "confirmButton");
        QVERIFY2(s.prompter.AllExpectedAndConsumed(), qPrintable(s.prompter.Report()));
        QCOMPARE(s.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(s.offered.size(), std::size_t{1});
        const AnalysisChoice& choice = s.dialog.Choice();
        QCOMPARE(choice.path, StoredPath(stem_));
        QCOMPARE(choice.positions, (std::array<int, kReportSlots>{0, 1, -1}));
        QCOMPARE(choice.listed[kSelf].reporter, kSelf);
        QCOMPARE(choice.listed[kParent].observerName, std::string("Pat Citizen"));
        QCOMPARE(choice.listed[kParent].filePosition, 1);
        QCOMPARE(choice.listed[kTeacher].filePosition, -1);
        QCOMPARE(s.dialog.FileText(), stem_);
    }

    void choiceTheReaderRefusesKeepsTheDialogOpenForAnotherTry() {
        Session s(stem_);
        QVERIFY(ShowActive(s.dialog));
        LoadPerson(s, stem_);
        ClickEntry(s.dialog, 2);
        s.take = false;
        Click(s.dialog, "confirmButton");
        QCOMPARE(s.offered.size(), std::size_t{1});
        QVERIFY(s.dialog.isVisible());
        QCOMPARE(s.dialog.result(), int(QDialog::Rejected));
        QCOMPARE(Entries(s.dialog).size(), 4);
        s.take = true;
        Click(s.dialog, "confirmButton");
        QCOMPARE(s.offered.size(), std::size_t{2});
        QCOMPARE(s.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(s.dialog.Choice().positions[kTeacher], 2);
    }

    void doubleClickOnAnEntryAnalysesAsTheButtonDoes() {
        Session s(stem_);
        LoadPerson(s, stem_);
        auto* list = Find<QListWidget>(s.dialog, "recordList");
        const QPoint at = list->visualItemRect(list->item(2)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(s.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(s.dialog.Choice().positions, (std::array<int, kReportSlots>{-1, -1, 2}));
        QCOMPARE(s.dialog.Choice().listed[kTeacher].observerName, std::string("Mr Lee"));
    }

    void doubleClickOnAnAlreadySelectedEntryKeepsItInTheAnalysis() {
        Session s(stem_);
        LoadPerson(s, stem_);
        auto* list = Find<QListWidget>(s.dialog, "recordList");
        const QPoint self = list->visualItemRect(list->item(0)).center();
        const QPoint teacher = list->visualItemRect(list->item(2)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, self);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, teacher);
        // A double-click is a press, which toggles the selected entry off, then the double-click.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, teacher);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, teacher);
        QVERIFY2(s.prompter.AllExpectedAndConsumed(), qPrintable(s.prompter.Report()));
        QCOMPARE(s.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(s.dialog.Choice().positions, (std::array<int, kReportSlots>{0, -1, 2}));
    }

    // Enter loads details changed since the last load; with the list loaded it analyses.
    void enterLoadsChangedDetailsAndOtherwiseAnalyses() {
        Session s(stem_);
        QVERIFY(ShowActive(s.dialog));
        EnterPerson(s.dialog, QStringLiteral("ALEX"), QStringLiteral("CITIZEN"), QStringLiteral("15"),
                    QStringLiteral("3"), QStringLiteral("2012"), stem_);
        QTest::keyClick(Find<QLineEdit>(s.dialog, "birthMonthEdit"), Qt::Key_Return);
        QCOMPARE(Entries(s.dialog).size(), 4);
        QCOMPARE(FieldText(s.dialog, "birthMonthEdit"), QStringLiteral("03"));
        QVERIFY(s.prompter.AllExpectedAndConsumed());

        ClickEntry(s.dialog, 0);
        QTest::keyClick(Find<QLineEdit>(s.dialog, "fileEdit"), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(s.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(s.offered.size(), std::size_t{1});
    }

    void twoParentReportsGiveMultipleParentAssessments() {
        Session s(stem_);
        QVERIFY(ShowActive(s.dialog));
        LoadPerson(s, stem_);
        ClickEntry(s.dialog, 1);
        ClickEntry(s.dialog, 3);
        s.prompter.ExpectMessage();
        Click(s.dialog, "confirmButton");
        QVERIFY2(s.prompter.AllExpectedAndConsumed(), qPrintable(s.prompter.Report()));
        QCOMPARE(s.prompter.Last().caption, QStringLiteral("Multiple Parent Assessments"));
        QCOMPARE(s.prompter.Last().text,
                 QStringLiteral(
                     "You have selected more than one Parent Assessment.\n\nYou are limited to select at "
                     "most one of each of\n\nSelf Assessment, Parent Assessment and Teacher Assessment."));
        QCOMPARE(s.prompter.Last().icon, MessageIcon::Stop);
        QVERIFY(s.dialog.isVisible());
        QVERIFY(s.offered.empty());
    }

    void noneOrFourSelectedEntriesAreRefused() {
        Session s(stem_);
        LoadPerson(s, stem_);
        s.prompter.ExpectMessage();
        Click(s.dialog, "confirmButton");
        QCOMPARE(s.prompter.Last().caption, QStringLiteral("No Selection"));
        QCOMPARE(s.prompter.Last().text,
                 QStringLiteral(
                     "You have not made a selection.\n\nEnter the name, date of birth and file to search\n"
                     "then click the 'Load/Reload Matching ORVA Records' button.\n\nIf any matching records "
                     "have been found you can\nthen select one from the list."));
        for (int entry = 0; entry < 4; ++entry) ClickEntry(s.dialog, entry);
        s.prompter.ExpectMessage();
        Click(s.dialog, "confirmButton");
        QVERIFY2(s.prompter.AllExpectedAndConsumed(), qPrintable(s.prompter.Report()));
        QCOMPARE(s.prompter.Last().caption, QStringLiteral("Too Many Selections"));
        QCOMPARE(s.prompter.Last().icon, MessageIcon::Stop);
        QCOMPARE(s.dialog.result(), int(QDialog::Rejected));
        QVERIFY(s.offered.empty());
    }

    void changedCriteriaAskFirstAndContinueAnalysesTheListShown() {
        Session s(stem_);
        LoadPerson(s, stem_);
        ClickEntry(s.dialog, 0);
        Type(s.dialog, "lastNameEdit", QStringLiteral("SOMEONE"));

        s.prompter.ExpectChoice(1);
        Click(s.dialog, "confirmButton");
        QVERIFY2(s.prompter.AllExpectedAndConsumed(), qPrintable(s.prompter.Report()));
        const Prompt& asked = s.prompter.Last();
        QCOMPARE(asked.caption, QStringLiteral("Changed Selection Criteria"));
        QCOMPARE(asked.text,
                 QStringLiteral("Warning:  You have changed the selection criteria for the list of ORVA "
                                "responses but have not reloaded the list."));
        QCOMPARE(asked.buttons, QStringList({QStringLiteral("Continue"), QStringLiteral("Cancel")}));
        QCOMPARE(asked.defaultIndex, 0);
        // Cancel: still open, nothing chosen.
        QCOMPARE(s.dialog.result(), int(QDialog::Rejected));
        QVERIFY(s.offered.empty());

        s.prompter.ExpectChoice(0);
        Click(s.dialog, "confirmButton");
        QVERIFY2(s.prompter.AllExpectedAndConsumed(), qPrintable(s.prompter.Report()));
        QCOMPARE(s.dialog.result(), int(QDialog::Accepted));
        // The list as loaded, not the name typed since.
        QCOMPARE(s.dialog.Choice().path, StoredPath(stem_));
        QCOMPARE(s.dialog.Choice().positions[kSelf], 0);
        QCOMPARE(s.dialog.Choice().listed[kSelf].lastName, std::string("CITIZEN"));
    }

    void checksStopAtTheFirstFailureAndFocusItsField_data() {
        QTest::addColumn<QStringList>("fields");  // first, last, day, month, year, file
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("focus");
        const QString mandatory = QStringLiteral("Mandatory Field");
        const QString names = QStringLiteral("'First Name' and 'Last Name' are mandatory.");
        const QString incorrectDate = QStringLiteral("Incorrect Date");
        const QString fileCaption = QStringLiteral("Incorrect File Name");
        const QString withoutExtension = QStringLiteral(
            "You must enter a ORVA filename without the extension.  For example:  c:/data_files/ORVA_2005");
        QTest::newRow("first name of blanks") << QStringList{"   ", "CITIZEN", "15", "03", "2012", "f"}
                                              << mandatory << names << "firstNameEdit";
        QTest::newRow("no last name")
            << QStringList{"ALEX", "", "", "", "", ""} << mandatory << names << "lastNameEdit";
        QTest::newRow("no month") << QStringList{"ALEX", "CITIZEN", "15", "", "2012", "f"} << mandatory
                                  << "'Date Of Birth' is mandatory."
                                  << "birthMonthEdit";
        QTest::newRow("no day") << QStringList{"ALEX", "CITIZEN", "", "", "2012", "f"} << mandatory
                                << "'Date Of Birth' is mandatory."
                                << "birthDayEdit";
        QTest::newRow("30 February") << QStringList{"ALEX", "CITIZEN", "30", "02", "2012", "f"}
                                     << incorrectDate
                                     << "The 'Date Of Birth' is not correct.\n\nThe date must have a valid "
                                        "day for the month,\nand have a four "
                                        "digit year greater than 1900."
                                     << "birthDayEdit";
        QTest::newRow("not a year old") << QStringList{"ALEX", "CITIZEN", "16", "06", "2025", "f"}
                                        << incorrectDate << "The age of the person must be 1 or more"
                                        << "birthDayEdit";
        QTest::newRow("no file") << QStringList{"ALEX", "CITIZEN", "15", "03", "2012", ""} << fileCaption
                                 << "You have not entered a filename."
                                 << "";
        QTest::newRow("other extension") << QStringList{"ALEX", "CITIZEN", "15", "03", "2012", "/tmp/a.txt"}
                                         << fileCaption << withoutExtension << "";
        QTest::newRow("folder only") << QStringList{"ALEX", "CITIZEN", "15", "03", "2012", "/tmp/"}
                                     << fileCaption << withoutExtension << "";
    }
    void checksStopAtTheFirstFailureAndFocusItsField() {
        QFETCH(QStringList, fields);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(QString, focus);
        Session s(stem_);
        QVERIFY(ShowActive(s.dialog));
        EnterPerson(s.dialog, fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]);
        Find<QLineEdit>(s.dialog, "fileEdit")->setFocus();
        s.prompter.ExpectMessage();
        Click(s.dialog, "loadButton");
        QVERIFY2(s.prompter.AllExpectedAndConsumed(), qPrintable(s.prompter.Report()));
        QCOMPARE(s.prompter.Last().caption, caption);
        QCOMPARE(s.prompter.Last().text, text);
        QCOMPARE(s.prompter.Last().icon, MessageIcon::Stop);
        if (!focus.isEmpty()) QCOMPARE(FocusName(), focus);
        QVERIFY(Entries(s.dialog).isEmpty());
    }

    void dateFieldsAreTidiedWhenTheyLoseTheFocus_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("tidied");
        QTest::newRow("day 7") << "birthDayEdit"
                               << "7"
                               << "07";
        QTest::newRow("day 32") << "birthDayEdit"
                                << "32"
                                << "";
        QTest::newRow("month 7") << "birthMonthEdit"
                                 << "7"
                                 << "07";
        QTest::newRow("month 13") << "birthMonthEdit"
                                  << "13"
                                  << "";
        QTest::newRow("year 95") << "birthYearEdit"
                                 << "95"
                                 << "1995";
        QTest::newRow("year 26") << "birthYearEdit"
                                 << "26"
                                 << "2026";
        QTest::newRow("year 27") << "birthYearEdit"
                                 << "27"
                                 << "1927";
        QTest::newRow("year 2100") << "birthYearEdit"
                                   << "2100"
                                   << "";
    }
    void dateFieldsAreTidiedWhenTheyLoseTheFocus() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, tidied);
        Session s(stem_);
        QVERIFY(ShowActive(s.dialog));
        auto* edit = Find<QLineEdit>(s.dialog, field.toLatin1().constData());
        edit->setFocus();
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), typed);
        Find<QLineEdit>(s.dialog, "firstNameEdit")->setFocus();
        QTRY_COMPARE(edit->text(), tidied);
    }

    void dateFieldsTakeDigitsOnly() {
        Session s(stem_);
        Type(s.dialog, "birthDayEdit", QStringLiteral("1a2b3"));
        QCOMPARE(FieldText(s.dialog, "birthDayEdit"), QStringLiteral("12"));
    }

    void lockedFileIsReportedInUse() {
        const QString stem = dir_.filePath(QStringLiteral("locked"));
        QVERIFY(WritePersonFile(stem + QStringLiteral(".rpc")));
        FileLock lock(stem + QStringLiteral(".rpc"));
        QVERIFY(lock.Locked());
        Session s(stem);
        s.prompter.ExpectMessage();
        LoadPerson(s, stem);
        QVERIFY2(s.prompter.AllExpectedAndConsumed(), qPrintable(s.prompter.Report()));
        QCOMPARE(s.prompter.Last().caption, QStringLiteral("File In Use"));
        QCOMPARE(s.prompter.Last().text,
                 QStringLiteral("The file '%1.rpc' is locked by another application.").arg(stem));
        QCOMPARE(s.prompter.Last().icon, MessageIcon::Stop);
        QVERIFY(Entries(s.dialog).isEmpty());
    }

    void partlyCorruptFileWarnsWithTheCountThenListsTheRest() {
        const QString stem = dir_.filePath(QStringLiteral("damaged"));
        QVERIFY(WritePersonFile(stem + QStringLiteral(".rpc")));
        QVERIFY(CorruptRecord(stem + QStringLiteral(".rpc"), 0));
        Session s(stem);
        s.prompter.ExpectMessage();
        LoadPerson(s, stem);
        QVERIFY2(s.prompter.AllExpectedAndConsumed(), qPrintable(s.prompter.Report()));
        QCOMPARE(s.prompter.Last().caption, QStringLiteral("Partial File Corruption"));
        QCOMPARE(s.prompter.Last().text,
                 QStringLiteral("Unfortunately 1 records failed to load from the file,\nindicating some file "
                                "corruption.\n\nPlease contact your system administrator for assistance."));
        QCOMPARE(s.prompter.Last().icon, MessageIcon::Exclamation);
        QCOMPARE(Entries(s.dialog).size(), 3);
        QCOMPARE(Entries(s.dialog).first(), kParentLine);
    }

    void missingFileIsReportedNotFound() {
        const QString stem = dir_.filePath(QStringLiteral("nowhere"));
        Session s(stem);
        s.prompter.ExpectMessage();
        LoadPerson(s, stem);
        QCOMPARE(s.prompter.Last().caption, QStringLiteral("File Not Found"));
        QCOMPARE(s.prompter.Last().text, QStringLiteral("The file '%1.rpc' was not found.").arg(stem));
        // Looking for records never creates the file.
        QVERIFY(!QFile::exists(stem + QStringLiteral(".rpc")));
    }

    void personNotInTheFileGivesNoMatchingRecords() {
        Session s(stem_);
        EnterPerson(s.dialog, QStringLiteral("ALEX"), QStringLiteral("CITIZEN"), QStringLiteral("16"),
                    QStringLiteral("03"), QStringLiteral("2012"), stem_);
        s.prompter.ExpectMessage();
        Click(s.dialog, "loadButton");
        QVERIFY2(s.prompter.AllExpectedAndConsumed(), qPrintable(s.prompter.Report()));
        QCOMPARE(s.prompter.Last().caption, QStringLiteral("No Matching Records"));
        QCOMPARE(s.prompter.Last().text,
                 QStringLiteral("There were no records in the specified ORVA file\nwith the "
                                "requested name and date of birth."));
        QCOMPARE(s.prompter.Last().icon, MessageIcon::Stop);
        QVERIFY(Entries(s.dialog).isEmpty());
    }

    void nameNoRecordCanHoldMatchesNothingAndStaysAsTyped() {
        Session s(stem_);
        LoadPerson(s, stem_);
        Find<QLineEdit>(s.dialog, "firstNameEdit")->setText(QStringLiteral("\u0141ALEX"));
        s.prompter.ExpectMessage();
        Click(s.dialog, "loadButton");
        QVERIFY2(s.prompter.AllExpectedAndConsumed(), qPrintable(s.prompter.Report()));
        QCOMPARE(s.prompter.Last().caption, QStringLiteral("No Matching Records"));
        QCOMPARE(FieldText(s.dialog, "firstNameEdit"), QStringLiteral("\u0141ALEX"));
    }

    void reloadAfterAFailedLoadEmptiesTheList() {
        Session s(stem_);
        LoadPerson(s, stem_);
        QCOMPARE(Entries(s.dialog).size(), 4);
        Type(s.dialog, "firstNameEdit", QStringLiteral("NOBODY"));
        s.prompter.ExpectMessage();
        Click(s.dialog, "loadButton");
        QVERIFY(Entries(s.dialog).isEmpty());
        s.prompter.ExpectMessage();
        Click(s.dialog, "confirmButton");
        QCOMPARE(s.prompter.Last().caption, QStringLiteral("No Selection"));
    }

    // Browse chooses a file to read: the box opens existing files, it does not save one.
    void browseTakesAnRpcPathWithoutItsExtension() {
        Session s(stem_);
        s.prompter.ExpectOpenFile(dir_.filePath(QStringLiteral("other.rpc")));
        Click(s.dialog, "browseButton");
        QVERIFY2(s.prompter.AllExpectedAndConsumed(), qPrintable(s.prompter.Report()));
        QCOMPARE(s.prompter.Last().startPath, stem_ + QStringLiteral(".rpc"));
        QCOMPARE(s.prompter.Last().filter, QStringLiteral("ORVA Files (*.rpc)"));
        QCOMPARE(FieldText(s.dialog, "fileEdit"), dir_.filePath(QStringLiteral("other")));

        s.prompter.ExpectOpenFile(dir_.filePath(QStringLiteral("other.txt")));
        s.prompter.ExpectMessage();
        Click(s.dialog, "browseButton");
        QVERIFY2(s.prompter.AllExpectedAndConsumed(), qPrintable(s.prompter.Report()));
        QCOMPARE(s.prompter.Last().caption, QStringLiteral("Incorrect File Name"));
        QCOMPARE(s.prompter.Last().text,
                 QStringLiteral("You must enter a ORVA filename (*.rpc).  For example:  "
                                "c:/data_files/ORVA_2005.rpc"));
        QCOMPARE(FieldText(s.dialog, "fileEdit"), dir_.filePath(QStringLiteral("other")));

        s.prompter.ExpectOpenFile(QString());
        Click(s.dialog, "browseButton");
        QVERIFY2(s.prompter.AllExpectedAndConsumed(), qPrintable(s.prompter.Report()));
        QCOMPARE(FieldText(s.dialog, "fileEdit"), dir_.filePath(QStringLiteral("other")));
    }

    void cancelChoosesNothing() {
        Session s(stem_);
        LoadPerson(s, stem_);
        ClickEntry(s.dialog, 0);
        Click(s.dialog, "cancelButton");
        QCOMPARE(s.dialog.result(), int(QDialog::Rejected));
        QVERIFY(s.offered.empty());
        QCOMPARE(s.dialog.Choice().positions, (std::array<int, kReportSlots>{-1, -1, -1}));
    }

    void snapshot() {
        Session s(stem_);
        QVERIFY(ShowActive(s.dialog));
        LoadPerson(s, stem_);
        ClickEntry(s.dialog, 0);
        ClickEntry(s.dialog, 1);
        testsupport::SaveSnapshot(&s.dialog, QStringLiteral("selection_analysis"));
        QCOMPARE(Entries(s.dialog).size(), 4);
    }
};

QTEST_MAIN(AnalysisSelectionTest)
#include "AnalysisSelectionDialogTest.moc"
