// SPDX-License-Identifier: Apache-2.0
#include <QCheckBox>
#include <QLabel>
#include <QSettings>
#include <QtTest>

#include "model/FileNameRules.h"
#include "reports/ExportPasswords.h"
#include "reports/ExportRun.h"
#include "reports/ReportFileNames.h"
#include "reports/ReportMessages.h"
#include "settings/SettingsStore.h"
#include "ui/Workspace.h"
#include "ui/commands/ExportFileCommand.h"
#include "ui/outputs/ExportDialog.h"
#include "ui/outputs/support/OutputTestSupport.h"
#include "ui/support/ScriptedPrompter.h"
#include "ui/support/SelectionTestSupport.h"
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

// The export dialog on its own, and the export command that puts the password in front of it
// and keeps the names of a completed run.
class ExportDialogTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir files_;
    QString stem_;  // the record file without ".rpc"
    std::unique_ptr<TempSettingsDir> settingsDir_;
    std::unique_ptr<ScriptedPrompter> prompter_;
    std::unique_ptr<ExportDialog> dialog_;

    QString Path(const char* name) const { return files_.filePath(QString::fromLatin1(name)); }

    // The dialog as the command would open it for these settings.
    void Open(const QString& recordSetting, const QString& exportSetting) {
        // The settings hold their texts as the core does.
        dialog_ =
            std::make_unique<ExportDialog>(*prompter_,
                                           InitialExportNames(Cp1252::FromUtf8(recordSetting.toStdString()),
                                                              Cp1252::FromUtf8(exportSetting.toStdString())),
                                           [this](const QString& record, const QString& exportName) {
                                               return ExportRecordFile(*prompter_, record, exportName);
                                           });
        QVERIFY(output_test::ShowForInput(*dialog_));
    }
    // The dialog for the record file `recordFile`, with the export name typed over.
    void OpenExporting(const QString& recordFile, const QString& exportName) {
        Open(recordFile, recordFile);
        SetField("exportNameEdit", exportName);
    }
    void SetField(const char* field, const QString& text) { Find<QLineEdit>(*dialog_, field)->setText(text); }
    void TickPrivacy() { Find<QCheckBox>(*dialog_, "privacyCheckBox")->setChecked(true); }
    QString Label(int index) const { return dialog_->findChildren<QLabel*>().at(index)->text(); }

    // What RunExport itself writes for the same record file.
    QByteArray ExpectedCsv(const QString& recordStem) const {
        const QString reference = Path("reference");
        QFile::remove(reference + QStringLiteral(".csv"));
        RunExport({recordStem.toStdString(), reference.toStdString(), true}, [] { return false; });
        return FileBytes(reference + QStringLiteral(".csv"));
    }

    ExportCounters CountsOf(const QString& recordStem) const {
        const QString reference = Path("counting");
        QFile::remove(reference + QStringLiteral(".csv"));
        return RunExport({recordStem.toStdString(), reference.toStdString(), true}, [] { return false; })
            .counters;
    }

    static QString Setting(const TempSettingsDir& dir, const char* key) {
        return QSettings(dir.IniPath(), QSettings::IniFormat).value(QString::fromLatin1(key)).toString();
    }

    void SetPassword(const char* password) {
        ExportPasswords passwords(settingsDir_->Path().toStdString());
        QVERIFY(passwords.Set(1, password).Ok());
        QVERIFY(passwords.Save().Ok());
    }

    // Runs the command: the password is given, then `inDialog` acts on the export dialog.
    void RunCommand(Workspace& workspace, const std::function<void(QWidget&)>& inDialog) {
        auto exportShown = std::make_shared<std::shared_ptr<bool>>();
        auto passwordShown = WhenModalShown([&, exportShown](QWidget* password) {
            *exportShown = WhenModalShown([&](QWidget* dialog) { inDialog(*dialog); });
            Type(*password, "passwordEdit", QStringLiteral("secret words"));
            Click(*password, "okButton");
        });
        RunExportFileCommand(workspace, nullptr);
        QVERIFY(*passwordShown);
        QVERIFY(*exportShown && **exportShown);
    }

  private slots:
    void initTestCase() {
        QVERIFY(files_.isValid());
        stem_ = Path("clinic");
        QVERIFY(WriteRecordFile(
            stem_ + QStringLiteral(".rpc"),
            {MakeRecord(kSelf, Person{"KIM", "LO, \"NG\""}), MakeRecord(kParent, {}, {4, 15, 83}),
             MakeRecord(kTeacher, {}, {}, false, "Mr Lee")}));
    }

    void init() {
        settingsDir_ = std::make_unique<TempSettingsDir>();
        prompter_ = std::make_unique<ScriptedPrompter>();
    }

    void cleanup() {
        QVERIFY2(prompter_->AllExpectedAndConsumed(), qPrintable(prompter_->Report()));
        dialog_.reset();
        prompter_.reset();
        settingsDir_.reset();
    }

    // ---- the dialog ---------------------------------------------------------------------

    void opensWithItsTextsAndTheRecordFileNamedInTheLastExportFolder() {
        Open(stem_, QStringLiteral("/exports/old"));
        SaveSnapshot(dialog_.get(), QStringLiteral("export-dialog"));
        QCOMPARE(dialog_->windowTitle(), QStringLiteral("Export Questionnaire File"));
        const QStringList expected{
            QStringLiteral("Child and Adolescent Orvantis File:"),
            QStringLiteral(".rpc"),
            QStringLiteral("Export File:"),
            QStringLiteral(".csv"),
            QStringLiteral("A 'Comma Separated Variable' (.csv) file will allow you to import into many "
                           "applications including a Microsoft Excel spreadsheet."),
            QStringLiteral(
                "Note:  A Child and Adolescent Orvantis file (*.rpc) maintains data privacy of the "
                "details of clients by encrypting the data in a way that can only be read by the ORVA "
                "application.  However, once you export to a file (*.csv), that file can be read as "
                "normal text by other applications."),
        };
        for (int i = 0; i < expected.size(); ++i) QCOMPARE(Label(i), expected[i]);
        QCOMPARE(Find<QCheckBox>(*dialog_, "privacyCheckBox")->text(),
                 QStringLiteral("I accept responsibility for data privacy of the export file."));
        QVERIFY(!Find<QCheckBox>(*dialog_, "privacyCheckBox")->isChecked());
        QCOMPARE(Find<QPushButton>(*dialog_, "exportButton")->text(), QStringLiteral("Export"));
        QVERIFY(Find<QPushButton>(*dialog_, "exportButton")->isDefault());
        QCOMPARE(Find<QPushButton>(*dialog_, "recordBrowseButton")->text(), QStringLiteral("Browse ..."));
        QCOMPARE(Find<QPushButton>(*dialog_, "cancelButton")->text(), QStringLiteral("Cancel"));
        QCOMPARE(FieldText(*dialog_, "recordFileEdit"), stem_);
        QCOMPARE(FieldText(*dialog_, "exportNameEdit"), QStringLiteral("/exports/clinic"));
        QCOMPARE(Find<QLineEdit>(*dialog_, "exportNameEdit")->alignment() & Qt::AlignRight, Qt::AlignRight);
    }

    void leavingTheRecordFieldWithANewNameMovesTheExportNameAndSelectsIt() {
        Open(QStringLiteral("c:/a/old"), QStringLiteral("d:/x/old"));
        auto* record = Find<QLineEdit>(*dialog_, "recordFileEdit");
        record->setFocus();
        Type(*dialog_, "recordFileEdit", QStringLiteral("c:/a/new"));
        prompter_->ExpectMessage();
        Find<QCheckBox>(*dialog_, "privacyCheckBox")->setFocus();
        QVERIFY(Shows(prompter_->Last(), ExportNameChangedMessage()));
        QCOMPARE(FieldText(*dialog_, "exportNameEdit"), QStringLiteral("d:/x/new"));
        QCOMPARE(FocusName(), QStringLiteral("exportNameEdit"));
        QCOMPARE(Find<QLineEdit>(*dialog_, "exportNameEdit")->selectedText(), QStringLiteral("d:/x/ne"));
        // The same base name in another folder changes nothing.
        record->setFocus();
        Type(*dialog_, "recordFileEdit", QStringLiteral("c:/b/new"));
        Find<QCheckBox>(*dialog_, "privacyCheckBox")->setFocus();
        QCOMPARE(FieldText(*dialog_, "exportNameEdit"), QStringLiteral("d:/x/new"));
        QCOMPARE(int(prompter_->Prompts().size()), 1);
    }

    void enterInTheRecordFieldFirstMovesTheExportNameAndExportsNothing() {
        Open(Path("old"), Path("out/old"));
        TickPrivacy();
        auto* record = Find<QLineEdit>(*dialog_, "recordFileEdit");
        record->setFocus();
        Type(*dialog_, "recordFileEdit", stem_);
        prompter_->ExpectMessage();
        QTest::keyClick(record, Qt::Key_Return);
        QVERIFY(Shows(prompter_->Last(), ExportNameChangedMessage()));
        QCOMPARE(FieldText(*dialog_, "exportNameEdit"), Path("out/clinic"));
        QCOMPARE(FocusName(), QStringLiteral("exportNameEdit"));
        QVERIFY(dialog_->isVisible());
        QVERIFY(!QFile::exists(Path("out/clinic.csv")));
        QVERIFY(!QFile::exists(Path("out/old.csv")));
    }

    void privacyBoxClearOpensNoFile() {
        OpenExporting(Path("missing"), Path("never"));
        prompter_->ExpectMessage();
        Click(*dialog_, "exportButton");
        QVERIFY(Shows(prompter_->Last(), ExportPrivacyMessage()));
        QVERIFY(dialog_->isVisible());
        QVERIFY(!QFile::exists(Path("never.csv")));
    }

    void exportWritesWhatTheExportRunWritesAndSaysSo() {
        OpenExporting(stem_, Path("full"));
        TickPrivacy();
        prompter_->ExpectMessage();
        Click(*dialog_, "exportButton");
        QVERIFY(Shows(prompter_->Last(), ExportFinishedMessage(stem_.toStdString(),
                                                               Path("full").toStdString(), CountsOf(stem_))));
        QCOMPARE(prompter_->Last().caption, QStringLiteral("Export OK"));
        QCOMPARE(FileBytes(Path("full.csv")), ExpectedCsv(stem_));
#ifndef Q_OS_WIN
        QVERIFY(OwnerOnly(Path("full.csv")));
#endif
        QCOMPARE(dialog_->result(), int(QDialog::Accepted));
        QCOMPARE(dialog_->UsedRecordFileName(), stem_);
        QCOMPARE(dialog_->UsedExportName(), Path("full"));
    }

    void namesOutsideAsciiAreOpenedAndShownAsTyped() {
        const QString accented = files_.filePath(QStringLiteral("caf\u00E9 records"));
        QVERIFY(QFile::copy(stem_ + QStringLiteral(".rpc"), accented + QStringLiteral(".rpc")));
        OpenExporting(accented, files_.filePath(QStringLiteral("r\u00E9sum\u00E9")));
        TickPrivacy();
        prompter_->ExpectMessage();
        Click(*dialog_, "exportButton");
        QCOMPARE(prompter_->Last().caption, QStringLiteral("Export OK"));
        QVERIFY(prompter_->Last().text.contains(accented + QStringLiteral(".rpc")));
        QVERIFY(prompter_->Last().text.contains(files_.filePath(QStringLiteral("r\u00E9sum\u00E9")) +
                                                QStringLiteral(".csv")));
        QCOMPARE(FileBytes(files_.filePath(QStringLiteral("r\u00E9sum\u00E9.csv"))), ExpectedCsv(stem_));
        QCOMPARE(dialog_->UsedRecordFileName(), accented);
    }

    void recordFileNameTypedWithItsExtensionIsNotDoubled() {
        OpenExporting(stem_, Path("typed"));
        TickPrivacy();
        SetField("recordFileEdit", stem_ + QStringLiteral(".rpc"));
        prompter_->ExpectMessage();
        Click(*dialog_, "exportButton");
        QCOMPARE(prompter_->Last().caption, QStringLiteral("Export OK"));
        QCOMPARE(FileBytes(Path("typed.csv")), ExpectedCsv(stem_));
        QCOMPARE(dialog_->UsedRecordFileName(), stem_);
    }

    void recordFileNameWithAnotherExtensionIsRefused() {
        OpenExporting(stem_, Path("other"));
        TickPrivacy();
        SetField("recordFileEdit", stem_ + QStringLiteral(".txt"));
        // Leaving the field for the button first moves the export name to the new base name.
        prompter_->ExpectMessage();
        prompter_->ExpectMessage();
        Click(*dialog_, "exportButton");
        QVERIFY(Shows(prompter_->Prompts().front(), ExportNameChangedMessage()));
        QCOMPARE(prompter_->Last().caption, QStringLiteral("Incorrect File Name"));
        QCOMPARE(prompter_->Last().text, QString::fromLatin1(texts::kRecordFileWithoutExtension));
        QCOMPARE(FocusName(), QStringLiteral("recordFileEdit"));
        QVERIFY(!QFile::exists(Path("clinic.txt.csv")));
    }

    void unusableExportNamesAreRefusedBeforeAnythingIsOpened() {
        OpenExporting(stem_, Path("x"));
        TickPrivacy();
        const QList<QPair<QString, UserMessage>> cases{{QString(), NoSaveFileNameMessage()},
                                                       {Path("dir/"), InvalidSaveFileNameMessage()}};
        for (const auto& [name, message] : cases) {
            SetField("exportNameEdit", name);
            prompter_->ExpectMessage();
            Click(*dialog_, "exportButton");
            QVERIFY2(Shows(prompter_->Last(), message), qPrintable(name));
            QCOMPARE(FocusName(), QStringLiteral("exportNameEdit"));
            QVERIFY(dialog_->isVisible());
        }
        QVERIFY(!QFile::exists(Path("dir/.csv")));
    }

    void missingRecordFileIsReportedAndTheDialogStays() {
        OpenExporting(Path("absent"), Path("absent-out"));
        TickPrivacy();
        prompter_->ExpectMessage();
        Click(*dialog_, "exportButton");
        QVERIFY(Shows(prompter_->Last(),
                      RecordFileOpenMessage(StoreError::FileNotFound, Path("absent").toStdString())));
        QVERIFY(dialog_->isVisible());
        QVERIFY(!QFile::exists(Path("absent-out.csv")));
    }

    void existingCsvIsReplacedOnlyAfterYes() {
        QFile existing(Path("kept.csv"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("old export\r\n");
        existing.close();
        OpenExporting(stem_, Path("kept"));
        TickPrivacy();
        prompter_->ExpectYesNo(false);
        Click(*dialog_, "exportButton");
        QVERIFY(AsksFileExists(prompter_->Last(), FileExistsQuestion()));
        QCOMPARE(int(prompter_->Prompts().size()), 1);
        QCOMPARE(FileBytes(Path("kept.csv")), QByteArray("old export\r\n"));
        QVERIFY(dialog_->isVisible());
        QCOMPARE(dialog_->UsedExportName(), QString());

        prompter_->ExpectYesNo(true);
        prompter_->ExpectMessage();
        Click(*dialog_, "exportButton");
        QCOMPARE(prompter_->Last().caption, QStringLiteral("Export OK"));
        QCOMPARE(FileBytes(Path("kept.csv")), ExpectedCsv(stem_));
    }

    void recordsThatCannotBeReadAreCountedInTheProblemMessage() {
        const QString spoiled = Path("spoiled");
        QVERIFY(WriteRecordFile(spoiled + QStringLiteral(".rpc"),
                                {MakeRecord(kSelf), MakeRecord(kParent), MakeRecord(kTeacher)}));
        QVERIFY(CorruptRecord(spoiled + QStringLiteral(".rpc"), 1));
        OpenExporting(spoiled, Path("partial"));
        TickPrivacy();
        prompter_->ExpectMessage();
        Click(*dialog_, "exportButton");
        const ExportCounters counts = CountsOf(spoiled);
        QCOMPARE(counts.recordsWritten, 2u);
        QVERIFY(Shows(prompter_->Last(),
                      ExportFinishedMessage(spoiled.toStdString(), Path("partial").toStdString(), counts)));
        QCOMPARE(prompter_->Last().caption, QStringLiteral("Export File Problem"));
        QCOMPARE(FileBytes(Path("partial.csv")), ExpectedCsv(spoiled));
        QCOMPARE(dialog_->result(), int(QDialog::Accepted));
    }

    void browseButtonsTakeOnlyTheirOwnKindOfFile() {
        OpenExporting(stem_, Path("browsed"));
        prompter_->ExpectOpenFile(QStringLiteral("/data/data.older.rpc"));
        Click(*dialog_, "recordBrowseButton");
        QCOMPARE(prompter_->Last().filter, QStringLiteral("ORVA Files (*.rpc)"));
        QCOMPARE(prompter_->Last().startPath, stem_ + QStringLiteral(".rpc"));
        QCOMPARE(FieldText(*dialog_, "recordFileEdit"), QStringLiteral("/data/data.older"));

        prompter_->ExpectOpenFile(QStringLiteral("/data/data.old.rpc"));
        prompter_->ExpectMessage();
        Click(*dialog_, "recordBrowseButton");
        QVERIFY(Shows(prompter_->Last(), BrowseRefusedMessage(".rpc")));
        QCOMPARE(FieldText(*dialog_, "recordFileEdit"), QStringLiteral("/data/data.older"));

        prompter_->ExpectSaveFile(QStringLiteral("/out/sheet.csv"));
        Click(*dialog_, "exportBrowseButton");
        QCOMPARE(prompter_->Last().filter, QStringLiteral("Comma Separated Variable Files (*.csv)"));
        QCOMPARE(prompter_->Last().startPath, Path("browsed.csv"));
        QCOMPARE(FieldText(*dialog_, "exportNameEdit"), QStringLiteral("/out/sheet"));

        prompter_->ExpectSaveFile(QStringLiteral("/out/sheet.rpc"));
        prompter_->ExpectMessage();
        Click(*dialog_, "exportBrowseButton");
        QVERIFY(Shows(prompter_->Last(), BrowseRefusedMessage(".csv")));
        QCOMPARE(FieldText(*dialog_, "exportNameEdit"), QStringLiteral("/out/sheet"));

        // A cancelled box changes nothing.
        prompter_->ExpectSaveFile(QString());
        Click(*dialog_, "exportBrowseButton");
        QCOMPARE(FieldText(*dialog_, "exportNameEdit"), QStringLiteral("/out/sheet"));
    }

    // ---- the command --------------------------------------------------------------------

    void commandKeepsTheNamesOfACompletedExport() {
        SetPassword("secret words");
        QSettings(settingsDir_->IniPath(), QSettings::IniFormat)
            .setValue(QStringLiteral("ORVAFileName"), stem_);
        QSettings(settingsDir_->IniPath(), QSettings::IniFormat)
            .setValue(QStringLiteral("ExportFileName"), Path("out/previous"));
        QVERIFY(QDir(files_.path()).mkpath(QStringLiteral("out")));
        Workspace workspace(*prompter_, SettingsStore::ForThisUser());
        QString offered;
        RunCommand(workspace, [&](QWidget& dialog) {
            offered = FieldText(dialog, "exportNameEdit");
            Find<QCheckBox>(dialog, "privacyCheckBox")->setChecked(true);
            prompter_->ExpectMessage();
            Click(dialog, "exportButton");
        });
        QCOMPARE(offered, Path("out/clinic"));
        QCOMPARE(prompter_->Last().caption, QStringLiteral("Export OK"));
        QCOMPARE(FileBytes(Path("out/clinic.csv")), ExpectedCsv(stem_));
        QCOMPARE(Setting(*settingsDir_, "ORVAFileName"), stem_);
        QCOMPARE(Setting(*settingsDir_, "ExportFileName"), Path("out/clinic"));
    }

    void commandCancelledKeepsTheSettings() {
        SetPassword("secret words");
        QSettings(settingsDir_->IniPath(), QSettings::IniFormat)
            .setValue(QStringLiteral("ExportFileName"), QStringLiteral("/x/previous"));
        Workspace workspace(*prompter_, SettingsStore::ForThisUser());
        RunCommand(workspace, [&](QWidget& dialog) {
            Type(dialog, "exportNameEdit", QStringLiteral("/y/other"));
            Click(dialog, "cancelButton");
        });
        QCOMPARE(Setting(*settingsDir_, "ExportFileName"), QStringLiteral("/x/previous"));
    }

    void commandWithoutAUsablePasswordSaysWhatTheAdministratorMustDo() {
        Workspace workspace(*prompter_, SettingsStore::ForThisUser());
        const QString file = settingsDir_->Path() + QStringLiteral("/export-passwords");
        auto askedForAPassword = WhenModalShown([](QWidget* dialog) { dialog->close(); }, 300);

        prompter_->ExpectMessage();
        RunExportFileCommand(workspace, nullptr);
        QCOMPARE(prompter_->Last().caption, QStringLiteral("Export Password"));
        QCOMPARE(prompter_->Last().icon, MessageIcon::Stop);
        QCOMPARE(prompter_->Last().text, QStringLiteral("No export password is set on this computer.\n\n"
                                                        "An administrator sets one with\n"
                                                        "    orva-cli set-export-password SLOT"));

        SetPassword("secret words");
#ifndef Q_OS_WIN
        // Windows keeps who may change a file in its access list, which Qt's permissions leave
        // alone.
        QVERIFY(QFile::setPermissions(file, QFile::permissions(file) | QFileDevice::WriteOther));
        prompter_->ExpectMessage();
        RunExportFileCommand(workspace, nullptr);
        QCOMPARE(
            prompter_->Last().text,
            QStringLiteral("The export passwords are not used: their file, or a folder\nabove it, could be "
                           "changed by someone other than the\nadministrator.\n\nAn administrator makes the "
                           "file and every folder above it\nowned by the administrator and writable by the\n"
                           "administrator only. To be put right:\n    ") +
                file);
#endif

        QFile garbled(file);
        QVERIFY(garbled.open(QIODevice::WriteOnly | QIODevice::Truncate));
        garbled.write("not a password hash\n");
        garbled.close();
        QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        prompter_->ExpectMessage();
        RunExportFileCommand(workspace, nullptr);
        QCOMPARE(prompter_->Last().text,
                 QStringLiteral("The export passwords could not be read from\n    ") + file);

        QTest::qWait(400);
        QVERIFY(!*askedForAPassword);
    }
};

QTEST_MAIN(ExportDialogTest)
#include "ExportDialogTest.moc"
