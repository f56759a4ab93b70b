// SPDX-License-Identifier: Apache-2.0
#include <QCheckBox>
#include <QLabel>
#include <QSettings>
#include <QtTest>

#include "model/Clock.h"
#include "reports/ReportFileNames.h"
#include "reports/ReportMessages.h"
#include "reports/RtfReportWriter.h"
#include "settings/SettingsStore.h"
#include "support/FaultInjectingFileSystem.h"
#include "store/OutputFile.h"
#include "ui/outputs/support/OutputTestSupport.h"
#include "ui/support/SelectionTestSupport.h"
#include "ui/Workspace.h"
#include "ui/commands/SaveAsCommand.h"
#include "ui/outputs/SaveAsDialog.h"
#include "ui/support/ScriptedPrompter.h"
#include "ui/support/UiTestSupport.h"

using namespace orva;
using namespace orva::selection_test;
using orva::output_test::AsksFileExists;
using orva::output_test::FileBytes;
using orva::output_test::OwnerOnly;
using orva::output_test::Shows;
using orva::testsupport::SaveSnapshot;
using orva::testsupport::ScriptedPrompter;
using orva::testsupport::TempSettingsDir;
using orva::testsupport::WhenModalShown;

// The analysis Save As dialog on its own, and the command that suggests the name and keeps it.
class SaveAsDialogTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir files_;
    ReportSet analysis_;
    std::unique_ptr<TempSettingsDir> settingsDir_;
    std::unique_ptr<ScriptedPrompter> prompter_;
    std::unique_ptr<FaultInjectingFileSystem> fileSystem_;
    std::unique_ptr<SaveAsDialog> dialog_;

    QString Path(const char* name) const { return files_.filePath(QString::fromLatin1(name)); }

    void Open(const QString& name) {
        dialog_ = std::make_unique<SaveAsDialog>(*prompter_, name, [this](const QString& saved) {
            return WriteReportFile(*prompter_, analysis_, *fileSystem_, saved);
        });
        QVERIFY(output_test::ShowForInput(*dialog_));
    }
    void TickPrivacy() { Find<QCheckBox>(*dialog_, "privacyCheckBox")->setChecked(true); }

    // What the report writer itself writes for the same analysis.
    QByteArray ExpectedRtf() const {
        const QString reference = Path("reference.rtf");
        OutputFile file;
        file.SetPath(reference.toStdString());
        if (!file.Open(true) || !WriteRtfReport(analysis_, file) || !file.Close()) return {};
        return FileBytes(reference);
    }

    void WriteExisting(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    QString StoredAnalysisFileName() const {
        return QSettings(settingsDir_->IniPath(), QSettings::IniFormat)
            .value(QStringLiteral("AnalysisFileName"))
            .toString();
    }

  private slots:
    void initTestCase() {
        QVERIFY(files_.isValid());
        analysis_.Record(kParent) =
            MakeRecord(kParent, Person{"JANE", "SMITH"}, {4, 15, 83}, false, "Pat Smith");
        analysis_.Record(kTeacher) = MakeRecord(kTeacher, Person{"JANE", "SMITH"}, {}, false, "Mr Lee");
    }

    void init() {
        settingsDir_ = std::make_unique<TempSettingsDir>();
        prompter_ = std::make_unique<ScriptedPrompter>();
        fileSystem_ = std::make_unique<FaultInjectingFileSystem>();
    }

    void cleanup() {
        QVERIFY2(prompter_->AllExpectedAndConsumed(), qPrintable(prompter_->Report()));
        dialog_.reset();
        fileSystem_.reset();
        prompter_.reset();
        settingsDir_.reset();
    }

    // ---- the dialog ---------------------------------------------------------------------

    void opensWithItsTextsAndTheSuggestedName() {
        Open(Path("SMITH_JANE_pt_20260615"));
        SaveSnapshot(dialog_.get(), QStringLiteral("save-as-dialog"));
        QCOMPARE(dialog_->windowTitle(), QStringLiteral("Analysis - Save As"));
        const QList<QLabel*> labels = dialog_->findChildren<QLabel*>();
        const QStringList expected{
            QStringLiteral("Save As:"),
            QStringLiteral(".rtf"),
            QStringLiteral("A 'Rich Text Format' (.rtf) file will allow you to view the analysis in many "
                           "applications including Microsoft Word."),
            QStringLiteral(
                "Note:  A Child and Adolescent Orvantis File (*.rpc) maintains data privacy of the "
                "details of clients by encrypting the data in a way that can only be read by the ORVA "
                "application.  However, once you save to a file (*.rtf) that file can be read by other "
                "applications."),
        };
        QCOMPARE(labels.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i) QCOMPARE(labels.at(i)->text(), expected[i]);
        QCOMPARE(Find<QCheckBox>(*dialog_, "privacyCheckBox")->text(),
                 QStringLiteral("I accept responsibility for data privacy of the .rtf file"));
        QVERIFY(!Find<QCheckBox>(*dialog_, "privacyCheckBox")->isChecked());
        QCOMPARE(Find<QPushButton>(*dialog_, "browseButton")->text(), QStringLiteral("Browse ..."));
        QCOMPARE(Find<QPushButton>(*dialog_, "okButton")->text(), QStringLiteral("OK"));
        QVERIFY(Find<QPushButton>(*dialog_, "okButton")->isDefault());
        QCOMPARE(Find<QPushButton>(*dialog_, "cancelButton")->text(), QStringLiteral("Cancel"));
        QCOMPARE(FieldText(*dialog_, "fileNameEdit"), Path("SMITH_JANE_pt_20260615"));
        QCOMPARE(Find<QLineEdit>(*dialog_, "fileNameEdit")->alignment() & Qt::AlignRight, Qt::AlignRight);
    }

    void savesWhatTheReportWriterWritesAndSaysSo() {
        Open(Path("saved"));
        TickPrivacy();
        prompter_->ExpectMessage();
        Click(*dialog_, "okButton");
        QVERIFY(Shows(prompter_->Last(), SaveSuccessfulMessage(Path("saved").toStdString())));
        QCOMPARE(FileBytes(Path("saved.rtf")), ExpectedRtf());
        QVERIFY(!FileBytes(Path("saved.rtf")).isEmpty());
#ifndef Q_OS_WIN
        QVERIFY(OwnerOnly(Path("saved.rtf")));
#endif
        QCOMPARE(dialog_->result(), int(QDialog::Accepted));
        QCOMPARE(dialog_->SavedName(), Path("saved"));
    }

    void nameTypedWithItsExtensionLosesOneOfIt() {
        Open(Path("typed.rtf"));
        TickPrivacy();
        prompter_->ExpectMessage();
        Click(*dialog_, "okButton");
        QCOMPARE(prompter_->Last().caption, QStringLiteral("Save Successful"));
        QVERIFY(QFile::exists(Path("typed.rtf")));
        QVERIFY(!QFile::exists(Path("typed.rtf.rtf")));
        QCOMPARE(dialog_->SavedName(), Path("typed"));
    }

    void privacyBoxClearWritesNothing() {
        Open(Path("private"));
        prompter_->ExpectMessage();
        Click(*dialog_, "okButton");
        QVERIFY(Shows(prompter_->Last(), SavePrivacyMessage()));
        QVERIFY(!QFile::exists(Path("private.rtf")));
        QVERIFY(dialog_->isVisible());
    }

    void unusableNamesAreRefusedBeforeAnyFileIsTouched() {
        Open(QString());
        TickPrivacy();
        const QList<QPair<QString, UserMessage>> cases{{QString(), NoSaveFileNameMessage()},
                                                       {Path("reports/"), InvalidSaveFileNameMessage()}};
        for (const auto& [name, message] : cases) {
            Find<QLineEdit>(*dialog_, "fileNameEdit")->setText(name);
            prompter_->ExpectMessage();
            Click(*dialog_, "okButton");
            QVERIFY2(Shows(prompter_->Last(), message), qPrintable(name));
            QCOMPARE(FocusName(), QStringLiteral("fileNameEdit"));
            QVERIFY(dialog_->isVisible());
        }
        QVERIFY(!QFile::exists(Path("reports/.rtf")));
    }

    void existingFileIsReplacedOnlyAfterYes() {
        WriteExisting(Path("twice.rtf"), "first save");
        Open(Path("twice"));
        TickPrivacy();
        prompter_->ExpectYesNo(false);
        Click(*dialog_, "okButton");
        QVERIFY(AsksFileExists(prompter_->Last(), FileExistsQuestion()));
        QCOMPARE(int(prompter_->Prompts().size()), 1);
        QCOMPARE(FileBytes(Path("twice.rtf")), QByteArray("first save"));
        QVERIFY(dialog_->isVisible());

        prompter_->ExpectYesNo(true);
        prompter_->ExpectMessage();
        Click(*dialog_, "okButton");
        QCOMPARE(prompter_->Last().caption, QStringLiteral("Save Successful"));
        QCOMPARE(FileBytes(Path("twice.rtf")), ExpectedRtf());
    }

    void fileThatCannotBeCreatedIsReported() {
        fileSystem_->FailOpen(StoreError::AccessDenied);
        Open(Path("denied"));
        TickPrivacy();
        prompter_->ExpectMessage();
        Click(*dialog_, "okButton");
        QVERIFY(Shows(prompter_->Last(), SaveFileOpenMessage(StoreError::AccessDenied, Path("denied").toStdString())));
        QVERIFY(dialog_->isVisible());
        QCOMPARE(dialog_->SavedName(), QString());
    }

    void writeThatFailsLeavesNoPartialReport() {
        fileSystem_->FailWritesAfter(200);
        Open(Path("broken"));
        TickPrivacy();
        prompter_->ExpectMessage();
        Click(*dialog_, "okButton");
        QVERIFY(Shows(prompter_->Last(), SaveNotWrittenMessage(Path("broken").toStdString())));
        QVERIFY(!QFile::exists(Path("broken.rtf")));
        QVERIFY(dialog_->isVisible());
        QCOMPARE(dialog_->SavedName(), QString());
    }

    void reportThatMayNotHaveReachedTheDiskIsNotCalledSaved() {
        fileSystem_->FailSync(StoreError::DiskFull);
        Open(Path("unsynced"));
        TickPrivacy();
        prompter_->ExpectMessage();
        Click(*dialog_, "okButton");
        QVERIFY(Shows(prompter_->Last(), SaveNotWrittenMessage(Path("unsynced").toStdString())));
        QVERIFY(dialog_->isVisible());
        QCOMPARE(dialog_->SavedName(), QString());
    }

    void browseTakesOnlyRtfNames() {
        Open(Path("browsed"));
        prompter_->ExpectSaveFile(QStringLiteral("/reports/jane.smith.rtf"));
        Click(*dialog_, "browseButton");
        QCOMPARE(prompter_->Last().filter, QStringLiteral("Rich Text Format Files (*.rtf)"));
        QCOMPARE(prompter_->Last().startPath, Path("browsed.rtf"));
        QCOMPARE(FieldText(*dialog_, "fileNameEdit"), QStringLiteral("/reports/jane.smith"));

        prompter_->ExpectSaveFile(QStringLiteral("/reports/jane.x.rtf"));
        prompter_->ExpectMessage();
        Click(*dialog_, "browseButton");
        QVERIFY(Shows(prompter_->Last(), BrowseRefusedMessage(".rtf")));
        QCOMPARE(FieldText(*dialog_, "fileNameEdit"), QStringLiteral("/reports/jane.smith"));

        prompter_->ExpectSaveFile(QString());
        Click(*dialog_, "browseButton");
        QCOMPARE(FieldText(*dialog_, "fileNameEdit"), QStringLiteral("/reports/jane.smith"));
    }

    // ---- the command --------------------------------------------------------------------

    void commandWithoutAnAnalysisSaysSoAndOpensNothing() {
        Workspace workspace(*prompter_, SettingsStore::ForThisUser());
        auto opened = WhenModalShown([](QWidget* dialog) { dialog->close(); }, 300);
        prompter_->ExpectMessage();
        RunSaveAsCommand(workspace, nullptr);
        QVERIFY(Shows(prompter_->Last(), NoAnalysisMessage()));
        QTest::qWait(400);
        QVERIFY(!*opened);
    }

    void commandSuggestsTheNameAndKeepsItOnceSaved() {
        QSettings(settingsDir_->IniPath(), QSettings::IniFormat)
            .setValue(QStringLiteral("AnalysisFileName"), Path("old_report"));
        Workspace workspace(*prompter_, SettingsStore::ForThisUser());
        workspace.SetAnalysis(analysis_);
        const QString suggested = QString::fromStdString(SuggestedAnalysisFileName(
            Path("old_report").toStdString(), analysis_, SystemClock::Instance().Now()));
        QString offered;
        auto shown = WhenModalShown([&](QWidget* dialog) {
            offered = FieldText(*dialog, "fileNameEdit");
            Find<QCheckBox>(*dialog, "privacyCheckBox")->setChecked(true);
            prompter_->ExpectMessage();
            Click(*dialog, "okButton");
        });
        RunSaveAsCommand(workspace, nullptr);
        QVERIFY(*shown);
        QCOMPARE(offered, suggested);
        QCOMPARE(prompter_->Last().caption, QStringLiteral("Save Successful"));
        QCOMPARE(FileBytes(suggested + QStringLiteral(".rtf")), ExpectedRtf());
        QCOMPARE(StoredAnalysisFileName(), suggested);
    }

    void commandCancelledKeepsTheSetting() {
        QSettings(settingsDir_->IniPath(), QSettings::IniFormat)
            .setValue(QStringLiteral("AnalysisFileName"), Path("old_report"));
        Workspace workspace(*prompter_, SettingsStore::ForThisUser());
        workspace.SetAnalysis(analysis_);
        auto shown = WhenModalShown([&](QWidget* dialog) {
            Find<QLineEdit>(*dialog, "fileNameEdit")->setText(Path("other"));
            Click(*dialog, "cancelButton");
        });
        RunSaveAsCommand(workspace, nullptr);
        QVERIFY(*shown);
        QVERIFY(!QFile::exists(Path("other.rtf")));
        QCOMPARE(StoredAnalysisFileName(), Path("old_report"));
    }
};

QTEST_MAIN(SaveAsDialogTest)
#include "SaveAsDialogTest.moc"
