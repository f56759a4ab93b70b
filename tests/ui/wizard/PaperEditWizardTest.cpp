// SPDX-License-Identifier: Apache-2.0
#include <QCheckBox>
#include <QTemporaryDir>

#include "settings/SettingsStore.h"
#include "store/RecordStore.h"
#include "store/StoreTexts.h"
#include "ui/selection/RecordPath.h"
#include "ui/settings/AppSettings.h"
#include "ui/support/EditDriver.h"
#include "ui/wizard/ResponseField.h"

using namespace orva;
using namespace orva::wizard_test;

namespace {

QCheckBox* Box(Driver& run, const char* name) {
    return run.Find<QCheckBox>(QLatin1String(name));
}

// Sets both analysis choices as the user ticks them.
void Choose(Driver& run, bool view, bool also) {
    if (Box(run, "viewAnalysisCheck")->isChecked() != view) run.Click(QStringLiteral("viewAnalysisCheck"));
    if (Box(run, "alsoViewRelatedCheck")->isChecked() != also) run.Click(QStringLiteral("alsoViewRelatedCheck"));
}

}  // namespace

// The paper edit wizard: its last page with "Replace Existing Record", "No Edits Made", and the
// analysis shown after the edit is saved.
class PaperEditWizardTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;

    // 0 Self, 1 Teacher, 2 Parent of the same person, each entered on paper.
    QString ThreeReporters(const QString& name) const {
        const QString path = dir_.filePath(name + QStringLiteral(".rpc"));
        if (!WriteRecords(path, {RecordToEdit(kSelf), RecordToEdit(kTeacher), RecordToEdit(kParent)}))
            qWarning("cannot write %s", qPrintable(path));
        return path;
    }

    // Types 5 over item 1 (stored as 1) in the response grid.
    static void ChangeItem1(EditRun& run) {
        while (run.Page() < 3) run.Next();
        run.Find<ResponseField>(QStringLiteral("item1Edit"))->setFocus();
        Keys(QStringLiteral("5"));
    }

  private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void lastPageReplacesAtFirstAndKeepsTheRecordsFile() {
        testsupport::TempSettingsDir settingsDir;
        const QString path = ThreeReporters(QStringLiteral("last"));
        const QString own = path.chopped(4);
        EditRun run(path, 1, EditMethod::Paper);
        QCOMPARE(run.Wizard().windowTitle(), QStringLiteral("ORVA Page 1 of 5"));
        QVERIFY(run.Find<QAbstractButton>(QStringLiteral("teacherRadio"))->isChecked());
        run.ToLast();
        QCOMPARE(run.Wizard().windowTitle(), QStringLiteral("ORVA Page 5 of 5"));
        QVERIFY(run.Prompts().Prompts().empty());
        QLineEdit* field = run.Edit(QStringLiteral("fileEdit"));
        QVERIFY(Box(run, "replaceCheck")->isChecked());
        QCOMPARE(field->text(), own);
        QVERIFY(field->isReadOnly());
        run.Snap(QStringLiteral("edit_paper_page5"));
        run.Prompts().ExpectMessage([](const Prompt& p) { QCOMPARE(p.text, Utf8(w::kReplaceBrowseRefused)); });
        run.Click(QStringLiteral("browseButton"));
        run.Click(QStringLiteral("replaceCheck"));
        QVERIFY(!field->isReadOnly());
        run.Type(QStringLiteral("fileEdit"), dir_.filePath(QStringLiteral("typed")));
        // The page keeps what it was left with on the way back and forth.
        run.Back();
        run.Next();
        QCOMPARE(field->text(), dir_.filePath(QStringLiteral("typed")));
        QVERIFY(!Box(run, "replaceCheck")->isChecked());
        run.Click(QStringLiteral("replaceCheck"));
        QCOMPARE(field->text(), own);
        QVERIFY(field->isReadOnly());
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
    }

    void unchangedRecordAsksNoEditsMadeBeforeReplacing() {
        testsupport::TempSettingsDir settingsDir;
        const QString path = ThreeReporters(QStringLiteral("unchanged"));
        const QByteArray before = FileBytes(path);
        EditRun run(path, 2, EditMethod::Paper);
        run.ToLast();
        Choose(run, false, false);
        run.Prompts().ExpectChoice(1, [](const Prompt& p) { QCOMPARE(p.caption, Utf8(w::kNoEditsCaption)); });
        run.Finish();
        QCOMPARE(run.Page(), 5);
        QCOMPARE(FileBytes(path), before);
        run.Prompts().ExpectChoice(0);
        run.Prompts().ExpectMessage();
        run.Finish();
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
        QCOMPARE(run.Wizard().result(), int(QDialog::Accepted));
        const QByteArray after = FileBytes(path);
        QCOMPARE(RecordCount(after), 3);
        QCOMPARE(RecordBytes(after, 0), RecordBytes(before, 0));
        QCOMPARE(RecordBytes(after, 1), RecordBytes(before, 1));
        AssessmentRecord back;
        QVERIFY(ReadBack(path, 2, back));
        QVERIFY(back.SameContent(run.Reference()));
        QCOMPARE(back.GetText(TextField::SaveDateTime), std::string("20260615103000"));
        QCOMPARE(back.GetDataEntry(), kPaper);
        QVERIFY(!run.Analysis().AnyPresent());
    }

    // The edited record keeps its slot, beside the person's latest records of the others.
    void changedRecordIsReplacedAndItsAnalysisShown() {
        testsupport::TempSettingsDir settingsDir;
        const QString path = ThreeReporters(QStringLiteral("analysed"));
        EditRun run(path, 0, EditMethod::Paper);
        ChangeItem1(run);
        run.ToLast();
        Choose(run, true, true);
        run.Prompts().ExpectMessage();
        run.Finish();
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
        QVERIFY(run.Paper().ViewAnalysis());
        QVERIFY(run.Paper().AlsoViewRelated());
        QCOMPARE(run.Analysis().Record(kSelf).GetResponse(1), 5);
        QCOMPARE(run.Analysis().Record(kSelf).GetText(TextField::SaveDateTime), std::string("20260615103000"));
        QCOMPARE(run.Analysis().Record(kTeacher).GetObserverName(), std::string("Pat Citizen"));
        QCOMPARE(run.Analysis().Record(kParent).GetResponse(1), StoredAnswer(kParent, 1));
        AssessmentRecord back;
        QVERIFY(ReadBack(path, 0, back));
        QCOMPARE(back.GetResponse(1), 5);
        QCOMPARE(RecordCount(FileBytes(path)), 3);
    }

    void untickedSavesANewRecordElsewhere() {
        testsupport::TempSettingsDir settingsDir;
        const QString path = ThreeReporters(QStringLiteral("kept"));
        const QByteArray before = FileBytes(path);
        const QString other = dir_.filePath(QStringLiteral("paperCopies"));
        EditRun run(path, 1, EditMethod::Paper);
        ChangeItem1(run);
        run.ToLast();
        Choose(run, true, false);
        run.Click(QStringLiteral("replaceCheck"));
        run.Type(QStringLiteral("fileEdit"), other);
        run.Prompts().ExpectMessage();
        run.Finish();
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
        QCOMPARE(FileBytes(path), before);
        QCOMPARE(run.FileName(), other);
        QCOMPARE(RecordCount(FileBytes(other + QStringLiteral(".rpc"))), 1);
        QCOMPARE(run.Analysis().Record(kTeacher).GetResponse(1), 5);
        QVERIFY(run.Analysis().IsSlotEmpty(kSelf));
    }

    // Refused replacements (no write access; the record changed meanwhile) write nothing and
    // keep the page as it was, so the edits can still go to a new record.
    void refusedReplacementsLeaveTheFileAndThePage() {
        testsupport::TempSettingsDir settingsDir;
        const QString path = ThreeReporters(QStringLiteral("refused"));
        EditRun run(path, 2, EditMethod::Paper);
        ChangeItem1(run);
        run.ToLast();
        Choose(run, false, false);
        ReadOnlyFile files(path);
        run.WriteThrough(files);
        run.Prompts().ExpectMessage([](const Prompt& p) { QCOMPARE(p.text, Utf8(texts::kSaveWriteDenied)); });
        run.Finish();
        run.WriteThrough(DefaultFileSystem());
        AssessmentRecord theirs = run.Reference();
        theirs.SetObserverName("Someone Else");
        const FixedClock later(LocalDateTime{2026, 6, 15, 10, 0, 0});
        QVERIFY(RecordStore(DefaultFileSystem(), later)
                     .Replace(RecordFilePath(FileSystemPath(path)), 2, run.Reference(), theirs).Ok());
        const QByteArray before = FileBytes(path);
        run.Prompts().ExpectMessage([](const Prompt& p) { QCOMPARE(p.text, Utf8(texts::kSaveRecordChanged)); });
        run.Finish();
        QCOMPARE(FileBytes(path), before);
        QCOMPARE(run.Page(), 5);
        QVERIFY(Box(run, "replaceCheck")->isChecked());
        run.Click(QStringLiteral("replaceCheck"));
        run.Prompts().ExpectMessage();
        run.Finish();
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
        QCOMPARE(RecordCount(FileBytes(path)), 4);
        AssessmentRecord back;
        QVERIFY(ReadBack(path, 2, back));
        QCOMPARE(back.GetObserverName(), std::string("Someone Else"));
        QVERIFY(ReadBack(path, 3, back));
        QCOMPARE(back.GetResponse(1), 5);
        QCOMPARE(back.GetObserverName(), std::string("Pat Citizen"));
    }
};

QTEST_MAIN(PaperEditWizardTest)
#include "PaperEditWizardTest.moc"
