// SPDX-License-Identifier: Apache-2.0
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "model/AssessmentRecord.h"
#include "model/Clock.h"
#include "store/StoreError.h"
#include "ui/Prompter.h"
#include "ui/wizard/PaperEntryWizard.h"

namespace {

// Nothing in these runs asks anything; a prompt would spoil the figures, so it is counted.
class CountingPrompter final : public orva::Prompter {
  public:
    int prompts = 0;
    using Prompter::Message;
    void Message(const QString&, const QString&, orva::MessageIcon) override { ++prompts; }
    bool AskYesNo(const QString&, const QString&, orva::MessageIcon, bool) override {
        return ++prompts, false;
    }
    int Choose(const QString&, const QString&, const QStringList&, int, orva::MessageIcon) override {
        return ++prompts, -1;
    }
    QString SaveFileName(const QString&, const QString&, const QString&) override {
        return ++prompts, QString();
    }
    QString OpenFileName(const QString&, const QString&, const QString&) override {
        return ++prompts, QString();
    }
};

// No run reaches Finish, so nothing is ever saved.
orva::SaveAttempt NoSave(const orva::RecordFilePath& file) {
    return {orva::StoreError::FileGeneric, {file, -1}};
}

const orva::FixedClock kToday(orva::LocalDateTime{2026, 6, 15, 10, 30, 0});

// A Self-report whose details pass page 2, so that the wizard reaches the grid.
orva::AssessmentRecord Person() {
    orva::AssessmentRecord record;
    AssumeAccepted(record.SetReporter(orva::kSelf));
    record.SetFirstName("ALEX");
    record.SetLastName("CITIZEN");
    AssumeAccepted(record.SetBirthDate(2014, 3, 15));
    return record;
}

// A whole questionnaire typed into the response grid: 111 digits, each examined and moving the
// focus on to the next field, into the window's focused field as the keyboard delivers them.
void BM_TypeResponseGrid(benchmark::State& state) {
    CountingPrompter prompter;
    orva::AssessmentRecord record = Person();
    QString fileName = QStringLiteral("orva_2026");
    orva::PaperEntryWizard wizard(record, fileName, NoSave, {}, prompter, kToday);
    wizard.show();
    // Focus events, and with them the selection of a field's old answer, reach an active window only.
    QApplication::setActiveWindow(&wizard);
    for (int page = 1; page < 3; ++page)
        wizard.findChild<QPushButton*>(QStringLiteral("nextButton"))->click();
    auto* first = wizard.findChild<QLineEdit*>(QStringLiteral("item1Edit"));
    if (wizard.CurrentIndex() != 2 || first == nullptr) {
        state.SkipWithError("the grid was not reached");
        return;
    }
    for (auto _ : state) {
        first->setFocus();
        for (int item = 1; item <= orva::kItemCount; ++item) {
            const QString digit(QChar(u'0' + item % 6));
            QKeyEvent press(QEvent::KeyPress, Qt::Key_0 + item % 6, Qt::NoModifier, digit);
            QApplication::sendEvent(wizard.focusWidget(), &press);
        }
    }
    state.SetItemsProcessed(state.iterations() * orva::kItemCount);
    if (prompter.prompts != 0) state.SkipWithError("a prompt was shown");
}
BENCHMARK(BM_TypeResponseGrid)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
