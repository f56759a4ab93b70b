// SPDX-License-Identifier: Apache-2.0
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <vector>

#include "store/StoreError.h"
#include "ui/support/PaperDriver.h"

using namespace orva;
using namespace orva::wizard_test;

// The wizard shows and asks; the save its command hands it acts. Finish hands the save the
// file the page names, a name without a folder in the home folder; a save that fails keeps the
// page for another name, and the wizard closes only after one that succeeded.
class WizardSaveTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir home_;
    QByteArray savedHome_;

  private slots:
    void initTestCase() {
        savedHome_ = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home_.path()));
    }
    void cleanupTestCase() { qputenv("HOME", savedHome_); }

    void finishHandsTheNamedFileToTheSaveUntilOneSucceeds() {
        testsupport::TempSettingsDir settingsDir;
        AssessmentRecord record;
        QString fileName = QStringLiteral("clinic");
        ScriptedPrompter prompter;
        std::vector<RecordFilePath> asked;
        const RecordSave save = [&asked](const RecordFilePath& file) {
            asked.push_back(file);
            return SaveAttempt{asked.size() == 1 ? StoreStatus(StoreError::AccessDenied) : StoreStatus(),
                               {file, 0}};
        };
        PaperEntryWizard wizard(record, fileName, save, {}, prompter, Today());
        Driver run(wizard, prompter);
        wizard.show();
        ToGrid(run, kSelf);
        GridToSave(run, true);

        prompter.ExpectMessage();
        run.Finish();
        QCOMPARE(prompter.Last().caption, QStringLiteral("Save Has Failed"));
        QCOMPARE(run.Page(), 5);
        QVERIFY(wizard.isVisible());
        run.Type(QStringLiteral("fileEdit"), QStringLiteral("other"));
        prompter.ExpectMessage();
        run.Finish();
        QCOMPARE(prompter.Last().caption, QStringLiteral("Save Was Successful"));
        QCOMPARE(wizard.result(), int(QDialog::Accepted));
        QVERIFY2(prompter.AllExpectedAndConsumed(), qPrintable(prompter.Report()));

        QCOMPARE(asked.size(), std::size_t{2});
        QCOMPARE(FromFileSystemPath(asked[0].OnDisk()), QDir::home().filePath(QStringLiteral("clinic.rpc")));
        QCOMPARE(FromFileSystemPath(asked[1].OnDisk()), QDir::home().filePath(QStringLiteral("other.rpc")));
        QCOMPARE(fileName, QStringLiteral("other"));
        // The wizard itself wrote nothing.
        QVERIFY(QDir(home_.path()).entryList(QDir::Files).isEmpty());
    }
};

QTEST_MAIN(WizardSaveTest)
#include "WizardSaveTest.moc"
