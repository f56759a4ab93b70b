// SPDX-License-Identifier: Apache-2.0
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "model/AssessmentRecord.h"
#include "model/Clock.h"
#include "store/StoreError.h"
#include "ui/Prompter.h"
#include "ui/speech/Speaker.h"
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

// No run reaches Finish, so nothing is ever saved.
orva::SaveAttempt NoSave(const orva::RecordFilePath& file) {
    return {orva::StoreError::FileGeneric, {file, -1}};
}

const orva::FixedClock kToday(orva::LocalDateTime{2026, 6, 15, 10, 30, 0});

// A record that passes every page: a Self-report of a twelve-year-old, every item answered.
orva::AssessmentRecord Answered() {
    orva::AssessmentRecord record;
    AssumeAccepted(record.SetReporter(orva::kSelf));
    record.SetFirstName("ALEX");
    record.SetLastName("CITIZEN");
    AssumeAccepted(record.SetBirthDate(2014, 3, 15));
    for (int item = 1; item <= orva::kItemCount; ++item) AssumeAccepted(record.SetResponse(item, item % 6));
    return record;
}

void Press(orva::QuestionnaireWizard& wizard, const char* button) {
    wizard.findChild<QPushButton*>(QLatin1String(button))->click();
}

// Each iteration turns forward and back, and paints what each turn shows.
void TurnForwardAndBack(orva::QuestionnaireWizard& wizard, benchmark::State& state) {
    for (auto _ : state) {
        Press(wizard, "nextButton");
        QPixmap forward = wizard.grab();
        Press(wizard, "backButton");
        QPixmap back = wizard.grab();
        benchmark::DoNotOptimize(forward);
        benchmark::DoNotOptimize(back);
    }
    state.SetItemsProcessed(2 * state.iterations());
}

// Building the seventeen pages and painting the first one.
void BM_OpenOnScreenWizard(benchmark::State& state) {
    CountingPrompter prompter;
    for (auto _ : state) {
        orva::AssessmentRecord record;
        QString fileName = QStringLiteral("orva_2026");
        orva::OnScreenWizard wizard(record, fileName, NoSave, prompter, kToday);
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
    orva::OnScreenWizard wizard(record, fileName, NoSave, prompter, kToday);
    for (int page = 1; page < 4; ++page) Press(wizard, "nextButton");
    if (wizard.CurrentIndex() != 3) {
        state.SkipWithError("the items pages were not reached");
        return;
    }
    TurnForwardAndBack(wizard, state);
    if (prompter.prompts != 0) state.SkipWithError("a prompt was shown");
}
BENCHMARK(BM_TurnItemsPage)->Unit(benchmark::kMillisecond);

// Read-aloud that costs nothing, so the figure is the wizard's own; what it was asked is counted.
class SilentSpeaker final : public orva::Speaker {
public:
    int requests = 0;
    void Speak(const QStringList&) override { ++requests; }
    void Stop() override {}
};

// One screen turn of a reporter answering alone, at the extra large size with each item read
// aloud as it appears: forward and back, each shown, read and painted. Argument 1: one item per
// screen (a turn to the next item of the page); 0: ten items per screen (a turn of page).
void BM_TurnReporterScreen(benchmark::State& state) {
    const bool oneItem = state.range(0) == 1;
    CountingPrompter prompter;
    SilentSpeaker speaker;
    orva::AssessmentRecord record = Answered();
    QString fileName = QStringLiteral("orva_2026");
    orva::OnScreenWizard wizard(record, fileName, NoSave, prompter, kToday);
    wizard.SetSpeech([&speaker]() -> orva::Speaker* { return &speaker; });
    for (int page = 1; page < 3; ++page) Press(wizard, "nextButton");
    // The clinician's choices, made once the choice dialog is up.
    QTimer::singleShot(0, [oneItem] {
        QWidget* choices = QApplication::activeModalWidget();
        if (choices == nullptr) return;
        choices->findChild<QRadioButton*>(QStringLiteral("extraLargeSizeRadio"))->click();
        choices->findChild<QCheckBox*>(QStringLiteral("oneItemCheckBox"))->setChecked(oneItem);
        choices->findChild<QCheckBox*>(QStringLiteral("readAutomaticallyCheckBox"))->setChecked(true);
        choices->findChild<QPushButton*>(QStringLiteral("confirmButton"))->click();
    });
    Press(wizard, "handOverButton");
    if (!wizard.InReporterMode()) {
        state.SkipWithError("the wizard was not handed over");
        return;
    }
    if (!oneItem) Press(wizard, "nextButton");
    TurnForwardAndBack(wizard, state);
    if (prompter.prompts != 0) state.SkipWithError("a prompt was shown");
    if (speaker.requests < 2 * state.iterations()) state.SkipWithError("an item was not read aloud");
}
BENCHMARK(BM_TurnReporterScreen)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
