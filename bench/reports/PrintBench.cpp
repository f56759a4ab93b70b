// SPDX-License-Identifier: Apache-2.0
// Speed of the printed report: the eight pages of a three-reporter analysis drawn into a PDF
// in memory, on the offscreen platform, as orva-cli and Print Preview draw them.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QByteArray>
#include <QPdfWriter>

#include "model/AssessmentRecord.h"
#include "reports/print/OffscreenApplication.h"
#include "reports/print/ReportRendering.h"
#include "screening/ReportSet.h"

namespace {

using namespace orva;

ReportSet ThreeReporters() {
    ReportSet set;
    for (int slot : {kSelf, kParent, kTeacher}) {
        AssessmentRecord& record = set.Record(slot);
        AssumeAccepted(record.SetReporter(slot));
        record.SetFirstName("Bartholomew");
        record.SetLastName("Montgomery-Whitfield");
        record.SetStreetAddress("14 Harbour Street, Unit 3");
        record.SetTown("Fremantle");
        record.SetCountry("Australia");
        record.SetPhone("08 9335 1234");
        AssumeAccepted(record.SetBirthDate(2010, 3, 15));
        record.SetObserverName(slot == kSelf ? "" : "Dr Alex Carter");
        record.SetObserverComment("Sleeps badly, often late; worried most days");
        for (int item = 1; item <= kItemCount; ++item)
            AssumeAccepted(record.SetResponse(item, (item * 7 + slot) % 6));
    }
    return set;
}

void BM_RenderEightPagesToPdf(benchmark::State& state) {
    const ReportSet reports = ThreeReporters();
    for (auto _ : state) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        benchmark::DoNotOptimize(RenderReport(reports, writer));
        state.counters["bytes"] = static_cast<double>(bytes.size());
    }
}
BENCHMARK(BM_RenderEightPagesToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

// Drawing needs a graphical application: the offscreen one orva-cli uses.
int main(int argc, char** argv) {
    const orva::OffscreenApplication application;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
