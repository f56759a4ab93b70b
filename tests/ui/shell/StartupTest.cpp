// SPDX-License-Identifier: Apache-2.0
#include <QCommandLineParser>
#include <QDialogButtonBox>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QProxyStyle>
#include <QSettings>
#include <QtTest>

#include "ui/settings/AppSettings.h"
#include "ui/shell/MainWindow.h"
#include "ui/settings/QSettingsStore.h"
#include "ui/Workspace.h"
#include "ui/shell/AnalysisView.h"
#include "ui/shell/ProgramArguments.h"
#include "ui/support/ScriptedPrompter.h"
#include "ui/shell/Startup.h"
#include "ui/support/UiTestSupport.h"
#include "ui/shell/WelcomeScreen.h"

using orva::test::ScriptedPrompter;
using orva::test::TempSettingsDir;

// A desktop style that shows icons on dialog buttons, as some Linux desktops' styles do.
class IconButtonsStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 1;
        if (hint == SH_ScrollBar_LeftClickAbsolutePosition) return 7;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void firstStartWritesAllSixSettingsEmptyAndShowsTheWelcome() {
        TempSettingsDir dir;
        ScriptedPrompter prompter;
        auto frame = orva::StartUp(prompter, orva::SettingsStore::ForThisUser());
        QVERIFY(QFile::exists(dir.IniPath()));
        QSettings ini(dir.IniPath(), QSettings::IniFormat);
        QCOMPARE(ini.allKeys().size(), 6);
        for (const char* name : {"ORVAFileName", "ExportFileName", "AnalysisFileName", "EditMethod", "ViewAnalysis",
                                 "AlsoViewRelatedAnalysis"}) {
            QVERIFY2(ini.contains(QLatin1String(name)), name);
            QVERIFY2(ini.value(QLatin1String(name)).toString().isEmpty(), name);
        }
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        QVERIFY(frame->View()->Welcome()->isVisible());
        QVERIFY(!frame->Work().AnalysisShown());
        QVERIFY2(prompter.AllExpectedAndConsumed(), qPrintable(prompter.Report()));
    }

    void startWritesStoredValuesBackUnchangedAndTheViewReadsThem() {
        TempSettingsDir dir;
        {
            QSettings ini(dir.IniPath(), QSettings::IniFormat);
            ini.setValue(QStringLiteral("ORVAFileName"), QStringLiteral("C:/data/caf\u00E9"));
            ini.setValue(QStringLiteral("EditMethod"), QStringLiteral("1"));
        }
        ScriptedPrompter prompter;
        auto frame = orva::StartUp(prompter, orva::SettingsStore::ForThisUser());
        QSettings ini(dir.IniPath(), QSettings::IniFormat);
        QCOMPARE(ini.allKeys().size(), 6);
        QCOMPARE(ini.value(QStringLiteral("ORVAFileName")).toString(), QStringLiteral("C:/data/caf\u00E9"));
        QCOMPARE(ini.value(QStringLiteral("EditMethod")).toString(), QStringLiteral("1"));
        QCOMPARE(frame->Work().Settings().ORVAFileName(), std::string("C:/data/caf\xE9"));
        QVERIFY(frame->Work().Settings().EditWithEnterResponses());
    }

    void unwritableStoreStillStartsWithoutAWord() {
        TempSettingsDir dir;
        const QString blocker = dir.Path() + QStringLiteral("/blocker");
        {
            QFile file(blocker);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        ScriptedPrompter prompter;
        auto store = std::make_shared<orva::QSettingsStore>(blocker + QStringLiteral("/orva.ini"),
                                                            QSettings::IniFormat);
        auto frame = orva::StartUp(prompter, store);
        QVERIFY(frame != nullptr);
        QVERIFY(prompter.Prompts().empty());
        QVERIFY(frame->Work().Settings().ORVAFileName().empty());
    }

    // Even over a desktop style that puts icons on dialog buttons, the program's have none.
    void startUpTakesTheIconsOffDialogButtons() {
        QApplication::setStyle(new IconButtonsStyle);
        QVERIFY(QApplication::style()->styleHint(QStyle::SH_DialogButtonBox_ButtonsHaveIcons) != 0);
        TempSettingsDir dir;
        ScriptedPrompter prompter;
        auto frame = orva::StartUp(prompter, orva::SettingsStore::ForThisUser());
        QCOMPARE(QApplication::style()->styleHint(QStyle::SH_DialogButtonBox_ButtonsHaveIcons), 0);
        QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QVERIFY(buttons.button(QDialogButtonBox::Ok)->icon().isNull());
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Caption"), QStringLiteral("Text"),
                        QMessageBox::Yes | QMessageBox::No);
        QVERIFY(box.button(QMessageBox::Yes)->icon().isNull());
        // Other looks of the desktop's style stay as they were.
        QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ScrollBar_LeftClickAbsolutePosition), 7);
    }

    // --help and --version are answered before the toolkit needs a display; a file after "--"
    // is a file, whatever its name.
    void helpAndVersionAreFoundAmongTheWords() {
        const auto asks = [](std::initializer_list<const char*> words) {
            std::vector<const char*> argv = {"orva"};
            argv.insert(argv.end(), words);
            return orva::AsksForHelpOrVersion(static_cast<int>(argv.size()), argv.data());
        };
        QVERIFY(asks({"--help"}));
        QVERIFY(asks({"-h"}));
        QVERIFY(asks({"clinic.rpc", "--version"}));
        QVERIFY(asks({"-platform", "offscreen", "-v"}));
        QVERIFY(!asks({}));
        QVERIFY(!asks({"clinic.rpc"}));
        QVERIFY(!asks({"--", "--help"}));
    }

    // A record file named on the command line reaches the Analysis dialog as its file field
    // takes one: absolute, from the folder the program was started in, without ".rpc".
    void aRecordFileArgumentIsMadeAbsoluteWithoutItsExtension() {
        const auto file = [](const QStringList& words, const QString& folder) {
            QCommandLineParser parser;
            orva::DescribeProgramArguments(parser);
            if (!parser.parse(QStringList{QStringLiteral("orva")} + words)) return QStringLiteral("refused");
            return orva::RecordFileArgument(parser, folder);
        };
        QCOMPARE(file({}, QStringLiteral("/home/kim")), QString());
        QCOMPARE(file({QStringLiteral("clinic.rpc")}, QStringLiteral("/home/kim")), QStringLiteral("/home/kim/clinic"));
        QCOMPARE(file({QStringLiteral("../data/caf\u00E9")}, QStringLiteral("/home/kim")), QStringLiteral("/home/data/caf\u00E9"));
#ifdef Q_OS_WIN
        QCOMPARE(file({QStringLiteral("D:\\srv\\orva\\clinic.rpc")}, QStringLiteral("C:/Users/kim")),
                 QStringLiteral("D:/srv/orva/clinic"));
#else
        QCOMPARE(file({QStringLiteral("/srv/orva/clinic.rpc")}, QStringLiteral("/home/kim")),
                 QStringLiteral("/srv/orva/clinic"));
#endif
        // A name the rule refuses is left for the dialog to refuse with its own words.
        QCOMPARE(file({QStringLiteral("notes.txt")}, QStringLiteral("/home/kim")), QStringLiteral("/home/kim/notes.txt"));
        QCOMPARE(file({QStringLiteral("--no-such-option")}, QStringLiteral("/home/kim")), QStringLiteral("refused"));
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
