// SPDX-License-Identifier: Apache-2.0
#include <QCheckBox>
#include <QTemporaryDir>

#include "model/ModelTexts.h"
#include "store/RecordStore.h"
#include "store/StoreTexts.h"
#include "ui/selection/RecordPath.h"
#include "ui/support/EditDriver.h"
#include "support/RecordBuilder.h"

using namespace orva;
using namespace orva::wizard_test;

namespace {

QCheckBox* ReplaceBox(Driver& run) {
    return run.Find<QCheckBox>(QStringLiteral("replaceCheck"));
}

bool Shown(Driver& run, const char* name) {
    QWidget* widget = run.Find(QLatin1String(name));
    return widget != nullptr && widget->isVisible();
}

}  // namespace

// The on-screen edit wizard: its first and last page with "Replace Existing Record", "No Edits
// Made", and the save in the record's place or as a new record.
class OnScreenEditWizardTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;

    // A file of the person's three reports with another person's report among them: 0 Self,
    // 1 Parent of Jo, 2 Parent, 3 Teacher.
    QString ThreeReporters(const QString& name) const {
        const QString path = dir_.filePath(name + QStringLiteral(".rpc"));
        if (!WriteRecords(path, {RecordToEdit(kSelf), RecordToEdit(kParent, "Jo"), RecordToEdit(kParent),
                                 RecordToEdit(kTeacher)}))
            qWarning("cannot write %s", qPrintable(path));
        return path;
    }

    // As many records as before, and all but the one at `except` byte for byte as they were.
    static bool OthersUnchanged(const QByteArray& before, const QByteArray& after, int except = -1) {
        return RecordCount(before) == RecordCount(after) && RecordsKept(before, after, except);
    }
    static bool RecordsKept(const QByteArray& before, const QByteArray& after, int except = -1) {
        for (int position = 0; position < RecordCount(before); ++position)
            if (position != except && RecordBytes(before, position) != RecordBytes(after, position)) return false;
        return true;
    }

    // Answers item 3 (stored as 3) with 5 on the first item page.
    static void ChangeItem3(EditRun& run) {
        while (run.Page() < 4) run.Next();
        run.Click(QStringLiteral("item3Answer5Radio"));
    }

  private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void firstPageReplacesAtFirstAndKeepsTheRecordsFile() {
        const QString path = ThreeReporters(QStringLiteral("first"));
        const QString own = path.chopped(4);
        EditRun run(path, 2, EditMethod::OnScreen);
        QCOMPARE(run.Wizard().windowTitle(), QStringLiteral("ORVA Page 1 of 17"));
        QVERIFY(ReplaceBox(run)->isChecked());
        QLineEdit* field = run.Edit(QStringLiteral("fileEdit"));
        QCOMPARE(field->text(), own);
        QVERIFY(field->isReadOnly());
        QCOMPARE(field->palette().color(QPalette::Base), field->palette().color(QPalette::Window));
        run.Snap(QStringLiteral("edit_page1"));
        QTest::keyClicks(field, QStringLiteral("x"));
        QCOMPARE(field->text(), own);

        run.Prompts().ExpectMessage([](const Prompt& p) {
            QCOMPARE(p.caption, Utf8(w::kReplaceExisting));
            QCOMPARE(p.text, Utf8(w::kReplaceBrowseRefused));
            QCOMPARE(p.icon, MessageIcon::Stop);
        });
        run.Click(QStringLiteral("browseButton"));
        QCOMPARE(field->text(), own);

        // Unticked, the name can change; ticked again, it is the record's own file once more.
        run.Click(QStringLiteral("replaceCheck"));
        QVERIFY(!field->isReadOnly());
        QVERIFY(field->palette().color(QPalette::Base) != field->palette().color(QPalette::Window));
        run.Type(QStringLiteral("fileEdit"), dir_.filePath(QStringLiteral("elsewhere")));
        run.Click(QStringLiteral("replaceCheck"));
        QCOMPARE(field->text(), own);
        QVERIFY(field->isReadOnly());
        run.Click(QStringLiteral("replaceCheck"));
        const QString browsed = dir_.filePath(QStringLiteral("browsed"));
        run.Prompts().ExpectSaveFile(browsed + QStringLiteral(".rpc"));
        run.Click(QStringLiteral("browseButton"));
        QCOMPARE(field->text(), browsed);
        QCOMPARE(run.FileName(), browsed);

        // The middle pages show the record read.
        run.Next();
        QVERIFY(run.Find<QAbstractButton>(QStringLiteral("parentRadio"))->isChecked());
        QCOMPARE(run.Edit(QStringLiteral("observerNameEdit"))->text(), QStringLiteral("Pat Citizen"));
        run.Next();
        QCOMPARE(run.Edit(QStringLiteral("firstNameEdit"))->text(), QStringLiteral("Alex"));
        QCOMPARE(run.Edit(QStringLiteral("completionYearEdit"))->text(), QStringLiteral("2026"));
        run.Next();
        QVERIFY(run.Find<QAbstractButton>(QStringLiteral("item3Answer3Radio"))->isChecked());
        QVERIFY(!run.State().replace);
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
    }

    void unchangedRecordAsksNoEditsMadeBeforeReplacing_data() {
        QTest::addColumn<int>("position");
        QTest::newRow("Self") << 0;
        QTest::newRow("Parent") << 2;
        QTest::newRow("Teacher") << 3;
    }
    void unchangedRecordAsksNoEditsMadeBeforeReplacing() {
        QFETCH(int, position);
        const QString path = ThreeReporters(QStringLiteral("unchanged%1").arg(position));
        const QByteArray before = FileBytes(path);
        EditRun run(path, position, EditMethod::OnScreen);
        run.ToLast();
        QCOMPARE(run.Page(), 17);
        QVERIFY(run.Prompts().Prompts().empty());
        QVERIFY(Shown(run, "instructionLabel"));
        QVERIFY(!Shown(run, "replaceCheck"));
        QVERIFY(!Shown(run, "browseButton"));
        QVERIFY(run.Edit(QStringLiteral("fileEdit"))->isReadOnly());
        run.Snap(QStringLiteral("edit_page17_confirm"));

        // "Do Not Save" and a closed question both leave the wizard open and the file alone.
        run.Prompts().ExpectChoice(1, [](const Prompt& p) {
            QCOMPARE(p.caption, Utf8(w::kNoEditsCaption));
            QCOMPARE(p.text, Utf8(w::kNoEditsText) + QStringLiteral("\n\n") + Utf8(w::kNoEditsQuestion));
            QCOMPARE(p.buttons, QStringList({Utf8(w::kYesProceed), Utf8(w::kDoNotSave)}));
            QCOMPARE(p.defaultIndex, 0);
        });
        run.Finish();
        run.Prompts().ExpectChoice(-1);
        run.Finish();
        QCOMPARE(run.Page(), 17);
        QVERIFY(run.Wizard().isVisible());
        QCOMPARE(FileBytes(path), before);

        run.Prompts().ExpectChoice(0);
        run.Prompts().ExpectMessage([&path](const Prompt& p) {
            QCOMPARE(p.caption, Utf8(texts::kSaveWasSuccessfulCaption));
            QVERIFY(p.text.endsWith(QStringLiteral("\n\n\t") + path));
        });
        run.Finish();
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
        QCOMPARE(run.Wizard().result(), int(QDialog::Accepted));
        const QByteArray after = FileBytes(path);
        QVERIFY(OthersUnchanged(before, after, position));
        AssessmentRecord back;
        QVERIFY(ReadBack(path, position, back));
        QVERIFY(back.SameContent(run.Reference()));
        QCOMPARE(back.GetText(TextField::SaveDateTime), std::string("20260615103000"));
        // Entered on paper, edited on screen: saved as edited on screen, which alone is no edit.
        QCOMPARE(run.Reference().GetDataEntry(), kPaper);
        QCOMPARE(back.GetDataEntry(), kOnScreen);
    }

    void changedAnswerIsSavedInTheRecordsPlace() {
        const QString path = ThreeReporters(QStringLiteral("changed"));
        const QByteArray before = FileBytes(path);
        EditRun run(path, 3, EditMethod::OnScreen);
        ChangeItem3(run);
        run.ToLast();
        run.Prompts().ExpectMessage();
        run.Finish();
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
        QCOMPARE(run.Wizard().result(), int(QDialog::Accepted));
        QCOMPARE(run.FileName(), path.chopped(4));
        QVERIFY(OthersUnchanged(before, FileBytes(path), 3));
        AssessmentRecord back;
        QVERIFY(ReadBack(path, 3, back));
        QCOMPARE(back.GetResponse(3), 5);
        const AssessmentRecord expected = testsupport::RecordBuilder(run.Reference()).Answers({{3, 5}});
        QVERIFY(back.SameContent(expected));
        QCOMPARE(back.GetText(TextField::SaveDateTime), std::string("20260615103000"));
    }

    void untickedSavesACopyInAnotherFile() {
        const QString path = ThreeReporters(QStringLiteral("original"));
        const QByteArray before = FileBytes(path);
        const QString other = dir_.filePath(QStringLiteral("copies"));
        EditRun run(path, 0, EditMethod::OnScreen);
        run.Click(QStringLiteral("replaceCheck"));
        run.Type(QStringLiteral("fileEdit"), other);
        ChangeItem3(run);
        run.ToLast();
        QCOMPARE(run.Edit(QStringLiteral("fileEdit"))->text(), other);
        QVERIFY(!run.Edit(QStringLiteral("fileEdit"))->isReadOnly());
        run.Prompts().ExpectMessage();
        run.Finish();
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
        QCOMPARE(run.Prompts().Last().caption, Utf8(texts::kSaveWasSuccessfulCaption));
        QCOMPARE(FileBytes(path), before);
        QCOMPARE(RecordCount(FileBytes(other + QStringLiteral(".rpc"))), 1);
        AssessmentRecord back;
        QVERIFY(ReadBack(other + QStringLiteral(".rpc"), 0, back));
        QCOMPARE(back.GetResponse(3), 5);
        QCOMPARE(run.FileName(), other);
    }

    // Going back, unticking and naming another file is what Finish then does.
    void lastPageTakesTheChoiceAfreshOnEveryArrival() {
        const QString path = ThreeReporters(QStringLiteral("afresh"));
        const QByteArray before = FileBytes(path);
        const QString other = dir_.filePath(QStringLiteral("afreshOther"));
        EditRun run(path, 2, EditMethod::OnScreen);
        ChangeItem3(run);
        run.ToLast();
        run.ToFirst();
        QVERIFY(ReplaceBox(run)->isChecked());
        run.Click(QStringLiteral("replaceCheck"));
        run.Type(QStringLiteral("fileEdit"), other);
        run.ToLast();
        QCOMPARE(run.Page(), 17);
        QVERIFY(!ReplaceBox(run)->isChecked());
        QCOMPARE(run.Edit(QStringLiteral("fileEdit"))->text(), other);
        // What the last page is left with counts on the first page too.
        run.Back();
        run.Next();
        QCOMPARE(run.Edit(QStringLiteral("fileEdit"))->text(), other);
        run.Prompts().ExpectMessage();
        run.Finish();
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
        QCOMPARE(FileBytes(path), before);
        QCOMPARE(RecordCount(FileBytes(other + QStringLiteral(".rpc"))), 1);
    }

    // Replacing writes the file the record was read from, whatever name the field shows: here
    // the name of another file holding the same records, ticked again on the last page after
    // the first page had named a third file.
    void replacingAlwaysWritesTheFileTheRecordCameFrom() {
        const QString path = ThreeReporters(QStringLiteral("home"));
        const QString stranger = ThreeReporters(QStringLiteral("stranger"));
        const QByteArray strangerBefore = FileBytes(stranger);
        const QByteArray before = FileBytes(path);
        EditRun run(path, 2, EditMethod::OnScreen, stranger.chopped(4));
        run.Click(QStringLiteral("replaceCheck"));
        run.Type(QStringLiteral("fileEdit"), dir_.filePath(QStringLiteral("no/such/folder/file")));
        ChangeItem3(run);
        run.ToLast();
        run.Prompts().ExpectMessage([](const Prompt& p) { QCOMPARE(p.caption, Utf8(texts::kSaveHasFailedCaption)); });
        run.Finish();
        // The choose state offers the box again.
        QVERIFY(Shown(run, "replaceCheck"));
        QVERIFY(Shown(run, "browseButton"));
        QVERIFY(Shown(run, "questionLabel"));
        QVERIFY(!Shown(run, "instructionLabel"));
        run.Snap(QStringLiteral("edit_page17_choose"));
        run.Click(QStringLiteral("replaceCheck"));
        QCOMPARE(run.Edit(QStringLiteral("fileEdit"))->text(), stranger.chopped(4));
        run.Prompts().ExpectMessage([&path](const Prompt& p) { QVERIFY(p.text.endsWith(path)); });
        run.Finish();
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
        QCOMPARE(run.Wizard().result(), int(QDialog::Accepted));
        QCOMPARE(FileBytes(stranger), strangerBefore);
        QVERIFY(OthersUnchanged(before, FileBytes(path), 2));
        AssessmentRecord back;
        QVERIFY(ReadBack(path, 2, back));
        QCOMPARE(back.GetResponse(3), 5);
    }

    void recordChangedBehindTheWizardIsNotReplaced() {
        const QString path = ThreeReporters(QStringLiteral("behind"));
        EditRun run(path, 2, EditMethod::OnScreen);
        ChangeItem3(run);
        run.ToLast();
        // Another program saves a change of its own to the same record meanwhile.
        AssessmentRecord theirs = testsupport::RecordBuilder(run.Reference()).Answers({{4, 0}});
        const FixedClock later(LocalDateTime{2026, 6, 15, 10, 0, 0});
        QVERIFY(RecordStore(DefaultFileSystem(), later)
                     .Replace(RecordFilePath(FileSystemPath(path)), 2, run.Reference(), theirs).Ok());
        const QByteArray before = FileBytes(path);
        run.Prompts().ExpectMessage([](const Prompt& p) {
            QCOMPARE(p.caption, Utf8(texts::kSaveHasFailedCaption));
            QCOMPARE(p.text, Utf8(texts::kSaveRecordChanged));
            QCOMPARE(p.icon, MessageIcon::Stop);
        });
        run.Finish();
        QCOMPARE(FileBytes(path), before);
        QCOMPARE(run.Page(), 17);
        QVERIFY(run.Wizard().isVisible());
        // The edits can still be kept as a new record.
        run.Click(QStringLiteral("replaceCheck"));
        run.Prompts().ExpectMessage();
        run.Finish();
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
        const QByteArray after = FileBytes(path);
        QCOMPARE(RecordCount(after), 5);
        QVERIFY(RecordsKept(before, after));
        AssessmentRecord back;
        QVERIFY(ReadBack(path, 4, back));
        QCOMPARE(back.GetResponse(3), 5);
        QCOMPARE(back.GetResponse(4), StoredAnswer(kParent, 4));
    }

    void readOnlyFileCannotBeReplacedButTheEditsGoElsewhere() {
        const QString path = ThreeReporters(QStringLiteral("locked"));
        const QByteArray before = FileBytes(path);
        ReadOnlyFile files(path);
        EditRun run(path, 0, EditMethod::OnScreen);
        run.WriteThrough(files);
        ChangeItem3(run);
        run.ToLast();
        run.Prompts().ExpectMessage([](const Prompt& p) { QCOMPARE(p.text, Utf8(texts::kSaveWriteDenied)); });
        run.Finish();
        QCOMPARE(FileBytes(path), before);
        const QString other = dir_.filePath(QStringLiteral("writable"));
        run.Click(QStringLiteral("replaceCheck"));
        run.Type(QStringLiteral("fileEdit"), other);
        run.Prompts().ExpectMessage();
        run.Finish();
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
        QCOMPARE(run.Prompts().Last().caption, Utf8(texts::kSaveWasSuccessfulCaption));
        QCOMPARE(FileBytes(path), before);
        QCOMPARE(RecordCount(FileBytes(other + QStringLiteral(".rpc"))), 1);
    }

    // A record completed long ago keeps its date; another old date or a future one is refused.
    void oldRecordKeepsItsCompletionDate() {
        const QString path = dir_.filePath(QStringLiteral("old.rpc"));
        QVERIFY(WriteRecords(path, {RecordToEdit(kSelf, "Alex", 2020)}));
        EditRun run(path, 0, EditMethod::OnScreen);
        run.Next();
        run.Next();
        QCOMPARE(run.Edit(QStringLiteral("completionYearEdit"))->text(), QStringLiteral("2020"));
        run.Type(QStringLiteral("completionDayEdit"), QStringLiteral("2"));
        run.Prompts().ExpectMessage([](const Prompt& p) { QCOMPARE(p.text, Utf8(texts::kCompletionWindow)); });
        run.Next();
        QCOMPARE(run.Page(), 3);
        run.Type(QStringLiteral("completionDayEdit"), QStringLiteral("1"));
        run.Next();
        QCOMPARE(run.Page(), 4);
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
        run.ToLast();
        run.Prompts().ExpectChoice(0);
        run.Prompts().ExpectMessage();
        run.Finish();
        AssessmentRecord back;
        QVERIFY(ReadBack(path, 0, back));
        QCOMPARE(back.GetText(TextField::CompletionDate), std::string("20200601"));
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
    }
};

QTEST_MAIN(OnScreenEditWizardTest)
#include "OnScreenEditWizardTest.moc"
