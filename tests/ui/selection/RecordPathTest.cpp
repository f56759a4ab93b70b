// SPDX-License-Identifier: Apache-2.0
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/selection/RecordPath.h"

using namespace orva;

// The record-file name as the windows type it: the rule of RecordFilePath on the field's text,
// and names without a folder in the home folder, wherever the program was started from.
class RecordPathTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir home_;
    QTemporaryDir elsewhere_;
    QByteArray savedHome_;
    QString savedWorking_;

  private slots:
    void initTestCase() {
        savedHome_ = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home_.path()));
        // The working folder is somewhere else, as when the program is started from a menu.
        savedWorking_ = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere_.path()));
    }
    void cleanupTestCase() {
        qputenv("HOME", savedHome_);
        QDir::setCurrent(savedWorking_);
    }

    void aNameWithoutAFolderIsAFileInTheHomeFolder() {
        const RecordPathCheck check = CheckRecordPath(QStringLiteral("clinic"));
        QVERIFY(check.ok);
        QCOMPARE(check.fullPath, QStringLiteral("clinic.rpc"));
        QCOMPARE(check.name, QStringLiteral("clinic"));
        QCOMPARE(FromFileSystemPath(check.file.OnDisk()),
                 QDir::home().filePath(QStringLiteral("clinic.rpc")));
        QCOMPARE(FromFileSystemPath(check.file.Named()), QStringLiteral("clinic.rpc"));
        QCOMPARE(InBaseFolder(QStringLiteral("export.csv")),
                 QDir::home().filePath(QStringLiteral("export.csv")));
    }

    void aNameWithItsFolderStaysAsTyped() {
        const QString typed = elsewhere_.filePath(QStringLiteral("clinic.rpc"));
        const RecordPathCheck check = CheckRecordPath(typed);
        QVERIFY(check.ok);
        QCOMPARE(FromFileSystemPath(check.file.OnDisk()), typed);
        QCOMPARE(check.name, elsewhere_.filePath(QStringLiteral("clinic")));
        QCOMPARE(InBaseFolder(typed), typed);
    }

    // The rule counts characters, not bytes: "a.éé" has a full stop three characters from its
    // end (refused), though five bytes in UTF-8.
    void charactersOutsideAsciiCountOnce() {
        const RecordPathCheck check = CheckRecordPath(QStringLiteral("caf\u00e9.rpc"));
        QVERIFY(check.ok);
        QCOMPARE(check.name, QStringLiteral("caf\u00e9"));
        QVERIFY(!CheckRecordPath(QStringLiteral("a.\u00e9\u00e9")).ok);
        QCOMPARE(CheckRecordPath(QString()).message, QStringLiteral("You have not entered a filename."));
    }
};

QTEST_MAIN(RecordPathTest)
#include "RecordPathTest.moc"
