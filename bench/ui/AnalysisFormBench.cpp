// SPDX-License-Identifier: Apache-2.0
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>

#include "ui/analysis/AnalysisForm.h"
#include "model/AssessmentRecord.h"
#include "ui/analysis/FormTexts.h"
#include "reports/PersonDetailTexts.h"
#include "screening/ReportSet.h"

namespace {

using orva::AssessmentRecord;

// A record with every item answered, cycling through the scale so that rows screen positive
// and the items-met texts are long, as in a busy real analysis.
AssessmentRecord BusyRecord(int reporter, int offset) {
    AssessmentRecord record;
    AssumeAccepted(record.SetReporter(reporter));
    record.SetFirstName("ALEX");
    record.SetLastName("CITIZEN");
    AssumeAccepted(record.SetBirthDate(2012, 3, 15));
    record.SetStreetAddress("1 High Street");
    record.SetTown("Springfield");
    record.SetPostcode("3000");
    record.SetObserverName(reporter == orva::kSelf ? "" : "Observer Name");
    record.SetObserverComment("A comment of some length about the young person and the way they behave.");
    for (int item = 1; item <= orva::kItemCount; ++item) AssumeAccepted(record.SetResponse(item, (item + offset) % 6));
    return record;
}

orva::ReportSet ThreeReports() {
    orva::ReportSet reports;
    for (int slot = 0; slot < orva::kReportSlots; ++slot) reports.Record(slot) = BusyRecord(slot, slot * 2);
    return reports;
}

// The view's work after every analysis selection: details, both grids, the fields.
void BM_ShowAnalysisThreeReports(benchmark::State& state) {
    orva::AnalysisForm form;
    form.SetUpGrids();
    const orva::ReportSet reports = ThreeReports();
    for (auto _ : state) form.ShowAnalysis(reports);
}
BENCHMARK(BM_ShowAnalysisThreeReports)->Unit(benchmark::kMillisecond);

// The same followed by drawing the whole form once, as the first paint after an analysis does.
void BM_ShowAnalysisAndDrawTheForm(benchmark::State& state) {
    orva::AnalysisForm form;
    form.SetUpGrids();
    const orva::ReportSet reports = ThreeReports();
    for (auto _ : state) {
        form.ShowAnalysis(reports);
        benchmark::DoNotOptimize(form.grab());
    }
}
BENCHMARK(BM_ShowAnalysisAndDrawTheForm)->Unit(benchmark::kMillisecond);

// Building the form and configuring its grids, done once when the view starts.
void BM_CreateFormAndSetUpGrids(benchmark::State& state) {
    for (auto _ : state) {
        orva::AnalysisForm form;
        form.SetUpGrids();
        benchmark::DoNotOptimize(&form);
    }
}
BENCHMARK(BM_CreateFormAndSetUpGrids)->Unit(benchmark::kMillisecond);

void BM_PreparePersonDetails(benchmark::State& state) {
    const orva::ReportSet reports = ThreeReports();
    for (auto _ : state) benchmark::DoNotOptimize(orva::PreparePersonDetailTexts(reports));
}
BENCHMARK(BM_PreparePersonDetails);

}  // namespace

int main(int argc, char** argv) {
    // Runs without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
