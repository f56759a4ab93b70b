// SPDX-License-Identifier: Apache-2.0
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "settings/SettingsStore.h"
#include "ui/support/SelectionTestSupport.h"
#include "ui/Workspace.h"
#include "screening/AnalysisResult.h"
#include "screening/ReporterComparison.h"
#include "ui/compare/ReporterComparisonWindow.h"
#include "ui/support/HistoryTestRecords.h"
#include "ui/history/PersonHistoryWindow.h"
#include "ui/selection/AnalysisSelectionDialog.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/ProgramStyle.h"
#include "ui/support/PaperDriver.h"

using namespace orva;
using namespace orva::wizard_test;

namespace {

// WCAG's contrast of two colours, 1 to 21; text wants at least 4.5.
double Luminance(const QColor& colour) {
    auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}
double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
constexpr double kMinimumContrast = 4.5;

QPalette::ColorGroup Group(const QWidget* widget) {
    return widget->isEnabled() ? QPalette::Active : QPalette::Disabled;
}

// What a widget without a background of its own is drawn on: the nearest one that fills its
// background, else the window.
QColor GroundOf(const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget())
        if (w->autoFillBackground() || w->isWindow()) return w->palette().color(Group(w), w->backgroundRole());
    return widget->palette().color(QPalette::Window);
}

QString Where(const QWidget* widget, const QString& text) {
    return QStringLiteral("%1 (%2) \"%3\"")
        .arg(widget->objectName(), QString::fromLatin1(widget->metaObject()->className()), text.left(40));
}

void Check(const QWidget* widget, const QString& text, const QColor& ink, const QColor& ground, QStringList& faults) {
    if (text.trimmed().isEmpty()) return;
    const double contrast = Contrast(ink, ground);
    if (contrast < kMinimumContrast)
        faults << QStringLiteral("%1: %2 on %3, contrast %4")
                      .arg(Where(widget, text), ink.name(), ground.name())
                      .arg(contrast, 0, 'f', 2);
}

// Every shown text of the window against what it is drawn on.
QStringList LowContrastTexts(QWidget* window) {
    QStringList faults;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (const QWidget* widget : widgets) {
        if (!widget->isVisibleTo(window)) continue;
        const QPalette& palette = widget->palette();
        const QPalette::ColorGroup group = Group(widget);
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            Check(widget, label->text(), palette.color(group, label->foregroundRole()), GroundOf(widget), faults);
        } else if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
            Check(widget, button->text(), palette.color(group, QPalette::ButtonText),
                  palette.color(group, QPalette::Button), faults);
        } else if (qobject_cast<const QRadioButton*>(widget) || qobject_cast<const QCheckBox*>(widget)) {
            Check(widget, static_cast<const QAbstractButton*>(widget)->text(),
                  palette.color(group, QPalette::WindowText), GroundOf(widget), faults);
        } else if (const auto* group_ = qobject_cast<const QGroupBox*>(widget)) {
            Check(widget, group_->title(), palette.color(group, QPalette::WindowText), GroundOf(widget), faults);
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            Check(widget, edit->text(), palette.color(group, QPalette::Text), palette.color(group, QPalette::Base),
                  faults);
        } else if (const auto* box = qobject_cast<const QPlainTextEdit*>(widget)) {
            Check(widget, box->toPlainText(), palette.color(group, QPalette::Text),
                  palette.color(group, QPalette::Base), faults);
        } else if (const auto* view = qobject_cast<const QAbstractItemView*>(widget); view && view->model()) {
            const QAbstractItemModel& model = *view->model();
            for (int row = 0; row < model.rowCount(); ++row)
                for (int column = 0; column < model.columnCount(); ++column) {
                    const QModelIndex index = model.index(row, column);
                    const QVariant ink = index.data(Qt::ForegroundRole);
                    const QVariant ground = index.data(Qt::BackgroundRole);
                    Check(widget, index.data().toString(),
                          ink.isValid() ? ink.value<QBrush>().color() : palette.color(group, QPalette::Text),
                          ground.isValid() ? ground.value<QBrush>().color() : palette.color(group, QPalette::Base),
                          faults);
                }
        }
    }
    return faults;
}

// The strongest contrast any pixel of the widget's drawing has against its ground: how well
// what is drawn of it shows at all.
double StrongestContrast(QWidget* widget) {
    const QImage image = test::Painted(widget);
    const QColor ground = GroundOf(widget);
    double strongest = 1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) strongest = std::max(strongest, Contrast(image.pixelColor(x, y), ground));
    return strongest;
}
// What a control's outline needs to be made out (WCAG's 3 to 1 for parts of controls).
constexpr double kMinimumOutlineContrast = 3.0;

QPalette Dark() {
    QPalette dark;
    const QColor ink(0xe6, 0xe6, 0xe6);
    dark.setColor(QPalette::Window, QColor(0x2d, 0x2d, 0x2d));
    dark.setColor(QPalette::WindowText, ink);
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::AlternateBase, QColor(0x33, 0x33, 0x33));
    dark.setColor(QPalette::Text, ink);
    dark.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
    dark.setColor(QPalette::ButtonText, ink);
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0x7a, 0xd6));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::ToolTipBase, QColor(0x3a, 0x3a, 0x3a));
    dark.setColor(QPalette::ToolTipText, ink);
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x9a, 0x9a, 0x9a));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x9a, 0x9a, 0x9a));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x9a, 0x9a, 0x9a));
    return dark;
}

// A high-contrast theme: white on black, yellow for what is chosen.
QPalette HighContrast() {
    QPalette high;
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button,
                                     QPalette::ToolTipBase})
        high.setColor(role, Qt::black);
    for (QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText, QPalette::BrightText})
        high.setColor(role, Qt::white);
    high.setColor(QPalette::Highlight, Qt::yellow);
    high.setColor(QPalette::HighlightedText, Qt::black);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        high.setColor(QPalette::Disabled, role, QColor(0xc0, 0xc0, 0xc0));
    return high;
}

#define NO_LOW_CONTRAST(window, where)                                                                  \
    do {                                                                                               \
        QCoreApplication::processEvents();                                                             \
        test::SaveSnapshot(window, QStringLiteral("%1_%2").arg(QTest::currentDataTag(), where));       \
        const QStringList faults = LowContrastTexts(window);                                           \
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral(where) + QStringLiteral(":\n  ") +        \
                                              faults.join(QStringLiteral("\n  "))));                   \
    } while (false)

}  // namespace

// The program follows the desktop's palette. In a dark theme and in a high-contrast one every
// text must stay readable: the palette's own colours for the windows, and dark text on the
// light ground that the form, the shaded cells and the welcome screen keep whatever the theme.
class PaletteContrastTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    test::TempSettingsDir settings_;
    QPalette original_;

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        // As the program starts.
        ProgramStyle::Install();
        original_ = QApplication::palette();
        QVERIFY(selection_test::WriteRecordFile(dir_.filePath(QStringLiteral("clinic.rpc")),
                                                {selection_test::MakeRecord(kSelf)}));
    }
    void cleanup() { QApplication::setPalette(original_); }

    // An unanswered answer button and an empty field are nothing but their outlines.
    void answerButtonsAndFieldsShowTheirOutlines_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("dark") << Dark();
        QTest::newRow("high_contrast") << HighContrast();
    }
    void answerButtonsAndFieldsShowTheirOutlines() {
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);
        Run run;
        run.ToDetails(kSelf, dir_.filePath(QStringLiteral("outlines")));
        auto* field = run.Find(QStringLiteral("lastNameEdit"));
        QVERIFY2(StrongestContrast(field) >= kMinimumOutlineContrast, qPrintable(QString::number(StrongestContrast(field))));
        run.FillDetails();
        run.Next();
        auto* answer = run.Find(QStringLiteral("item1Answer2Radio"));
        QVERIFY2(StrongestContrast(answer) >= kMinimumOutlineContrast,
                 qPrintable(QString::number(StrongestContrast(answer))));
    }

    void windows_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("dark") << Dark();
        QTest::newRow("high_contrast") << HighContrast();
    }
    void windows() {
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);

        test::ScriptedPrompter prompter;
        MainWindow frame(prompter, SettingsStore::ForThisUser());
        frame.show();
        NO_LOW_CONTRAST(&frame, "welcome");
        frame.Work().SetAnalysis(history_test::ThreeReporters());
        NO_LOW_CONTRAST(&frame, "analysis");

        Run run;
        run.ThroughDetails(kTeacher, dir_.filePath(QStringLiteral("dark")));
        NO_LOW_CONTRAST(&run.Wizard(), "wizard_items");
        PaperRun paper;
        ToGrid(paper, kTeacher);
        NO_LOW_CONTRAST(&paper.Wizard(), "paper_grid");

        AnalysisSelectionDialog dialog(prompter, [](const AnalysisChoice&) { return true; }, QString());
        dialog.show();
        selection_test::EnterPerson(dialog, QStringLiteral("Alex"), QStringLiteral("Citizen"), QStringLiteral("15"),
                                    QStringLiteral("03"), QStringLiteral("2012"),
                                    dir_.filePath(QStringLiteral("clinic")));
        selection_test::Click(dialog, "loadButton");
        NO_LOW_CONTRAST(&dialog, "analysis_selection");

        const ReportSet reports = history_test::ThreeReporters();
        const AnalysisResult analysis = ComputeAnalysis(reports);
        ReporterComparisonWindow compare(CompareReporters(reports, analysis), analysis,
                                         QStringLiteral("ALEX CITIZEN"));
        compare.show();
        NO_LOW_CONTRAST(&compare, "compare_reporters");
        PersonHistoryWindow history(prompter, history_test::HistoryOf(history_test::SixAssessments()));
        history.show();
        NO_LOW_CONTRAST(&history, "person_history");
    }
};

QTEST_MAIN(PaletteContrastTest)
#include "PaletteContrastTest.moc"
