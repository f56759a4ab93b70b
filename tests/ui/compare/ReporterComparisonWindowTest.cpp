// SPDX-License-Identifier: Apache-2.0
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "screening/ComparisonPresentation.h"
#include "screening/ReporterComparison.h"
#include "settings/SettingsStore.h"
#include "ui/CoreText.h"
#include "ui/Workspace.h"
#include "ui/commands/CompareReportersCommand.h"
#include "ui/compare/ReporterComparisonFilter.h"
#include "ui/compare/ReporterComparisonModel.h"
#include "ui/compare/ReporterComparisonWindow.h"
#include "ui/support/HistoryTestRecords.h"
#include "ui/support/ScriptedPrompter.h"
#include "ui/support/UiTestSupport.h"
#include "support/RecordBuilder.h"

using namespace orva;
using namespace orva::history_test;
using orva::testsupport::SaveSnapshot;
using orva::testsupport::ScriptedPrompter;
using orva::testsupport::TempSettingsDir;
using orva::testsupport::WhenModalShown;

namespace {

template <typename Widget>
Widget* Find(QWidget& window, const QString& name) {
    auto* widget = window.findChild<Widget*>(name);
    if (widget == nullptr) qWarning("no widget %s", qPrintable(name));
    return widget;
}

QString LabelText(QWidget& window, const QString& name) {
    QLabel* label = Find<QLabel>(window, name);
    return label == nullptr ? QString() : label->text();
}

}  // namespace

// The Compare Reporters window over an analysis of three reports, and the command that opens it.
class ReporterComparisonWindowTest : public QObject {
    Q_OBJECT

  private:
    ReportSet reports_ = ThreeReporters();
    AnalysisResult analysis_ = ComputeAnalysis(reports_);
    std::unique_ptr<ReporterComparisonWindow> window_;

    QComboBox& Combo() { return *Find<QComboBox>(*window_, QStringLiteral("filterCombo")); }
    QTableView& Table() { return *Find<QTableView>(*window_, QStringLiteral("itemTable")); }

  private slots:
    void init() {
        window_ = std::make_unique<ReporterComparisonWindow>(CompareReporters(reports_, analysis_), analysis_,
                                                             QStringLiteral("ALEX CITIZEN"));
    }

    void cleanup() { window_.reset(); }

    void everyItemIsListedWithAColumnPerReporter() {
        QCOMPARE(Table().model()->rowCount(), 111);
        const auto& model = window_->Model();
        QVERIFY(model.AnswerColumn(kSelf) >= 0);
        QVERIFY(model.AnswerColumn(kParent) >= 0);
        QVERIFY(model.AnswerColumn(kTeacher) >= 0);
        QCOMPARE(LabelText(*window_, QStringLiteral("shownLabel")), QStringLiteral("111 of 111 items shown"));
        QVERIFY(LabelText(*window_, QStringLiteral("headingLabel")).endsWith(QStringLiteral("ALEX CITIZEN")));
    }

    // Each pair's figures are the comparison's, in the texts orva-cli shows them in.
    void agreementOfEachPairIsShownWithWhatItMeans() {
        const ReporterComparison comparison = CompareReporters(reports_, analysis_);
        QCOMPARE(static_cast<int>(comparison.pairs.size()), 3);
        for (const ReporterAgreement& pair : comparison.pairs) {
            const QString name = QStringLiteral("pair%1%2").arg(pair.first).arg(pair.second);
            QCOMPARE(LabelText(*window_, name + QStringLiteral("NameLabel")),
                     CoreText::ToQt(ReporterPairText(pair)));
            QCOMPARE(LabelText(*window_, name + QStringLiteral("BothLabel")), QString::number(pair.bothAnswered));
            QCOMPARE(LabelText(*window_, name + QStringLiteral("IdenticalLabel")),
                     CoreText::ToQt(IdenticalShareText(pair)));
            QCOMPARE(LabelText(*window_, name + QStringLiteral("CorrelationLabel")),
                     CoreText::ToQt(PearsonText(pair)));
        }
        QCOMPARE(LabelText(*window_, QStringLiteral("pair12NameLabel")), QStringLiteral("Parent and Teacher"));
        QVERIFY(LabelText(*window_, QStringLiteral("pair01IdenticalLabel")).endsWith(QLatin1Char('%')));
        const QString note = LabelText(*window_, QStringLiteral("agreementNoteLabel"));
        QVERIFY(note.contains(QStringLiteral("Pearson r")));
        QVERIFY(note.contains(QStringLiteral("statistical test")));
    }

    void filterBoxChoosesTheItemsShown() {
        QCOMPARE(Combo().count(), 4 + kDisorderCount);
        Combo().setCurrentIndex(1);
        QCOMPARE(window_->Filter().CurrentMode(), ReporterComparisonFilter::Mode::Disagreements);
        const int disagreements = Table().model()->rowCount();
        QVERIFY(disagreements > 0 && disagreements < 111);
        for (int row = 0; row < disagreements; ++row) {
            const QModelIndex index = Table().model()->index(row, window_->Model().DisagreementColumn());
            QCOMPARE(index.data().toString(), QStringLiteral("Yes"));
        }
        QCOMPARE(LabelText(*window_, QStringLiteral("shownLabel")),
                 QStringLiteral("%1 of 111 items shown").arg(disagreements));
        // Obsessive-compulsive disorder: its four items, by the item number each row shows.
        Combo().setCurrentIndex(4 + RowIndex(DisorderId::OCD));
        QCOMPARE(Combo().currentText(), QStringLiteral("Items of one row: Obsessive-compulsive disorder (OCD)"));
        QStringList items;
        for (int row = 0; row < Table().model()->rowCount(); ++row)
            items << Table().model()->index(row, ReporterComparisonModel::kItemColumn).data().toString();
        QCOMPARE(items, QStringList({"21", "61", "72", "110"}));
        Combo().setCurrentIndex(0);
        QCOMPARE(Table().model()->rowCount(), 111);
    }

    // The items to follow up that any reporter endorsed, whether or not a row screened positive.
    void followUpChoiceShowsTheItemsAReporterEndorsed() {
        ReportSet reports = ThreeReporters();
        reports.Record(kSelf) = testsupport::RecordBuilder(reports.Record(kSelf)).Answers({{111, 3}, {20, 2}});
        reports.Record(kTeacher) = testsupport::RecordBuilder(reports.Record(kTeacher)).Answers({{88, 2}});
        const AnalysisResult analysis = ComputeAnalysis(reports);
        ReporterComparisonWindow window(CompareReporters(reports, analysis), analysis,
                                        QStringLiteral("ALEX"));
        auto& combo = *Find<QComboBox>(window, QStringLiteral("filterCombo"));
        combo.setCurrentIndex(3);
        QCOMPARE(combo.currentText(), QStringLiteral("Items to follow up that a reporter endorsed"));
        QCOMPARE(window.Filter().CurrentMode(), ReporterComparisonFilter::Mode::FollowUp);
        const QAbstractItemModel& shown = *Find<QTableView>(window, QStringLiteral("itemTable"))->model();
        QStringList items;
        for (int row = 0; row < shown.rowCount(); ++row)
            items << shown.index(row, ReporterComparisonModel::kItemColumn).data().toString();
        QCOMPARE(items, QStringList({"88", "111"}));
        SaveSnapshot(&window, QStringLiteral("compare_reporters_follow_up"));
    }

    void keyboardRunsFromTheFilterToTheTableToClose() {
        window_->show();
        QApplication::setActiveWindow(window_.get());
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QCOMPARE(QApplication::focusWidget(), &Combo());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &Table());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("closeButton"));
        // Alt+S, the label's mnemonic, comes back to the filter.
        QTest::keyClick(window_.get(), Qt::Key_S, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), &Combo());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(window_->Filter().CurrentMode(), ReporterComparisonFilter::Mode::Disagreements);
        QVERIFY(!Table().model()->headerData(0, Qt::Horizontal).toString().isEmpty());
        SaveSnapshot(window_.get(), QStringLiteral("compare_reporters_disagreements"));
        Combo().setCurrentIndex(0);
        SaveSnapshot(window_.get(), QStringLiteral("compare_reporters_three_reporters"));
        QTest::mouseClick(Find<QPushButton>(*window_, QStringLiteral("closeButton")), Qt::LeftButton);
        QVERIFY(!window_->isVisible());
    }

    // The command opens the window modally over the current analysis, and only for two reports
    // or more.
    void commandComparesTheCurrentAnalysis() {
        TempSettingsDir settings;
        ScriptedPrompter prompter;
        Workspace workspace(prompter, SettingsStore::ForThisUser());
        ReportSet two = reports_;
        two.Record(kSelf).Reset();
        workspace.SetAnalysis(two);
        bool parentShown = false;
        bool selfShown = true;
        bool modal = false;
        auto ran = WhenModalShown([&](QWidget* window) {
            auto* compare = qobject_cast<ReporterComparisonWindow*>(window);
            QVERIFY(compare != nullptr);
            modal = compare->isModal();
            parentShown = compare->Model().AnswerColumn(kParent) >= 0;
            selfShown = compare->Model().AnswerColumn(kSelf) >= 0;
            compare->accept();
        });
        RunCompareReportersCommand(workspace, nullptr);
        QVERIFY(*ran);
        QVERIFY(modal);
        QVERIFY(parentShown);
        QVERIFY(!selfShown);

        two.Record(kTeacher).Reset();
        workspace.SetAnalysis(two);
        auto notRun = WhenModalShown([](QWidget* window) { window->close(); }, 300);
        RunCompareReportersCommand(workspace, nullptr);
        QTest::qWait(400);
        QVERIFY(!*notRun);
        QVERIFY(prompter.Prompts().empty());
    }
};

QTEST_MAIN(ReporterComparisonWindowTest)
#include "ReporterComparisonWindowTest.moc"
