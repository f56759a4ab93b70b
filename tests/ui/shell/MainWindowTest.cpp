// SPDX-License-Identifier: Apache-2.0
#include <QDesktopServices>
#include <QDialog>
#include <QLineEdit>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include "ui/support/AnalysisTestRecords.h"
#include "ui/settings/AppSettings.h"
#include "ui/shell/MainWindow.h"
#include "ui/Workspace.h"
#include "ui/shell/AnalysisView.h"
#include "ui/support/ScriptedPrompter.h"
#include "ui/support/UiTestSupport.h"
#include "ui/WaitCursor.h"
#include "ui/shell/WelcomeScreen.h"

using orva::MainWindow;
using orva::test::SaveSnapshot;
using orva::test::ScriptedPrompter;
using orva::test::TempSettingsDir;
using orva::test::WhenModalShown;
using Command = MainWindow::Command;

namespace {

// A menu as the user reads it: texts with their shortcut after a tab, "-" for a separator.
QStringList MenuLines(QMenu* menu) {
    QStringList lines;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) {
            lines << QStringLiteral("-");
        } else if (a->shortcut().isEmpty()) {
            lines << a->text();
        } else {
            lines << a->text() + QLatin1Char('\t') + a->shortcut().toString(QKeySequence::PortableText);
        }
    }
    return lines;
}

QMenu* MenuTitled(QMenuBar* bar, const QString& title) {
    for (QAction* a : bar->actions()) {
        if (a->text() == title) {
            return a->menu();
        }
    }
    return nullptr;
}

// Receives what the Website command asks the desktop to open.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

int Distance(const QColor& a, const QColor& b) {
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue());
}

// The bounding box of pixels within `tolerance` of `colour` in rows top..bottom.
QRect PixelsOfColour(const QImage& image, const QColor& colour, int top, int bottom, int tolerance = 24) {
    QRect box;
    for (int y = qMax(0, top); y <= qMin(image.height() - 1, bottom); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (Distance(image.pixelColor(x, y), colour) <= tolerance) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// Whatever is drawn on the white page in rows top..bottom: its extent and its darkest pixel.
struct Ink {
    QRect box;
    QColor darkest = Qt::white;
};

Ink InkIn(const QImage& image, int top, int bottom) {
    Ink ink;
    for (int y = qMax(0, top); y <= qMin(image.height() - 1, bottom); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (Distance(c, Qt::white) > 90) {
                ink.box |= QRect(x, y, 1, 1);
            }
            if (c.lightness() < ink.darkest.lightness()) {
                ink.darkest = c;
            }
        }
    }
    return ink;
}

struct Line {
    int x;
    int y;
    QColor colour;
};

const QColor kDark(58, 16, 124);
const QColor kLight(179, 106, 197);

// The welcome lines' places and colours as the product lays them out.
const Line kLines[] = {
    {20, 150, kDark},  {20, 167, kDark},  {40, 184, kLight}, {60, 201, kLight}, {20, 222, kDark},  {20, 239, kDark},
    {40, 256, kLight}, {60, 273, kLight}, {20, 294, kDark},  {20, 311, kDark},  {40, 328, kLight}, {60, 345, kLight},
    {20, 366, kDark},  {40, 383, kLight}, {60, 400, kLight}, {80, 417, kLight}, {100, 434, kLight},
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempSettingsDir> dir_;
    std::unique_ptr<ScriptedPrompter> prompter_;
    std::unique_ptr<MainWindow> frame_;

    MainWindow& Frame() { return *frame_; }

private slots:
    void init() {
        dir_ = std::make_unique<TempSettingsDir>();
        prompter_ = std::make_unique<ScriptedPrompter>();
        frame_ = std::make_unique<MainWindow>(*prompter_, orva::SettingsStore::ForThisUser());
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
        // Shortcuts go to the active window; without a window manager nothing else activates it.
        QApplication::setActiveWindow(frame_.get());
    }

    void cleanup() {
        QVERIFY2(prompter_->AllExpectedAndConsumed(), qPrintable(prompter_->Report()));
        frame_.reset();
        prompter_.reset();
        dir_.reset();
    }

    void windowHasItsTitleAndIcon() {
        QCOMPARE(Frame().windowTitle(), QStringLiteral("Child and Adolescent Orvantis"));
        QVERIFY(!Frame().windowIcon().isNull());
        SaveSnapshot(&Frame(), QStringLiteral("main_window_welcome"));
    }

    // As wide and tall as the analysis form asks, where the screen allows; never beyond it.
    void windowOpensLargeEnoughForTheFormWithinTheScreen() {
        const QSize screen = Frame().screen()->availableGeometry().size();
        const QSize form = Frame().View()->FormPageSize();
        QVERIFY(form.width() > 880);
        QCOMPARE(Frame().width(), qMin(form.width(), screen.width()));
        QVERIFY(Frame().height() >= qMin(575, screen.height()));
        QVERIFY(Frame().height() <= screen.height());
    }

    // The place the user left the window in comes back at the next start, in the user's own
    // settings, while it still fits on a screen.
    void windowReopensWhereTheUserLeftIt() {
        const QRect available = Frame().screen()->availableGeometry();
        const QRect left(available.topLeft() + QPoint(10, 20), QSize(500, 400));
        Frame().setGeometry(left);
        Frame().close();
        QVERIFY(QFile::exists(dir_->UserSettingsPath()));
        QVERIFY(!QSettings(dir_->IniPath(), QSettings::IniFormat).contains(QStringLiteral("MainWindow/Geometry")));
        MainWindow again(*prompter_, orva::SettingsStore::ForThisUser());
        QCOMPARE(again.geometry(), left);

        QSettings(dir_->UserSettingsPath(), QSettings::IniFormat)
            .setValue(QStringLiteral("MainWindow/Geometry"), available.translated(available.width(), 0));
        MainWindow offScreen(*prompter_, orva::SettingsStore::ForThisUser());
        QCOMPARE(offScreen.width(), qMin(offScreen.View()->FormPageSize().width(), available.width()));
    }

    void menusHoldTheCommandsInOrder() {
        QMenuBar* bar = Frame().menuBar();
        QStringList titles;
        for (QAction* a : bar->actions()) {
            titles << a->text();
        }
        QCOMPARE(titles, QStringList({"&File", "&ORVA", "&View", "&Help"}));
        QCOMPARE(MenuLines(MenuTitled(bar, "&File")),
                 QStringList({"&Export a Questionnaire File ...", "-", "&Print ...\tCtrl+P", "Print Pre&view ...",
                              "Save As ...", "-", "E&xit"}));
        QCOMPARE(MenuLines(MenuTitled(bar, "&ORVA")),
                 QStringList({"Complete on sc&reen ...\tCtrl+R", "&Enter responses ...\tCtrl+E",
                              "&Analysis ...\tCtrl+A", "E&dit ...", "-", "&Compare Reporters ...",
                              "Person &History ..."}));
        QCOMPARE(MenuLines(MenuTitled(bar, "&View")), QStringList({"&Toolbar"}));
        QCOMPARE(MenuLines(MenuTitled(bar, "&Help")),
                 QStringList({"&About Child and Adolescent Orvantis ...", "-", "&Orvantis Website ..."}));
    }

    void toolbarHoldsItsButtonsInOrderWithTips() {
        QToolBar* bar = Frame().ToolBar();
        QStringList order;
        for (QAction* a : bar->actions()) {
            order << (a->isSeparator() ? QStringLiteral("-") : a->toolTip());
            if (!a->isSeparator()) {
                QVERIFY2(!a->icon().isNull(), qPrintable(a->objectName()));
                QVERIFY2(a->icon().availableSizes().contains(QSize(16, 16)), qPrintable(a->objectName()));
            }
        }
        QCOMPARE(order, QStringList({"ORVA Complete on screen", "ORVA Enter responses", "-", "ORVA Analysis", "-",
                                     "Print", "Save As ... a .rtf file", "-", "About",
                                     "https://www.kelbrin.example/orva"}));
        QCOMPARE(bar->iconSize(), QSize(16, 16));
        QCOMPARE(bar->toolButtonStyle(), Qt::ToolButtonIconOnly);
    }

    void toolbarDocksOnEverySideAndStartsAtTheTop() {
        QToolBar* bar = Frame().ToolBar();
        QCOMPARE(Frame().toolBarArea(bar), Qt::TopToolBarArea);
        QVERIFY(bar->isMovable());
        QCOMPARE(bar->allowedAreas(), Qt::AllToolBarAreas);
        Frame().addToolBar(Qt::LeftToolBarArea, bar);
        QCOMPARE(Frame().toolBarArea(bar), Qt::LeftToolBarArea);
        Frame().addToolBar(Qt::BottomToolBarArea, bar);
        QCOMPARE(Frame().toolBarArea(bar), Qt::BottomToolBarArea);
    }

    void toolbarCommandShowsAndHidesItWithACheckMark() {
        QAction* toggle = Frame().Action(Command::Toolbar);
        QVERIFY(toggle->isCheckable());
        QVERIFY(toggle->isChecked());
        toggle->trigger();
        QVERIFY(!Frame().ToolBar()->isVisible());
        QVERIFY(!toggle->isChecked());
        toggle->trigger();
        QVERIFY(Frame().ToolBar()->isVisible());
        QVERIFY(toggle->isChecked());
    }

    void commandsStartEnabledOnlyWhenTheyWork() {
        // Only the commands on a shown analysis wait for one.
        const QMap<QString, bool> expected{
            {"actionExport", true},          {"actionPrint", false},         {"actionPrintPreview", false},
            {"actionSaveAs", false},         {"actionExit", true},           {"actionCompleteOnScreen", true},
            {"actionEnterResponses", true},  {"actionAnalysis", true},       {"actionEdit", true},
            {"actionCompareReporters", false}, {"actionPersonHistory", true},
            {"actionToolbar", true},         {"actionAbout", true},          {"actionWebsite", true},
        };
        for (auto it = expected.begin(); it != expected.end(); ++it) {
            auto* action = Frame().findChild<QAction*>(it.key());
            QVERIFY2(action != nullptr, qPrintable(it.key()));
            QVERIFY2(action->isEnabled() == it.value(), qPrintable(it.key()));
        }
    }

    void reportCommandsNeedAShownAnalysisAsWell() {
        int printed = 0;
        Frame().SetHandler(Command::Print, [&printed] { ++printed; });
        QVERIFY(!Frame().Action(Command::Print)->isEnabled());
        Frame().Action(Command::Print)->trigger();
        QCOMPARE(printed, 0);
        // A handler that needs no analysis is enabled at once.
        int exported = 0;
        Frame().SetHandler(Command::Export, [&exported] { ++exported; });
        QVERIFY(Frame().Action(Command::Export)->isEnabled());
        Frame().Action(Command::Export)->trigger();
        QCOMPARE(exported, 1);
    }

    // Comparing reporters needs two of them: one report is an analysis, but nothing to compare.
    void compareReportersNeedsAnAnalysisOfTwoReports() {
        using orva::analysis_test::MakeRecord;
        QAction* compare = Frame().Action(Command::CompareReporters);
        orva::ReportSet reports;
        reports.Record(orva::kParent) = MakeRecord(orva::kParent);
        Frame().Work().SetAnalysis(reports);
        QVERIFY(Frame().Action(Command::Print)->isEnabled());
        QVERIFY(!compare->isEnabled());
        reports.Record(orva::kTeacher) = MakeRecord(orva::kTeacher);
        Frame().Work().SetAnalysis(reports);
        QVERIFY(compare->isEnabled());
        Frame().Work().ResetAnalysis();
        QVERIFY(!compare->isEnabled());
    }

    void shortcutsRunTheirCommands() {
        int runs = 0;
        Frame().SetHandler(Command::CompleteOnScreen, [&runs] { ++runs; });
        QTest::keyClick(&Frame(), Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(runs, 1);
    }

    void shortcutsWinOverFieldsCreatedAfterTheWindow() {
        int runs = 0;
        Frame().SetHandler(Command::Analysis, [&runs] { ++runs; });
        auto* late = new QLineEdit(QStringLiteral("abc"), Frame().centralWidget());
        late->show();
        late->setFocus();
        QCOMPARE(QApplication::focusWidget(), late);
        QTest::keyClick(late, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(runs, 1);
        QCOMPARE(late->selectedText(), QString());
    }

    void aModalDialogKeepsItsOwnKeys() {
        int runs = 0;
        Frame().SetHandler(Command::Analysis, [&runs] { ++runs; });
        QDialog dialog(&Frame());
        auto* field = new QLineEdit(QStringLiteral("abc"), &dialog);
        // A key of the dialog's own that its field overrides, as it does the window's.
        int dialogRuns = 0;
        auto* dialogAction = new QAction(&dialog);
        dialogAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
        dialog.addAction(dialogAction);
        connect(dialogAction, &QAction::triggered, this, [&dialogRuns] { ++dialogRuns; });
        QString selected;
        auto ran = WhenModalShown([&](QWidget* shown) {
            QApplication::setActiveWindow(shown);
            field->setFocus();
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            selected = field->selectedText();
            dialog.reject();
        });
        dialog.exec();
        QVERIFY(*ran);
        QCOMPARE(selected, QStringLiteral("abc"));
        QCOMPARE(dialogRuns, 0);
        QCOMPARE(runs, 0);
    }

    void aboutBoxShowsTheProductAndItsAddress() {
        QString caption;
        QStringList texts;
        bool picture = false;
        QString button;
        auto ran = WhenModalShown([&](QWidget* w) {
            caption = w->windowTitle();
            for (QLabel* label : w->findChildren<QLabel*>()) {
                if (!label->pixmap().isNull()) {
                    picture = true;
                } else {
                    texts << label->text();
                }
            }
            auto* ok = w->findChild<QPushButton*>(QStringLiteral("okButton"));
            QVERIFY(ok != nullptr);
            button = ok->text();
            SaveSnapshot(w, QStringLiteral("about_box"));
            ok->click();
        });
        Frame().Action(Command::About)->trigger();
        QVERIFY(*ran);
        QCOMPARE(caption, QStringLiteral("About Child and Adolescent Orvantis"));
        QVERIFY(picture);
        QVERIFY(texts.contains(QStringLiteral("Child and Adolescent Orvantis Version 4.0")));
        QVERIFY(texts.contains(QStringLiteral("https://www.kelbrin.example/orva")));
        QVERIFY(texts.contains(QStringLiteral("Copyright 2026 Kelbrin")));
        QVERIFY(texts.contains(QStringLiteral("Released under the Apache License, Version 2.0.")));
        QCOMPARE(button, QStringLiteral("OK"));
    }

    void websiteOpensTheAddressAndShowsTheWaitCursorForThreeSeconds() {
        UrlRecorder recorder;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
        QElapsedTimer clock;
        clock.start();
        Frame().Action(Command::Website)->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(recorder.opened, QList<QUrl>{QUrl(QStringLiteral("https://www.kelbrin.example/orva"))});
        // The command returns at once; the cursor comes back later while events keep flowing.
        QVERIFY(clock.elapsed() < 1000);
        QVERIFY(QGuiApplication::overrideCursor() != nullptr);
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QTRY_VERIFY_WITH_TIMEOUT(QGuiApplication::overrideCursor() == nullptr, 5000);
        QVERIFY(clock.elapsed() >= 2900);
    }

    void welcomeScreenIsShownWithNoFieldHoldingTheCaret() {
        QVERIFY(!Frame().Work().AnalysisShown());
        QVERIFY(Frame().View()->Welcome()->isVisible());
        QWidget* focus = Frame().focusWidget();
        QVERIFY(focus != nullptr);
        QCOMPARE(focus->objectName(), QStringLiteral("welcomeScrollArea"));
    }

    void welcomeTextIsDrawnAtItsPlacesAndColours() {
        orva::WelcomeScreen* welcome = Frame().View()->Welcome();
        const QImage image = orva::test::Painted(welcome);
        SaveSnapshot(welcome, QStringLiteral("welcome_screen"));
        for (const Line& line : kLines) {
            const QString where = QStringLiteral("line at %1,%2").arg(line.x).arg(line.y);
            const Ink ink = InkIn(image, line.y - 3, line.y + 13);
            QVERIFY2(!ink.box.isEmpty(), qPrintable(where));
            QVERIFY2(ink.box.left() >= line.x - 1 && ink.box.left() <= line.x + 3, qPrintable(where));
            QVERIFY2(ink.box.top() >= line.y && ink.box.top() <= line.y + 5, qPrintable(where));
            // Fully covered pixels carry the line's own colour, and nothing is darker.
            QVERIFY2(Distance(ink.darkest, line.colour) <= 24, qPrintable(where));
        }
    }

    void bannerAndLogoSitAtTheTop() {
        orva::WelcomeScreen* welcome = Frame().View()->Welcome();
        const QImage image = orva::test::Painted(welcome);
        const QRect banner = orva::WelcomeScreen::BannerRect();
        QCOMPARE(banner, QRect(253, 37, 402, 62));
        // The banner runs from dark purple on the left to light purple on the right.
        QVERIFY(!PixelsOfColour(image, kDark, banner.top() + 25, banner.top() + 35).isEmpty());
        QCOMPARE(image.pixelColor(banner.left() - 2, banner.center().y()), QColor(Qt::white));
        QCOMPARE(image.pixelColor(banner.right() + 2, banner.center().y()), QColor(Qt::white));
        QVERIFY(image.pixelColor(banner.right() - 4, banner.center().y()) != QColor(Qt::white));
        const QRect logo = orva::WelcomeScreen::LogoRect();
        QCOMPARE(image.pixelColor(logo.center()) == QColor(Qt::white), false);
        QCOMPARE(image.pixelColor(4, 4), QColor(Qt::white));
    }

    void waitCursorGuardsNest() {
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        {
            orva::WaitCursor outer;
            {
                orva::WaitCursor inner;
                QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
            }
            QVERIFY(QGuiApplication::overrideCursor() != nullptr);
            QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void exitClosesTheWindow() {
        Frame().Action(Command::Exit)->trigger();
        QVERIFY(!Frame().isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
