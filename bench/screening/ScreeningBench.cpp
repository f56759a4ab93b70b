// SPDX-License-Identifier: Apache-2.0
#include <benchmark/benchmark.h>

#include <random>

#include "screening/AnalysisGrid.h"
#include "screening/AnalysisResult.h"
#include "screening/CombinedRow.h"
#include "screening/FollowUpItems.h"
#include "screening/Omega.h"
#include "screening/ReporterComparison.h"

namespace orva {
namespace {

// A full analysis: three reports with answers spread over the whole scale.
ReportSet ThreeReports() {
    std::mt19937 random(7);
    ReportSet set;
    for (int slot = 0; slot < kReportSlots; ++slot) {
        AssessmentRecord& record = set.Record(slot);
        record.SetStoredReporter(slot);
        record.SetLastName("Citizen");
        for (int item = 1; item <= kItemCount; ++item) record.SetHeldResponse(item, static_cast<int>(random() % 6));
    }
    return set;
}

void BM_CombineRowAll23(benchmark::State& state) {
    const ReportSet set = ThreeReports();
    for (auto _ : state) {
        for (DisorderId id : kAllDisorders) benchmark::DoNotOptimize(CombineRow(set, id));
    }
    state.SetItemsProcessed(state.iterations() * kDisorderCount);
}
BENCHMARK(BM_CombineRowAll23);

void BM_ComputeOmega(benchmark::State& state) {
    const ReportSet set = ThreeReports();
    const AssessmentRecord& record = set.Record(kSelf);
    for (auto _ : state) benchmark::DoNotOptimize(ComputeOmega(record));
}
BENCHMARK(BM_ComputeOmega);

// The numbers of a whole analysis, before any text is made of them.
void BM_ComputeAnalysis(benchmark::State& state) {
    const ReportSet set = ThreeReports();
    for (auto _ : state) benchmark::DoNotOptimize(ComputeAnalysis(set));
}
BENCHMARK(BM_ComputeAnalysis);

// The items to follow up of three reports, part of every analysis.
void BM_ItemsToFollowUp(benchmark::State& state) {
    const ReportSet set = ThreeReports();
    for (auto _ : state) benchmark::DoNotOptimize(ItemsToFollowUp(set));
}
BENCHMARK(BM_ItemsToFollowUp);

// The whole analysis grid from the report set: computed once, then its texts made.
void BM_BuildAnalysisGrid(benchmark::State& state) {
    const ReportSet set = ThreeReports();
    for (auto _ : state) benchmark::DoNotOptimize(BuildAnalysisGrid(set));
}
BENCHMARK(BM_BuildAnalysisGrid);

// The comparison window's content for an analysis already computed: 111 items, three pairs.
void BM_CompareReporters(benchmark::State& state) {
    const ReportSet set = ThreeReports();
    const AnalysisResult analysis = ComputeAnalysis(set);
    for (auto _ : state) benchmark::DoNotOptimize(CompareReporters(set, analysis));
    state.SetItemsProcessed(state.iterations() * kItemCount);
}
BENCHMARK(BM_CompareReporters)->Unit(benchmark::kMicrosecond);

// orva-cli compare's part after reading: the analysis and the comparison from the report set.
void BM_AnalyseAndCompareReporters(benchmark::State& state) {
    const ReportSet set = ThreeReports();
    for (auto _ : state) benchmark::DoNotOptimize(CompareReporters(set, ComputeAnalysis(set)));
}
BENCHMARK(BM_AnalyseAndCompareReporters)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orva
