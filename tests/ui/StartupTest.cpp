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
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
