// SPDX-License-Identifier: Apache-2.0
#include <QAction>
#include <QCheckBox>
#include <QRadioButton>
#include <QTemporaryDir>

#include "screening/ScreeningTexts.h"
#include "settings/SettingsStore.h"
#include "store/RecordStore.h"
#include "ui/support/SelectionTestSupport.h"
#include "ui/Workspace.h"
#include "ui/commands/EditCommand.h"
#include "ui/selection/RecordPath.h"
#include "ui/settings/AppSettings.h"
#include "ui/shell/MainWindow.h"
#include "ui/support/EditDriver.h"
#include "ui/wizard/ResponseField.h"
#include "support/RecordBuilder.h"

using namespace orva;
using namespace orva::wizard_test;
namespace sel = orva::selection_test;

namespace {

enum Method { kByScreen, kByPaper };

// The person of the edit files, as typed into the selection dialog, and the file.
void LoadPerson(QWidget& dialog, const QString& stem) {
    sel::EnterPerson(dialog, QStringLiteral("alex"), QStringLiteral("Citizen"), QStringLiteral("15"),
                     QStringLiteral("3"), QStringLiteral("2012"), stem);
    sel::Click(dialog, "loadButton");
}

// Changes one answer in the wizard that is shown (item 3 on screen, item 1 on paper; both
// stored as 1..3, typed or clicked as 5), goes to the last page and finishes, viewing the
// analysis with the related records on paper.
void EditAndFinish(QWidget* modal, ScriptedPrompter& prompter, Method method) {
    auto* wizard = qobject_cast<QuestionnaireWizard*>(modal);
    QVERIFY(wizard != nullptr);
    Driver run(*wizard, prompter);
    if (method == kByPaper) {
        run.Next();
        run.Next();
        run.Find<ResponseField>(QStringLiteral("item1Edit"))->setFocus();
        Keys(QStringLiteral("5"));
    } else {
        for (int page = 1; page < 4; ++page) run.Next();
        run.Click(QStringLiteral("item3Answer5Radio"));
    }
    while (run.Page() < wizard->PageCount()) run.Next();
    if (method == kByPaper) {
        if (!run.Find<QCheckBox>(QStringLiteral("viewAnalysisCheck"))->isChecked())
            run.Click(QStringLiteral("viewAnalysisCheck"));
        if (!run.Find<QCheckBox>(QStringLiteral("alsoViewRelatedCheck"))->isChecked())
            run.Click(QStringLiteral("alsoViewRelatedCheck"));
    }
    prompter.ExpectMessage();
    run.Finish();
}

}  // namespace

// "Edit" from the main window to the record file: the selection, the record read, the wizard of
// the way chosen, the settings kept and the edit selection cleared.
class EditCommandTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;

    // 0 another person, then the person's Self (1), Parent (2) and Teacher (3) reports, listed
    // in that order.
    QString EditFile(const QString& name) const {
        const QString path = dir_.filePath(name + QStringLiteral(".rpc"));
        if (!WriteRecords(path, {RecordToEdit(kSelf, "Jo"), RecordToEdit(kSelf), RecordToEdit(kParent),
                                 RecordToEdit(kTeacher)}))
            qWarning("cannot write %s", qPrintable(path));
        return path;
    }

    static ScriptedPrompter& Prompts(Workspace& workspace) {
        return static_cast<ScriptedPrompter&>(workspace.Prompts());
    }

  private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void methodIsPresetFromTheSettings_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<bool>("paper");
        QTest::newRow("1") << QStringLiteral("1") << true;
        QTest::newRow("0") << QStringLiteral("0") << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("11") << QStringLiteral("11") << false;
    }
    void methodIsPresetFromTheSettings() {
        QFETCH(QString, setting);
        QFETCH(bool, paper);
        testsupport::TempSettingsDir settingsDir;
        ScriptedPrompter prompter;
        MainWindow frame(prompter, SettingsStore::ForThisUser());
        Workspace& workspace = frame.Work();
        workspace.Settings().SetEditMethod(setting.toStdString());
        workspace.Settings().SetORVAFileName("clinic");
        ReportSet shown;
        shown.Record(kSelf).SetLastName("SHOWN");
        workspace.SetAnalysis(shown);
        workspace.SetEditSelection({RecordFilePath("/old/choice.rpc"), 3});
        QVERIFY(frame.Action(MainWindow::Command::Edit)->isEnabled());

        bool paperChecked = !paper;
        bool analysisWhileOpen = true;
        QString fileShown;
        auto ran = testsupport::WhenModalShown([&](QWidget* dialog) {
            paperChecked = sel::Find<QRadioButton>(*dialog, "enterResponsesRadio")->isChecked();
            analysisWhileOpen = workspace.AnalysisShown();
            fileShown = sel::FieldText(*dialog, "fileEdit");
            sel::Click(*dialog, "cancelButton");
        });
        frame.Action(MainWindow::Command::Edit)->trigger();
        QVERIFY(*ran);
        QCOMPARE(paperChecked, paper);
        QVERIFY(!analysisWhileOpen);
        QCOMPARE(fileShown, QStringLiteral("clinic"));
        QVERIFY(!workspace.AnalysisShown());
        QCOMPARE(workspace.Settings().EditMethod(), setting.toStdString());
        QVERIFY2(prompter.AllExpectedAndConsumed(), qPrintable(prompter.Report()));
    }

    void editsEveryReporterByBothMethods_data() {
        QTest::addColumn<int>("reporter");
        QTest::addColumn<int>("method");
        for (int reporter : {kSelf, kParent, kTeacher}) {
            const char* names[] = {"Self", "Parent", "Teacher"};
            QTest::addRow("%s on screen", names[reporter]) << reporter << int(kByScreen);
            QTest::addRow("%s on paper", names[reporter]) << reporter << int(kByPaper);
        }
    }
    void editsEveryReporterByBothMethods() {
        QFETCH(int, reporter);
        QFETCH(int, method);
        testsupport::TempSettingsDir settingsDir;
        const QString path = EditFile(QStringLiteral("every%1%2").arg(reporter).arg(method));
        const QString stem = path.chopped(4);
        const int position = reporter + 1;
        const QByteArray before = FileBytes(path);
        ScriptedPrompter prompter;
        Workspace workspace(prompter, SettingsStore::ForThisUser());
        workspace.Settings().SetEditMethod(method == kByPaper ? "0" : "1");

        auto ran = testsupport::WhenModalShown([&](QWidget* dialog) {
            LoadPerson(*dialog, stem);
            sel::ClickEntry(*dialog, reporter);
            sel::Find<QRadioButton>(*dialog, method == kByPaper ? "enterResponsesRadio" : "completeOnScreenRadio")
                ->click();
            testsupport::WhenModalShown([&](QWidget* wizard) {
                QCOMPARE(workspace.LastEditSelection().position, position);
                EditAndFinish(wizard, prompter, Method(method));
            });
            sel::Click(*dialog, "confirmButton");
        });
        QVERIFY(RunEditCommand(workspace, nullptr, Today()));
        QVERIFY(*ran);
        QVERIFY2(prompter.AllExpectedAndConsumed(), qPrintable(prompter.Report()));

        // The one record changed in its place; every other byte of every other record is as it was.
        const QByteArray after = FileBytes(path);
        QCOMPARE(RecordCount(after), 4);
        for (int other = 0; other < 4; ++other)
            if (other != position) QCOMPARE(RecordBytes(after, other), RecordBytes(before, other));
        AssessmentRecord back;
        QVERIFY(ReadBack(path, position, back));
        const int item = method == kByPaper ? 1 : 3;
        QCOMPARE(back.GetResponse(item), 5);
        const AssessmentRecord expected = testsupport::RecordBuilder(RecordToEdit(reporter)).Answers({{item, 5}});
        QVERIFY(back.SameContent(expected));
        QCOMPARE(back.GetText(TextField::SaveDateTime), std::string("20260615103000"));
        QCOMPARE(back.GetDataEntry(), method == kByPaper ? kPaper : kOnScreen);

        const AppSettings stored(SettingsStore::ForThisUser());
        QCOMPARE(stored.ORVAFileName(), stem.toStdString());
        QCOMPARE(stored.EditMethod(), std::string(method == kByPaper ? "1" : "0"));
        QCOMPARE(workspace.LastEditSelection(), EditSelection{});
        if (method == kByPaper) {
            QVERIFY(workspace.AnalysisShown());
            QCOMPARE(workspace.CurrentAnalysis()->Record(reporter).GetResponse(1), 5);
            for (int slot = kSelf; slot <= kTeacher; ++slot) QVERIFY(!workspace.CurrentAnalysis()->IsSlotEmpty(slot));
            QCOMPARE(stored.ViewAnalysis(), std::string("T"));
        } else {
            QVERIFY(!workspace.AnalysisShown());
        }
    }

    // The list was loaded from one file and the file field then named another: "Continue"
    // edits the record listed, and replacing writes it where it was read.
    void continuingWithAStaleListReplacesInTheFileLoaded() {
        testsupport::TempSettingsDir settingsDir;
        const QString loaded = EditFile(QStringLiteral("loaded"));
        const QString named = EditFile(QStringLiteral("named"));
        const QByteArray namedBefore = FileBytes(named);
        ScriptedPrompter prompter;
        Workspace workspace(prompter, SettingsStore::ForThisUser());
        QString fileShown;
        auto ran = testsupport::WhenModalShown([&](QWidget* dialog) {
            LoadPerson(*dialog, loaded.chopped(4));
            sel::ClickEntry(*dialog, 1);
            sel::Find<QRadioButton>(*dialog, "completeOnScreenRadio")->click();
            sel::Type(*dialog, "fileEdit", named.chopped(4));
            prompter.ExpectChoice(0);
            testsupport::WhenModalShown([&](QWidget* wizard) {
                Driver first(*qobject_cast<QuestionnaireWizard*>(wizard), prompter);
                fileShown = first.Edit(QStringLiteral("fileEdit"))->text();
                EditAndFinish(wizard, prompter, kByScreen);
            });
            sel::Click(*dialog, "confirmButton");
        });
        QVERIFY(RunEditCommand(workspace, nullptr, Today()));
        QVERIFY(*ran);
        QVERIFY2(prompter.AllExpectedAndConsumed(), qPrintable(prompter.Report()));
        QCOMPARE(fileShown, loaded.chopped(4));
        QCOMPARE(FileBytes(named), namedBefore);
        AssessmentRecord back;
        QVERIFY(ReadBack(loaded, 2, back));
        QCOMPARE(back.GetResponse(3), 5);
        QCOMPARE(AppSettings(SettingsStore::ForThisUser()).ORVAFileName(), loaded.chopped(4).toStdString());
    }

    // A record that no longer reads as it was listed opens no wizard.
    void recordNotAsListedIsAReadError() {
        testsupport::TempSettingsDir settingsDir;
        const QString path = EditFile(QStringLiteral("moved"));
        ScriptedPrompter prompter;
        Workspace workspace(prompter, SettingsStore::ForThisUser());
        workspace.Settings().SetORVAFileName("kept");
        auto wizardShown = std::make_shared<bool>(false);
        QByteArray before;
        auto ran = testsupport::WhenModalShown([&](QWidget* dialog) {
            LoadPerson(*dialog, path.chopped(4));
            sel::ClickEntry(*dialog, 2);
            // Another program saves a newer copy of the record in its place meanwhile.
            AssessmentRecord listed;
            QVERIFY(ReadBack(path, 3, listed));
            AssessmentRecord newer = listed;
            const FixedClock later(LocalDateTime{2026, 6, 15, 9, 0, 0});
            QVERIFY(RecordStore(DefaultFileSystem(), later)
                         .Replace(RecordFilePath(FileSystemPath(path)), 3, listed, newer).Ok());
            before = FileBytes(path);
            prompter.ExpectMessage([](const Prompt& p) {
                QCOMPARE(p.caption, QString::fromUtf8(texts::kReadErrorCaption));
                QCOMPARE(p.text, QString::fromUtf8(texts::kReadError));
                QCOMPARE(p.icon, MessageIcon::Stop);
            });
            wizardShown = testsupport::WhenModalShown(
                [](QWidget* wizard) { static_cast<QDialog*>(wizard)->done(QDialog::Rejected); }, 500);
            sel::Click(*dialog, "confirmButton");
        });
        QVERIFY(!RunEditCommand(workspace, nullptr, Today()));
        QVERIFY(*ran);
        QTest::qWait(600);
        QVERIFY(!*wizardShown);
        QVERIFY2(prompter.AllExpectedAndConsumed(), qPrintable(prompter.Report()));
        QCOMPARE(FileBytes(path), before);
        QCOMPARE(workspace.LastEditSelection(), EditSelection{});
        QCOMPARE(AppSettings(SettingsStore::ForThisUser()).ORVAFileName(), std::string());
    }
};

QTEST_MAIN(EditCommandTest)
#include "EditCommandTest.moc"
