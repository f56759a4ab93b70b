// SPDX-License-Identifier: Apache-2.0
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QTemporaryDir>
#include <algorithm>

#include "settings/SettingsStore.h"
#include "support/RecordBuilder.h"
#include "ui/CoreText.h"
#include "ui/settings/AppSettings.h"
#include "ui/support/PaperDriver.h"
#include "ui/wizard/ResponseField.h"

using namespace orva;
using namespace orva::wizard_test;

namespace {

// The answer typed for `item` by reporter `reporter`: 0..5, or -1 (typed as a space).
int Answer(int reporter, int item) {
    const int value = (item * 7 + reporter) % 8;
    return value > 5 ? -1 : value;
}

// A wrong key is typed before the answer of every item that is a multiple of 17.
bool WrongKeyFirst(int item) {
    return item % 17 == 0;
}

}  // namespace

// The paper wizard: the response grid typed one key per item, and its save page.
class PaperEntryWizardTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;

    static ResponseField* Field(Driver& run, int item) {
        return run.Find<ResponseField>(QStringLiteral("item%1Edit").arg(item));
    }
    static bool Asked(int reporter, int item) {
        return reporter != kTeacher || ItemCatalogue::InTeacherReport(item);
    }

  private slots:
    void wholeQuestionnaireTypedIsSaved_data() {
        QTest::addColumn<int>("reporter");
        QTest::newRow("self") << int(kSelf);
        QTest::newRow("parent") << int(kParent);
        QTest::newRow("teacher") << int(kTeacher);
    }
    void wholeQuestionnaireTypedIsSaved() {
        QFETCH(int, reporter);
        testsupport::TempSettingsDir settingsDir;
        const QString stem = dir_.filePath(QStringLiteral("typed%1").arg(reporter));
        PaperRun run(stem);
        ToGrid(run, reporter);
        QCOMPARE(run.Page(), 3);
        QCOMPARE(FocusName(), QStringLiteral("item1Edit"));
        QCOMPARE(run.Find(QStringLiteral("teacherNoteLabel"))->isVisible(), reporter == kTeacher);

        // Only the items asked get a key: for a teacher the grid skips the others itself.
        QString keys;
        int wrongKeys = 0;
        for (int item = 1; item <= kItemCount; ++item) {
            if (!Asked(reporter, item)) continue;
            if (WrongKeyFirst(item)) {
                keys += QLatin1Char(item % 2 == 0 ? '9' : 'x');
                ++wrongKeys;
                run.Prompts().ExpectMessage(
                    [item](const Prompt&) { QCOMPARE(FocusName(), QStringLiteral("item%1Edit").arg(item)); });
            }
            const int value = Answer(reporter, item);
            keys += value < 0 ? QLatin1Char(' ') : QLatin1Char(char('0' + value));
        }
        Keys(keys);
        QCOMPARE(FocusName(), QStringLiteral("gridEndWidget"));
        // Typing over: a click selects the old answer and the digit replaces it.
        const int over = reporter == kTeacher ? 9 : 3;
        QTest::mouseClick(Field(run, over), Qt::LeftButton);
        Keys(QStringLiteral("5"));
        QCOMPARE(FocusName(), QStringLiteral("item%1Edit").arg(over + 1));
        run.Snap(QStringLiteral("paper_grid_%1").arg(reporter));
        for (int item = 1; item <= kItemCount; ++item)
            QCOMPARE(Field(run, item)->isVisible(), Asked(reporter, item));

        GridToSave(run, true);
        QCOMPARE(run.Page(), 5);
        run.Prompts().ExpectMessage();
        run.Finish();
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
        QCOMPARE(run.Wizard().result(), int(QDialog::Accepted));

        AssessmentRecord back;
        QVERIFY(ReadBack(stem + QStringLiteral(".rpc"), 0, back));
        QCOMPARE(back.GetReporter(), reporter);
        for (int item = 1; item <= kItemCount; ++item) {
            const int expected = !Asked(reporter, item) ? -1 : item == over ? 5 : Answer(reporter, item);
            QCOMPARE(back.GetResponse(item), expected);
        }
        const int incorrect = static_cast<int>(
            std::count_if(run.Prompts().Prompts().begin(), run.Prompts().Prompts().end(),
                          [](const Prompt& p) { return p.caption == Utf8(w::kIncorrectValueCaption); }));
        QCOMPARE(incorrect, wrongKeys);
    }

    void keysMoveOnSelectAndRefuse() {
        const AssessmentRecord start =
            testsupport::RecordBuilder(AssessmentRecord()).Reporter(kSelf).Answers({{2, 4}, {3, 1}});
        PaperRun run({}, start);
        ToGrid(run, kSelf);
        // Filling the grid from the record examined nothing.
        QCOMPARE(Field(run, 2)->text(), QStringLiteral("4"));
        QVERIFY(run.Prompts().Prompts().empty());

        Keys(QStringLiteral("3"));
        QCOMPARE(FocusName(), QStringLiteral("item2Edit"));
        QCOMPARE(Field(run, 2)->selectedText(), QStringLiteral("4"));
        run.Prompts().ExpectMessage();
        Keys(QStringLiteral("7"));
        const Prompt& refused = run.Prompts().Last();
        QCOMPARE(refused.caption, Utf8(w::kIncorrectValueCaption));
        QCOMPARE(refused.text, Utf8(w::kIncorrectValueText));
        QCOMPARE(refused.icon, MessageIcon::Stop);
        QCOMPARE(Field(run, 2)->text(), QString());
        QCOMPARE(FocusName(), QStringLiteral("item2Edit"));
        Keys(QStringLiteral(" "));
        QCOMPARE(Field(run, 2)->text(), QString());
        QCOMPARE(FocusName(), QStringLiteral("item3Edit"));
        QCOMPARE(Field(run, 3)->selectedText(), QStringLiteral("1"));

        // Two characters at once (a paste) are refused as well.
        run.Prompts().ExpectMessage();
        Field(run, 3)->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("12"));
        QTest::keyClick(Field(run, 3), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Field(run, 3)->text(), QString());

        Field(run, kItemCount)->setFocus();
        Keys(QStringLiteral("2"));
        QCOMPARE(FocusName(), QStringLiteral("gridEndWidget"));
        QCOMPARE(run.Find(QStringLiteral("gridEndWidget"))->size(), QSize(0, 0));
        QCOMPARE(Field(run, 12)->accessibleName(),
                 QStringLiteral("Item 12 ") + CoreText::ToQt(ItemCatalogue::Wording(kSelf, 12)));
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
    }

    void blanksAskOnNextButNotOnBack() {
        PaperRun run;
        ToGrid(run, kParent);
        Keys(QStringLiteral("0123"));
        run.Prompts().ExpectChoice(1, [](const Prompt& p) {
            QCOMPARE(p.caption, Utf8(w::kBlankItemsCaption));
            QCOMPARE(p.buttons, QStringList({Utf8(w::kLeaveBlank), Utf8(w::kContinueCurrent)}));
        });
        run.Next();
        QCOMPARE(run.Page(), 3);
        QCOMPARE(run.Record().GetResponse(4), -1);
        run.Back();
        QCOMPARE(run.Page(), 2);
        QCOMPARE(run.Record().GetResponse(4), 3);
        QCOMPARE(run.Record().GetResponse(5), -1);
        run.Next();
        QCOMPARE(Field(run, 4)->text(), QStringLiteral("3"));
        QCOMPARE(Field(run, 12)->accessibleName(),
                 QStringLiteral("Item 12 ") + CoreText::ToQt(ItemCatalogue::Wording(kParent, 12)));
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
    }

    void teacherGridEmptiesTheItemsNotAsked() {
        PaperRun run;
        ToGrid(run, kSelf);
        Keys(QString(kItemCount, QLatin1Char('1')));
        run.Back();
        run.Back();
        run.Click(QStringLiteral("teacherRadio"));
        run.Type(QStringLiteral("observerNameEdit"), QStringLiteral("Ms Teacher"));
        run.Next();
        run.Next();
        QCOMPARE(run.Page(), 3);
        QVERIFY(run.Find(QStringLiteral("teacherNoteLabel"))->isVisible());
        QVERIFY(!Field(run, 7)->isVisible());
        QCOMPARE(Field(run, 7)->text(), QString());
        Field(run, 6)->setFocus();
        Keys(QStringLiteral("2"));
        QCOMPARE(FocusName(), QStringLiteral("item9Edit"));
        run.Snap(QStringLiteral("paper_grid_teacher_over_self"));
        run.Next();
        QCOMPARE(run.Page(), 4);
        QCOMPARE(run.Record().GetResponse(6), 2);
        QCOMPARE(run.Record().GetResponse(7), -1);
        QCOMPARE(run.Record().GetResponse(102), -1);
        QCOMPARE(run.Record().GetResponse(111), 1);
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
    }

    void savePagePresetsTheChoicesOnce() {
        testsupport::TempSettingsDir settingsDir;
        {
            AppSettings preset(SettingsStore::ForThisUser());
            preset.SetViewAnalysis("T");
            preset.SetAlsoViewRelatedAnalysis("t");
            QVERIFY(preset.WriteAll());
        }
        PaperRun run(dir_.filePath(QStringLiteral("preset")));
        ToGrid(run, kSelf);
        GridToSave(run, true);
        auto* view = run.Find<QCheckBox>(QStringLiteral("viewAnalysisCheck"));
        auto* also = run.Find<QCheckBox>(QStringLiteral("alsoViewRelatedCheck"));
        QVERIFY(view->isChecked());
        QVERIFY(!also->isChecked());
        QCOMPARE(run.Edit(QStringLiteral("fileEdit"))->text(), dir_.filePath(QStringLiteral("preset")));
        QVERIFY(also->mapTo(run.Wizard().CurrentPage(), QPoint()).x() >
                view->mapTo(run.Wizard().CurrentPage(), QPoint()).x());
        run.Snap(QStringLiteral("paper_save"));
        run.Click(QStringLiteral("viewAnalysisCheck"));
        run.Click(QStringLiteral("alsoViewRelatedCheck"));
        run.Type(QStringLiteral("fileEdit"), dir_.filePath(QStringLiteral("typed")));
        run.Back();
        run.Next();
        QVERIFY(!view->isChecked());
        QVERIFY(also->isChecked());
        QCOMPARE(run.Edit(QStringLiteral("fileEdit"))->text(), dir_.filePath(QStringLiteral("typed")));
    }

    void failedSaveStaysWithTheFieldEditable() {
        testsupport::TempSettingsDir settingsDir;
        PaperRun run(dir_.filePath(QStringLiteral("missing/folder/file")));
        ToGrid(run, kSelf);
        GridToSave(run, true);
        run.Prompts().ExpectMessage();
        run.Finish();
        QCOMPARE(run.Prompts().Last().caption, QStringLiteral("Save Has Failed"));
        QCOMPARE(run.Page(), 5);
        QCOMPARE(FocusName(), QStringLiteral("fileEdit"));
        QVERIFY(!run.Edit(QStringLiteral("fileEdit"))->isReadOnly());
        run.Type(QStringLiteral("fileEdit"), dir_.filePath(QStringLiteral("second")));
        run.Prompts().ExpectMessage();
        run.Finish();
        QCOMPARE(run.Prompts().Last().caption, QStringLiteral("Save Was Successful"));
        QCOMPARE(run.Wizard().result(), int(QDialog::Accepted));
        QCOMPARE(run.FileName(), dir_.filePath(QStringLiteral("second")));
        QCOMPARE(FromFileSystemPath(run.Saver().Saved()->file.OnDisk()),
                 dir_.filePath(QStringLiteral("second.rpc")));
        QVERIFY2(run.Prompts().AllExpectedAndConsumed(), qPrintable(run.Prompts().Report()));
    }
};

QTEST_MAIN(PaperEntryWizardTest)
#include "PaperEntryWizardTest.moc"
