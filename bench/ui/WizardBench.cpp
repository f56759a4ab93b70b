#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <QPushButton>

#include "model/AssessmentRecord.h"
#include "model/Clock.h"
#include "ui/Prompter.h"
#include "ui/wizard/OnScreenWizard.h"

namespace {

// Nothing in these runs asks anything; a prompt would spoil the figures, so it is counted.
class CountingPrompter final : public orva::Prompter {
public:
    int prompts = 0;
    using Prompter::Message;
    void Message(const QString&, const QString&, orva::MessageIcon) override { ++prompts; }
    bool AskYesNo(const QString&, const QString&, orva::MessageIcon, bool) override { return ++prompts, false; }
    int Choose(const QString&, const QString&, const QStringList&, int, orva::MessageIcon) override {
        return ++prompts, -1;
    }
    QString SaveFileName(const QString&, const QString&, const QString&) override { return ++prompts, QString(); }
    QString OpenFileName(const QString&, const QString&, const QString&) override { return ++prompts, QString(); }
};

const orva::FixedClock kToday(orva::LocalDateTime{2026, 6, 15, 10, 30, 0});

// A record that passes every page: a Self-report of a twelve-year-old, every item answered.
orva::AssessmentRecord Answered() {
    orva::AssessmentRecord record;
    record.SetReporter(orva::kSelf);
    record.SetFirstName("ALEX");
    record.SetLastName("CITIZEN");
    record.SetBirthDate(2014, 3, 15);
    for (int item = 1; item <= orva::kItemCount; ++item) record.SetResponse(item, item % 6);
    return record;
}

void Press(orva::QuestionnaireWizard& wizard, const char* button) {
    wizard.findChild<QPushButton*>(QLatin1String(button))->click();
}

// Building the seventeen pages and painting the first one.
void BM_OpenOnScreenWizard(benchmark::State& state) {
    CountingPrompter prompter;
    for (auto _ : state) {
        orva::AssessmentRecord record;
        QString fileName = QStringLiteral("orva_2026");
        orva::OnScreenWizard wizard(record, fileName, prompter, kToday);
        QPixmap painted = wizard.grab();
        benchmark::DoNotOptimize(painted);
    }
    if (prompter.prompts != 0) state.SkipWithError("a prompt was shown");
}
BENCHMARK(BM_OpenOnScreenWizard)->Unit(benchmark::kMillisecond);

// One page turn between two items pages, forward and back, each loaded, stored and painted.
void BM_TurnItemsPage(benchmark::State& state) {
    CountingPrompter prompter;
    orva::AssessmentRecord record = Answered();
    QString fileName = QStringLiteral("orva_2026");
    orva::OnScreenWizard wizard(record, fileName, prompter, kToday);
    for (int page = 1; page < 4; ++page) Press(wizard, "nextButton");
    if (wizard.CurrentIndex() != 3) {
        state.SkipWithError("the items pages were not reached");
        return;
    }
    for (auto _ : state) {
        Press(wizard, "nextButton");
        QPixmap forward = wizard.grab();
        Press(wizard, "backButton");
        QPixmap back = wizard.grab();
        benchmark::DoNotOptimize(forward);
        benchmark::DoNotOptimize(back);
    }
    state.SetItemsProcessed(2 * state.iterations());
    if (prompter.prompts != 0) state.SkipWithError("a prompt was shown");
}
BENCHMARK(BM_TurnItemsPage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
