// SPDX-License-Identifier: Apache-2.0
#include <QAccessible>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>

#include "store/StoreMessages.h"
#include "support/RecordBuilder.h"
#include "support/RecordFileWriter.h"
#include "store/StoreTexts.h"
#include "model/FileNameRules.h"
#include "ui/CoreText.h"
#include "ui/selection/RecordPath.h"
#include "ui/support/WizardDriver.h"

using namespace orva;
using namespace orva::wizard_test;

namespace {

// Every seventh item blank, the others cycling through the scale.
int Pattern(int item) {
    return item % 7 == 6 ? -1 : item % 6;
}

QString SavedText(const QString& path) {
    return CoreText::ToQt(SaveSucceededMessage("Alex", "Citizen", "20120315", "").text) + path;
}

bool Visible(Run& run, const QString& name) {
    QWidget* widget = run.Find(name);
    return widget != nullptr && widget->isVisible();
}

}  // namespace

class OnScreenWizardTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QByteArray home_;

    QString Stem(const QString& name) const { return dir_.filePath(name); }

    // The run to page 17 for `reporter`, every item answered by Pattern.
    static void ToSavePage(Run& run, int reporter, const QString& file) {
        run.ThroughDetails(reporter, file);
        QCOMPARE(run.Page(), 4);
        run.AnswerAll(Pattern);
        run.Type(QStringLiteral("commentEdit"), QStringLiteral("Sleeps badly.\nEats well."));
        run.Next();
        QCOMPARE(run.Page(), 17);
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        // Names without a folder go to the home folder: the test's own where HOME says where it
        // is; Windows takes the user's profile folder from the system, so there it is the real one.
        home_ = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(dir_.path()));
    }

    void cleanupTestCase() { qputenv("HOME", home_); }

    void fullRunSavesEveryAnswerForEachReporter_data() {
        QTest::addColumn<int>("reporter");
        QTest::newRow("Self") << int(kSelf);
        QTest::newRow("Parent") << int(kParent);
        QTest::newRow("Teacher") << int(kTeacher);
    }

    void fullRunSavesEveryAnswerForEachReporter() {
        QFETCH(int, reporter);
        const QString stem = Stem(QStringLiteral("full%1").arg(reporter));
        Run run;
        ToSavePage(run, reporter, stem);
        QVERIFY(run.Edit(QStringLiteral("fileEdit"))->isReadOnly());
        QVERIFY(Visible(run, QStringLiteral("instructionLabel")));
        QVERIFY(!Visible(run, QStringLiteral("questionLabel")));
        QVERIFY(!Visible(run, QStringLiteral("browseButton")));
        QVERIFY(!Visible(run, QStringLiteral("noteLabel")));
        run.Snap(QStringLiteral("wizard_page17_confirm"));
        run.Prompts().ExpectMessage();
        run.Finish();
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
        const Prompt& saved = run.Prompts().Last();
        QCOMPARE(saved.caption, Utf8(texts::kSaveWasSuccessfulCaption));
        QCOMPARE(saved.text, SavedText(stem + QStringLiteral(".rpc")));
        QCOMPARE(saved.icon, MessageIcon::Information);
        QCOMPARE(run.Wizard().result(), int(QDialog::Accepted));
        QCOMPARE(run.FileName(), stem);

        AssessmentRecord back;
        QVERIFY(ReadBack(stem + QStringLiteral(".rpc"), 0, back));
        QCOMPARE(back.GetReporter(), reporter);
        QCOMPARE(back.GetDataEntry(), kOnScreen);
        for (int item = 1; item <= kItemCount; ++item) {
            const bool asked = reporter != kTeacher || ItemCatalogue::InTeacherReport(item);
            QVERIFY2(back.GetResponse(item) == (asked ? Pattern(item) : -1), qPrintable(QString::number(item)));
        }
        QCOMPARE(back.GetFirstName(), std::string("Alex"));
        QCOMPARE(back.GetLastName(), std::string("Citizen"));
        QCOMPARE(back.GetText(TextField::BirthDate), std::string("20120315"));
        QCOMPARE(back.GetText(TextField::CompletionDate), std::string("20260615"));
        QCOMPARE(back.GetText(TextField::SaveDateTime), std::string("20260615103000"));
        QCOMPARE(back.GetGender(), 'F');
        QCOMPARE(back.GetStreetAddress(), std::string("1 Main Road"));
        QCOMPARE(back.GetSchoolYear(), std::string("K"));
        QCOMPARE(back.GetSchool(), std::string("Hill School"));
        QCOMPARE(back.GetObserverComment(), std::string("Sleeps badly.\r\nEats well."));
        const bool observed = reporter != kSelf;
        QCOMPARE(back.GetObserverName(), std::string(observed ? "Pat Citizen" : ""));
        QCOMPARE(back.GetObserverRelationship(), std::string(observed ? "Mother" : ""));
        QCOMPARE(back.GetObserverContact(), std::string(observed ? "0400 000 000\r\nafter 5 pm" : ""));
    }

    void itemPagesShowTheReportersWordings() {
        Run run;
        run.ThroughDetails(kParent, Stem(QStringLiteral("wordings")));
        QCOMPARE(run.Edit(QStringLiteral("leadInEdit"))->text(), QStringLiteral("My child:"));
        QCOMPARE(run.Find<QLabel>(QStringLiteral("item1WordingLabel"))->text(),
                 CoreText::ToQt(ItemCatalogue::Wording(kParent, 1)));
        QCOMPARE(run.Find<QLabel>(QStringLiteral("item1NumberLabel"))->text(), QStringLiteral("1."));
        // No answer is chosen by the focus on arrival.
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(run.Wizard().CurrentPage()));
        run.Snap(QStringLiteral("wizard_items_parent"));
        for (int page = 4; page < 15; ++page) {
            run.Prompts().ExpectChoice(0);
            run.Next();
        }
        QVERIFY(run.Find(QStringLiteral("item111WordingLabel")) != nullptr);
        QCOMPARE(run.Wizard().CurrentPage()->findChildren<QRadioButton*>().size(), 6);
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
    }

    void teacherItemsAreCoveredAndBlankWithoutWarning() {
        // An answer a record may carry from elsewhere.
        const AssessmentRecord start =
            testsupport::RecordBuilder(AssessmentRecord()).Reporter(kTeacher).Answers({{7, 4}});
        Run run(QString(), start);
        run.ThroughDetails(kTeacher, Stem(QStringLiteral("teacher")));
        QCOMPARE(run.Edit(QStringLiteral("leadInEdit"))->text(), QStringLiteral("This student:"));
        QCOMPARE(run.Find<QLabel>(QStringLiteral("item7WordingLabel"))->text(),
                 QStringLiteral("(this item is not included in the ORVA Teacher-report)"));
        for (int item : {7, 8}) {
            QVERIFY(Visible(run, QStringLiteral("item%1CoverPanel").arg(item)));
            QVERIFY(!Visible(run, QStringLiteral("item%1Answer0Radio").arg(item)));
            QVERIFY(!Visible(run, QStringLiteral("item%1ClearButton").arg(item)));
        }
        QVERIFY(!Visible(run, QStringLiteral("item6CoverPanel")));
        run.Snap(QStringLiteral("wizard_items_teacher"));
        run.AnswerPage([](int item) { return item == 6 ? -1 : 2; }, 1, 10);
        // Item 6 is asked of teachers: leaving it blank warns, items 7 and 8 do not.
        run.Prompts().ExpectChoice(1);
        run.Next();
        QCOMPARE(run.Page(), 4);
        run.Click(QStringLiteral("item6Answer1Radio"));
        run.Next();
        QCOMPARE(run.Page(), 5);
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
        QCOMPARE(run.Record().GetResponse(7), -1);
        QCOMPARE(run.Record().GetResponse(6), 1);
        for (int item : {16, 17, 18, 20}) QVERIFY(Visible(run, QStringLiteral("item%1CoverPanel").arg(item)));
    }

    void blankItemsAsksAndOnlyLeaveBlankMovesOn() {
        Run run;
        run.ThroughDetails(kSelf, Stem(QStringLiteral("blanks")));
        run.AnswerPage([](int) { return 3; }, 1, 10);
        // An answer cleared again is blank.
        run.Click(QStringLiteral("item4ClearButton"));
        QVERIFY(!run.Find<QRadioButton>(QStringLiteral("item4Answer3Radio"))->isChecked());
        run.Prompts().ExpectChoice(-1);  // closed
        run.Prompts().ExpectChoice(1);   // "Continue with the current page"
        run.Next();
        run.Next();
        QCOMPARE(run.Page(), 4);
        QCOMPARE(run.Record().GetResponse(1), -1);  // nothing stored while staying
        const Prompt& asked = run.Prompts().Last();
        QCOMPARE(asked.caption, Utf8(w::kBlankItemsCaption));
        QCOMPARE(asked.buttons, QStringList({Utf8(w::kLeaveBlank), Utf8(w::kContinueCurrent)}));
        QCOMPARE(asked.defaultIndex, 0);
        QCOMPARE(asked.icon, MessageIcon::Exclamation);
        run.Prompts().ExpectChoice(0);
        run.Next();
        QCOMPARE(run.Page(), 5);
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
        QCOMPARE(run.Record().GetResponse(4), -1);
        QCOMPARE(run.Record().GetResponse(5), 3);
    }

    void backFromAnItemsPageKeepsItsAnswers() {
        Run run;
        run.ThroughDetails(kSelf, Stem(QStringLiteral("back")));
        run.Prompts().ExpectChoice(0);
        run.Next();
        run.AnswerPage([](int item) { return item % 6; }, 11, 10);
        run.Back();
        QCOMPARE(run.Page(), 4);
        run.Prompts().ExpectChoice(0);
        run.Next();
        for (int item = 11; item <= 20; ++item)
            QVERIFY(run.Find<QRadioButton>(QStringLiteral("item%1Answer%2Radio").arg(item).arg(item % 6))->isChecked());
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
    }

    void answersAreChosenFromTheKeyboard() {
        Run run;
        run.ThroughDetails(kSelf, Stem(QStringLiteral("keys")));
        QWidget* page = run.Wizard().CurrentPage();
        QTest::keyClick(page, Qt::Key_Tab);
        QCOMPARE(FocusName(), QStringLiteral("item1Answer0Radio"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_3);
        QCOMPARE(FocusName(), QStringLiteral("item1Answer3Radio"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QVERIFY(run.Find<QRadioButton>(QStringLiteral("item1Answer4Radio"))->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QVERIFY(run.Find<QRadioButton>(QStringLiteral("item1Answer2Radio"))->isChecked());
        QVERIFY(!run.Find<QRadioButton>(QStringLiteral("item1Answer4Radio"))->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(FocusName(), QStringLiteral("item1ClearButton"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(FocusName(), QStringLiteral("item2Answer0Radio"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
        // The chosen answer is the row's one Tab stop: Shift+Tab comes back to it.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(FocusName(), QStringLiteral("item2Answer5Radio"));
        run.Back();
        run.Next();
        QCOMPARE(run.Record().GetResponse(1), -1);
        QCOMPARE(run.Record().GetResponse(2), 5);
    }

    void answersFieldsAndButtonsExposeTheirMeaning() {
        Run run;
        QCOMPARE(QAccessible::queryAccessibleInterface(run.Edit(QStringLiteral("fileEdit")))->text(QAccessible::Name),
                 Utf8(w::kRecordFileAccessibleName));
        run.ThroughDetails(kSelf, Stem(QStringLiteral("access")));
        const QString wording = CoreText::ToQt(ItemCatalogue::Wording(kSelf, 3));
        QAccessibleInterface* answer =
            QAccessible::queryAccessibleInterface(run.Find(QStringLiteral("item3Answer2Radio")));
        QVERIFY(answer != nullptr);
        QCOMPARE(answer->text(QAccessible::Name), QStringLiteral("Sometimes, 3. ") + wording);
        QVERIFY(!answer->state().checked);
        run.Click(QStringLiteral("item3Answer2Radio"));
        QVERIFY(answer->state().checked);
        QCOMPARE(QAccessible::queryAccessibleInterface(run.Find(QStringLiteral("item3ClearButton")))
                     ->text(QAccessible::Name),
                 QStringLiteral("Clear 3. ") + wording);
        run.Back();
        for (const auto& [field, name] :
             {std::pair{"firstNameEdit", "*First Name:"}, {"birthYearEdit", "*Date of Birth: Year"},
              {"completionDayEdit", "*Date of Completion: Day"}, {"phone2Edit", "Phone no.(s): second phone"},
              {"schoolYearEdit", "School Year:"}}) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(run.Find(QLatin1String(field)));
            QVERIFY(iface != nullptr);
            QCOMPARE(iface->text(QAccessible::Name), QLatin1String(name));
        }
    }

    void cancelAsksOnEveryWayOutAndOnlyYesCloses() {
        const QString stem = Stem(QStringLiteral("cancelled"));
        Run run(stem);
        run.ThroughDetails(kSelf, stem);
        run.Prompts().ExpectYesNo(false);
        run.Click(QStringLiteral("cancelButton"));
        QVERIFY(run.Wizard().isVisible());
        run.Prompts().ExpectYesNo(false);
        QTest::keyClick(&run.Wizard(), Qt::Key_Escape);
        QVERIFY(run.Wizard().isVisible());
        const Prompt& asked = run.Prompts().Last();
        QCOMPARE(asked.caption, Utf8(w::kCancelCaption));
        QCOMPARE(asked.text, Utf8(w::kCancelText));
        QCOMPARE(asked.buttons, QStringList({QStringLiteral("Yes"), QStringLiteral("No")}));
        QCOMPARE(asked.defaultIndex, 1);
        run.Prompts().ExpectYesNo(false);
        QVERIFY(!run.Wizard().close());
        QCOMPARE(run.Page(), 4);
        run.Prompts().ExpectYesNo(true);
        QVERIFY(run.Wizard().close());
        QCOMPARE(run.Wizard().result(), int(QDialog::Rejected));
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
        QVERIFY(!QFile::exists(stem + QStringLiteral(".rpc")));
    }

    void fileNameRuleRefusesOnPageOneWithTheFocusOnTheField_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QString() << Utf8(texts::kNoFileName);
        QTest::newRow("other extension") << QStringLiteral("data.txt") << Utf8(texts::kRecordFileWithoutExtension);
        QTest::newRow("trailing dot") << QStringLiteral("data.") << Utf8(texts::kRecordFileWithoutExtension);
        QTest::newRow("trailing separator") << QStringLiteral("data/") << Utf8(texts::kRecordFileWithoutExtension);
    }

    void fileNameRuleRefusesOnPageOneWithTheFocusOnTheField() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        Run run;
        run.Type(QStringLiteral("fileEdit"), typed);
        run.Find(QStringLiteral("browseButton"))->setFocus();
        run.Prompts().ExpectMessage();
        run.Next();
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
        QCOMPARE(run.Prompts().Last().caption, Utf8(texts::kIncorrectFileName));
        QCOMPARE(run.Prompts().Last().text, message);
        QCOMPARE(run.Prompts().Last().icon, MessageIcon::Stop);
        QCOMPARE(run.Page(), 1);
        QCOMPARE(FocusName(), QStringLiteral("fileEdit"));
        QCOMPARE(run.FileName(), typed);
    }

    void nameWithoutAFolderIsSavedInTheHomeFolderAndKeptAsTyped() {
        const QString full = QDir::home().filePath(QStringLiteral("homefile.rpc"));
        if (QFile::exists(full)) QSKIP("the home folder holds a homefile.rpc of its own");
        const auto removeFile = qScopeGuard([&full] { QFile::remove(full); });
        Run run(QStringLiteral("previous"));
        QCOMPARE(run.Edit(QStringLiteral("fileEdit"))->text(), QStringLiteral("previous"));
        ToSavePage(run, kSelf, QStringLiteral("homefile.rpc"));
        run.Prompts().ExpectMessage();
        run.Finish();
        QCOMPARE(run.Prompts().Last().text, SavedText(full));
        QCOMPARE(run.FileName(), QStringLiteral("homefile.rpc"));
        AssessmentRecord back;
        QVERIFY(ReadBack(full, 0, back));
    }

    void browseTakesAnRpcPathAndRefusesOthers() {
        Run run;
        run.Prompts().ExpectSaveFile(Stem(QStringLiteral("picked.rpc")));
        run.Click(QStringLiteral("browseButton"));
        QCOMPARE(run.Edit(QStringLiteral("fileEdit"))->text(), Stem(QStringLiteral("picked")));
        QCOMPARE(run.FileName(), Stem(QStringLiteral("picked")));
        // An empty name proposes ".rpc" in the home folder.
        QCOMPARE(run.Prompts().Last().startPath, QDir::home().filePath(QStringLiteral(".rpc")));
        QCOMPARE(run.Prompts().Last().filter, QStringLiteral("ORVA Files (*.rpc)"));
        run.Prompts().ExpectSaveFile(Stem(QStringLiteral("a.b.rpc")));
        run.Prompts().ExpectMessage();
        run.Click(QStringLiteral("browseButton"));
        QCOMPARE(run.Prompts().Last().text, Utf8(texts::kBrowseRecordFile));
        QCOMPARE(run.Edit(QStringLiteral("fileEdit"))->text(), Stem(QStringLiteral("picked")));
        // A name typed with its ".rpc" proposes that file, not one with ".rpc" twice.
        run.Edit(QStringLiteral("fileEdit"))->setText(QStringLiteral("typed.rpc"));
        run.Prompts().ExpectSaveFile(QString());
        run.Click(QStringLiteral("browseButton"));
        QCOMPARE(run.Prompts().Last().startPath, QDir::home().filePath(QStringLiteral("typed.rpc")));
        QCOMPARE(run.Edit(QStringLiteral("fileEdit"))->text(), QStringLiteral("typed.rpc"));
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
    }

    void lockedFileFailsWithTheWizardOpenAndFinishAgainSaves() {
        const QString stem = Stem(QStringLiteral("locked"));
        Run run;
        ToSavePage(run, kParent, stem);
        // Another program holds the (still empty) file.
        QFile empty(stem + QStringLiteral(".rpc"));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        auto holder = std::make_unique<RecordFile>(Today());
        QVERIFY(holder->Open(FileSystemPath(stem + QStringLiteral(".rpc")), false).Ok());
        bool normalCursor = false;
        run.Prompts().ExpectMessage([&](const Prompt&) { normalCursor = QGuiApplication::overrideCursor() == nullptr; });
        run.Finish();
        QCOMPARE(run.Prompts().Last().caption, Utf8(texts::kSaveHasFailedCaption));
        QCOMPARE(run.Prompts().Last().text, Utf8(texts::kSaveInUse));
        QCOMPARE(run.Prompts().Last().icon, MessageIcon::Stop);
        QVERIFY(normalCursor);
        QVERIFY(run.Wizard().isVisible());
        QCOMPARE(run.Page(), 17);
        QVERIFY(!run.Edit(QStringLiteral("fileEdit"))->isReadOnly());
        QVERIFY(Visible(run, QStringLiteral("browseButton")));
        QVERIFY(Visible(run, QStringLiteral("noteLabel")));
        QVERIFY(Visible(run, QStringLiteral("questionLabel")));
        QVERIFY(!Visible(run, QStringLiteral("instructionLabel")));
        run.Snap(QStringLiteral("wizard_page17_choose"));
        holder.reset();
        run.Prompts().ExpectMessage();
        run.Finish();
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
        QCOMPARE(run.Prompts().Last().caption, Utf8(texts::kSaveWasSuccessfulCaption));
        AssessmentRecord back;
        QVERIFY(ReadBack(stem + QStringLiteral(".rpc"), 0, back));
        for (int item = 1; item <= kItemCount; ++item) QCOMPARE(back.GetResponse(item), Pattern(item));
        QVERIFY(!ReadBack(stem + QStringLiteral(".rpc"), 1, back));
    }

    void fullFileRefusesTheRecordAndAnotherFileTakesIt() {
        const QString full = Stem(QStringLiteral("full657.rpc"));
        {
            // One record written by the store, then copied to the file's capacity.
            QVERIFY(testsupport::AppendRecords(FileSystemPath(full), {testsupport::RecordBuilder(kSelf)}));
            QFile bytes(full);
            QVERIFY(bytes.open(QIODevice::ReadWrite));
            QVERIFY(bytes.seek(kHeaderSize));
            const QByteArray one = bytes.read(kStoredRecordSize);
            QVERIFY(bytes.seek(bytes.size()));
            for (int i = 1; i < kMaxRecords; ++i) QCOMPARE(bytes.write(one), qint64(one.size()));
        }
        const qint64 size = QFileInfo(full).size();
        Run run;
        ToSavePage(run, kSelf, Stem(QStringLiteral("full657")));
        run.Prompts().ExpectMessage();
        run.Finish();
        QCOMPARE(run.Prompts().Last().text, Utf8(texts::kSaveFileFull));
        QCOMPARE(QFileInfo(full).size(), size);
        // In the choose state the name is typed again and checked again.
        run.Type(QStringLiteral("fileEdit"), QStringLiteral("bad.txt"));
        run.Prompts().ExpectMessage();
        run.Finish();
        QCOMPARE(run.Prompts().Last().text, Utf8(texts::kRecordFileWithoutExtension));
        QCOMPARE(FocusName(), QStringLiteral("fileEdit"));
        QVERIFY(Visible(run, QStringLiteral("browseButton")));
        run.Type(QStringLiteral("fileEdit"), Stem(QStringLiteral("next")));
        run.Prompts().ExpectMessage();
        run.Finish();
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
        QCOMPARE(run.FileName(), Stem(QStringLiteral("next")));
        AssessmentRecord back;
        QVERIFY(ReadBack(Stem(QStringLiteral("next.rpc")), 0, back));
    }
};

QTEST_MAIN(OnScreenWizardTest)
#include "OnScreenWizardTest.moc"
