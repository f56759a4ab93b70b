// SPDX-License-Identifier: Apache-2.0
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtTest>

#include <filesystem>

#include "ui/settings/AppSettings.h"
#include "ui/settings/QSettingsStore.h"
#include "ui/support/UiTestSupport.h"

using orva::AppSettings;
using orva::QSettingsStore;
using orva::SettingsStore;
using orva::test::TempSettingsDir;

namespace {

const char* const kNames[] = {"ORVAFileName",  "ExportFileName", "AnalysisFileName",
                              "EditMethod",    "ViewAnalysis",   "AlsoViewRelatedAnalysis"};

// The permission bits of a file or folder, as the file system keeps them.
std::filesystem::perms Mode(const QString& path) {
    return std::filesystem::status(QFile::encodeName(path).toStdString()).permissions();
}

const std::filesystem::perms kOwnerOnly = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
const std::filesystem::perms kOwnersFolder = kOwnerOnly | std::filesystem::perms::owner_exec;

std::shared_ptr<SettingsStore> IniStore(const QString& path) {
    return std::make_shared<QSettingsStore>(path, QSettings::IniFormat);
}

// Writes an INI file by hand, as a person (or another program) might have left it.
void WriteText(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

QByteArray ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void SetAll(AppSettings& s, const std::string& v) {
    s.SetORVAFileName(v);
    s.SetExportFileName(v);
    s.SetAnalysisFileName(v);
    s.SetEditMethod(v);
    s.SetViewAnalysis(v);
    s.SetAlsoViewRelatedAnalysis(v);
}

std::vector<std::string> All(const AppSettings& s) {
    return {s.ORVAFileName(), s.ExportFileName(), s.AnalysisFileName(),
            s.EditMethod(),   s.ViewAnalysis(),   s.AlsoViewRelatedAnalysis()};
}

}  // namespace

class AppSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void missingStoreReadsSixEmptyValuesAndDefaultChoices() {
        TempSettingsDir dir;
        AppSettings settings;
        for (const std::string& v : All(settings)) {
            QVERIFY(v.empty());
        }
        QVERIFY(!settings.EditWithEnterResponses());
        QVERIFY(!settings.ViewAnalysisTicked());
        QVERIFY(!settings.AlsoViewRelatedAnalysisTicked());
        // Reading alone creates nothing.
        QVERIFY(!QFile::exists(dir.IniPath()));
    }

    void firstWriteCreatesAllSixValuesEmpty() {
        TempSettingsDir dir;
        QVERIFY(AppSettings().WriteAll());
        QSettings ini(dir.IniPath(), QSettings::IniFormat);
        QCOMPARE(ini.allKeys().size(), 6);
        for (const char* name : kNames) {
            QVERIFY2(ini.contains(QLatin1String(name)), name);
            QCOMPARE(ini.value(QLatin1String(name)).toString(), QString());
        }
    }

    void valuesAreStoredUnderTheirExactNames() {
        TempSettingsDir dir;
        AppSettings settings;
        settings.SetORVAFileName("records");
        settings.SetExportFileName("export");
        settings.SetAnalysisFileName("report");
        settings.SetEditMethod("1");
        settings.SetViewAnalysis("T");
        settings.SetAlsoViewRelatedAnalysis("F");
        QVERIFY(settings.WriteAll());
        const QByteArray text = ReadText(dir.IniPath());
        for (const char* line : {"ORVAFileName=records", "ExportFileName=export", "AnalysisFileName=report",
                                 "EditMethod=1", "ViewAnalysis=T", "AlsoViewRelatedAnalysis=F"}) {
            QVERIFY2(text.contains(line), line);
        }
    }

    void settersChangeOnlyTheCopyInMemory() {
        TempSettingsDir dir;
        AppSettings settings;
        settings.SetORVAFileName("unsaved");
        QVERIFY(!QFile::exists(dir.IniPath()));
        QVERIFY(AppSettings().ORVAFileName().empty());
    }

    void textsRoundTrip_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("windows path") << QByteArray("C:\\data files\\ORVA_2005");
        QTest::newRow("posix path") << QByteArray("/home/clinic/records/orva");
        QTest::newRow("commas and quotes") << QByteArray("a, \"b\", c");
        QTest::newRow("ini syntax") << QByteArray("[General]\nkey=value ; # comment");
        QTest::newRow("variant lookalike") << QByteArray("@Variant(abc)");
        QTest::newRow("surrounding blanks") << QByteArray("  padded  ");
        QTest::newRow("windows-1252 letters") << QByteArray("Caf\xE9 \x80 \x93quoted\x94 M\xFCller");
        QTest::newRow("single blank") << QByteArray(" ");
    }

    void textsRoundTrip() {
        QFETCH(QByteArray, value);
        TempSettingsDir dir;
        AppSettings written;
        SetAll(written, value.toStdString());
        QVERIFY(written.WriteAll());
        AppSettings read;
        for (const std::string& v : All(read)) {
            QCOMPARE(QByteArray::fromStdString(v), value);
        }
    }

    void windows1252TextIsStoredAsReadableUnicode() {
        TempSettingsDir dir;
        AppSettings settings;
        settings.SetORVAFileName("Caf\xE9 \x80");
        QVERIFY(settings.WriteAll());
        QSettings ini(dir.IniPath(), QSettings::IniFormat);
        QCOMPARE(ini.value(QStringLiteral("ORVAFileName")).toString(), QStringLiteral("Caf\u00E9 \u20AC"));
    }

    void exactTextsDecideTheChoices_data() {
        QTest::addColumn<QByteArray>("editMethod");
        QTest::addColumn<bool>("enterResponses");
        QTest::addColumn<QByteArray>("flag");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("exact") << QByteArray("1") << true << QByteArray("T") << true;
        QTest::newRow("leading blank") << QByteArray(" 1") << false << QByteArray(" T") << false;
        QTest::newRow("leading zero / lower case") << QByteArray("01") << false << QByteArray("t") << false;
        QTest::newRow("trailing blank") << QByteArray("1 ") << false << QByteArray("T ") << false;
        QTest::newRow("other value") << QByteArray("0") << false << QByteArray("F") << false;
        QTest::newRow("word") << QByteArray("2") << false << QByteArray("TRUE") << false;
        QTest::newRow("empty") << QByteArray() << false << QByteArray() << false;
    }

    void exactTextsDecideTheChoices() {
        QFETCH(QByteArray, editMethod);
        QFETCH(bool, enterResponses);
        QFETCH(QByteArray, flag);
        QFETCH(bool, ticked);
        TempSettingsDir dir;
        // Through the store, as a later start reads them.
        WriteText(dir.IniPath(), "[General]\nEditMethod=\"" + editMethod + "\"\nViewAnalysis=\"" + flag +
                                     "\"\nAlsoViewRelatedAnalysis=\"" + flag + "\"\n");
        AppSettings settings;
        QCOMPARE(QByteArray::fromStdString(settings.EditMethod()), editMethod);
        QCOMPARE(settings.EditWithEnterResponses(), enterResponses);
        QCOMPARE(settings.ViewAnalysisTicked(), ticked);
        QCOMPARE(settings.AlsoViewRelatedAnalysisTicked(), ticked);
    }

    void viewChoicesRecordTheSecondBoxOnlyWhenViewing() {
        TempSettingsDir dir;
        AppSettings settings;
        settings.RecordViewChoices(true, true);
        QCOMPARE(settings.ViewAnalysis(), std::string("T"));
        QCOMPARE(settings.AlsoViewRelatedAnalysis(), std::string("T"));
        settings.RecordViewChoices(false, false);
        QCOMPARE(settings.ViewAnalysis(), std::string("F"));
        QCOMPARE(settings.AlsoViewRelatedAnalysis(), std::string("T"));
        settings.RecordViewChoices(true, false);
        QCOMPARE(settings.ViewAnalysis(), std::string("T"));
        QCOMPARE(settings.AlsoViewRelatedAnalysis(), std::string("F"));
    }

    void longValuesAreCutTo999Characters() {
        TempSettingsDir dir;
        const std::string longText(1500, 'x');
        AppSettings settings;
        settings.SetORVAFileName(longText);
        QCOMPARE(settings.ORVAFileName().size(), size_t{999});
        settings.SetExportFileName(std::string(999, 'y'));
        QCOMPARE(settings.ExportFileName().size(), size_t{999});

        WriteText(dir.IniPath(), "[General]\nAnalysisFileName=" + QByteArray(1200, 'z') + "\n");
        QCOMPARE(AppSettings().AnalysisFileName(), std::string(999, 'z'));
    }

    void valuesThisProgramCannotHaveWrittenReadAsEmpty() {
        TempSettingsDir dir;
        // A character outside Windows-1252, and a line QSettings reads as a list.
        WriteText(dir.IniPath(),
                  "[General]\nORVAFileName=\xE6\x97\xA5\xE6\x9C\xAC\nExportFileName=a, b\nAnalysisFileName=kept\n");
        AppSettings settings;
        QVERIFY(settings.ORVAFileName().empty());
        QVERIFY(settings.ExportFileName().empty());
        QCOMPARE(settings.AnalysisFileName(), std::string("kept"));
    }

    void garbledFileReadsWhatItCanAndIsRewrittenWhole() {
        TempSettingsDir dir;
        WriteText(dir.IniPath(), QByteArray("\x00\xFF\xFE[[[=\n\x01garbage", 16) + "\n[General]\nEditMethod=1\n");
        AppSettings settings;
        QVERIFY(settings.EditWithEnterResponses());
        QVERIFY(settings.WriteAll());
        QSettings ini(dir.IniPath(), QSettings::IniFormat);
        for (const char* name : kNames) {
            QVERIFY2(ini.contains(QLatin1String(name)), name);
        }
    }

    void unwritableStoreFailsSilently() {
        TempSettingsDir dir;
        // A folder that cannot be created, whoever runs the test: its parent is a file.
        const QString blocker = dir.Path() + QStringLiteral("/blocker");
        WriteText(blocker, "not a folder");
        auto store = IniStore(blocker + QStringLiteral("/orva/orva.ini"));
        AppSettings settings(store);
        settings.SetORVAFileName("records");
        QVERIFY(!settings.WriteAll());
        QVERIFY(AppSettings(store).ORVAFileName().empty());
    }

    void iniLocationFollowsTheOverrideFolder() {
        TempSettingsDir dir;
        QCOMPARE(QSettingsStore::IniFileLocation(), dir.IniPath());
    }

    // The settings name record and report files, and so the persons in them: each user has
    // their own, which nobody else can read, never a file shared by the machine.
    void withoutOverrideEachUserHasSettingsOnlyTheyCanRead() {
#ifdef Q_OS_WIN
        QSKIP("on Windows each user's settings are in HKEY_CURRENT_USER (the Windows platform tests)");
#endif
        TempSettingsDir dir;
        qunsetenv("ORVA_SETTINGS_DIR");
        const QByteArray before = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.Path() + QStringLiteral("/config")));
        const QString location = QSettingsStore::IniFileLocation();
        QCOMPARE(location, dir.Path() + QStringLiteral("/config/orva/orva.ini"));

        AppSettings settings(SettingsStore::ForThisUser());
        settings.SetAnalysisFileName("Jane Smith 2024");
        QVERIFY(settings.WriteAll());
        QVERIFY(Mode(location) == kOwnerOnly);
        QVERIFY(Mode(dir.Path() + QStringLiteral("/config/orva")) == kOwnersFolder);
        QCOMPARE(AppSettings(SettingsStore::ForThisUser()).AnalysisFileName(), std::string("Jane Smith 2024"));
        if (before.isNull()) {
            qunsetenv("XDG_CONFIG_HOME");
        } else {
            qputenv("XDG_CONFIG_HOME", before);
        }
    }

    // A file and folder made by an earlier version, readable by everyone, are kept to the user
    // from the next write on.
    void aLooseSettingsFileIsKeptToItsUserOnceWritten() {
#ifdef Q_OS_WIN
        QSKIP("POSIX permissions; on Windows the settings are in the user's own registry hive");
#endif
        TempSettingsDir dir;
        const QString folder = dir.Path() + QStringLiteral("/orva");
        QVERIFY(QDir().mkpath(folder));
        QFile::setPermissions(folder, QFileDevice::Permissions(0x7755));
        const QString path = folder + QStringLiteral("/orva.ini");
        WriteText(path, "[General]\nEditMethod=1\n");
        QFile::setPermissions(path, QFileDevice::Permissions(0x6644));
        AppSettings settings(IniStore(path));
        QVERIFY(settings.WriteAll());
        QVERIFY(Mode(path) == kOwnerOnly);
        QVERIFY(Mode(folder) == kOwnersFolder);
        QCOMPARE(AppSettings(IniStore(path)).EditMethod(), std::string("1"));
    }
};

QTEST_GUILESS_MAIN(AppSettingsTest)
#include "AppSettingsTest.moc"
