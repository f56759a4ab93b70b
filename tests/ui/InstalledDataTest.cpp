// SPDX-License-Identifier: Apache-2.0
#include <QtTest>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "ui/InstalledData.h"

using namespace orva;

// Where the program looks for the files it ships: its installation's data folder, then its own
// folder (the build tree), and nowhere else.
class InstalledDataTest : public QObject {
    Q_OBJECT

  private slots:
    void installedProgramLooksInShareOrvaThenBesideItself() {
        QCOMPARE(InstalledData::Folders(QStringLiteral("/opt/orva/bin")),
                 QStringList({QStringLiteral("/opt/orva/share/orva"), QStringLiteral("/opt/orva/bin")}));
    }

    void aFileInTheWorkingFolderIsNotTaken() {
        QTemporaryDir working;
        QVERIFY(working.isValid());
        const QString name = QStringLiteral("orva-planted-%1.bmp").arg(QCoreApplication::applicationPid());
        QFile planted(QDir(working.path()).filePath(name));
        QVERIFY(planted.open(QIODevice::WriteOnly));
        planted.close();
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(working.path()));
        const QString found = InstalledData::FilePath(name);
        QDir::setCurrent(before);
        QCOMPARE(found, QString());
    }

    void aFileBesideTheProgramIsFound() {
        const QString name = QStringLiteral("orva-beside-%1.bmp").arg(QCoreApplication::applicationPid());
        const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(name);
        QFile beside(path);
        QVERIFY(beside.open(QIODevice::WriteOnly));
        beside.close();
        const QString found = InstalledData::FilePath(name);
        QFile::remove(path);
        QCOMPARE(found, QFileInfo(path).absoluteFilePath());
    }
};

QTEST_GUILESS_MAIN(InstalledDataTest)
#include "InstalledDataTest.moc"
