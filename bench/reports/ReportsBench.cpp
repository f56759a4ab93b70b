// SPDX-License-Identifier: Apache-2.0
// Speed of the report outputs: a full record file of 657 records exported to CSV and imported
// back, one CSV row, and an RTF report of a three-reporter analysis prepared, built and written.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "model/ItemCatalogue.h"
#include "reports/CsvFormat.h"
#include "reports/ExportPasswords.h"
#include "reports/ExportRun.h"
#include "reports/ImportRun.h"
#include "reports/ReportsTexts.h"
#include "reports/RtfDocument.h"
#include "reports/RtfReportTexts.h"
#include "reports/RtfReportWriter.h"
#include "store/OutputFile.h"
#include "store/RecordFormat.h"
#include "store/RecordStore.h"

namespace {

using namespace orva;

const FixedClock kClock({2024, 6, 14, 10, 0, 0});

AssessmentRecord MakeRecord(int i) {
    AssessmentRecord r;
    AssumeAccepted(r.SetReporter(i % 3));
    r.SetFirstName(i % 2 == 0 ? "Zo\xEB"
                              : "Ren\xE9"
                                "e, Jo");
    r.SetLastName("O'Brien-" + std::to_string(i / 3));
    r.SetStreetAddress("14 Harbour Street, Unit 3");
    r.SetTown("Fremantle");
    r.SetState("WA");
    r.SetPostcode("6160");
    r.SetCountry("Australia");
    r.SetPhone("08 9335 1234");
    r.SetEmail("family@example.org");
    AssumeAccepted(r.SetGender(i % 2 == 0 ? 'F' : 'M'));
    r.SetSchoolYear("8");
    r.SetSchool("Beaconsfield \"High\"");
    AssumeAccepted(r.SetBirthDate(2008 + i % 8, 1 + i % 12, 1 + i % 28));
    AssumeAccepted(r.SetCompletionDate(2024, 5, 2, kClock));
    r.SetObserverName(i % 3 == 0 ? "" : "Dr Alex Carter");
    r.SetObserverComment("Sleeps badly,\r\noften late; \"worried\" most days");
    // Answers as the wizards record them: none to the items not asked of teachers.
    for (int item = 1; item <= kItemCount; ++item) {
        const bool asked = r.GetReporter() != kTeacher || ItemCatalogue::InTeacherReport(item);
        AssumeAccepted(r.SetResponse(item, !asked || (item * 7 + i) % 7 == 6 ? -1 : (item + i) % 6));
    }
    return r;
}

class Folder {
  public:
    Folder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "orva-bench-reports-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        path_ = pattern;
    }
    ~Folder() { std::filesystem::remove_all(path_); }
    std::string Path(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

// A record file of 657 records, made once.
const Folder& FullFile() {
    static const Folder folder = [] {
        Folder made;
        std::vector<AssessmentRecord> records;
        SequenceRandomSource random({41, 77, 103});
        for (int i = 0; i < kMaxRecords; ++i) records.push_back(MakeRecord(i));
        const AppendOutcome appended = RecordStore(DefaultFileSystem(), kClock, random)
                                           .Append(RecordFilePath(made.Path("full.rpc")), records);
        if (!appended.status) std::abort();
        return made;
    }();
    return folder;
}

ReportSet FullAnalysis() {
    ReportSet set;
    for (int slot : {kSelf, kParent, kTeacher}) {
        set.Record(slot) = MakeRecord(slot);
        set.Record(slot).SetLastName("O'Brien {Jr}");
    }
    return set;
}

void BM_ExportFullFile(benchmark::State& state) {
    const Folder& folder = FullFile();
    const ExportRequest request{folder.Path("full"), folder.Path("export"), true};
    for (auto _ : state) {
        const ExportOutcome outcome = RunExport(request, [] { return true; });
        if (outcome.counters.recordsWritten != static_cast<unsigned>(kMaxRecords))
            state.SkipWithError("short");
    }
    state.SetItemsProcessed(state.iterations() * kMaxRecords);
    state.SetBytesProcessed(state.iterations() *
                            static_cast<long long>(std::filesystem::file_size(folder.Path("export.csv"))));
}
BENCHMARK(BM_ExportFullFile)->Unit(benchmark::kMillisecond);

void BM_FormatCsvLine(benchmark::State& state) {
    const AssessmentRecord record = MakeRecord(1);
    for (auto _ : state) benchmark::DoNotOptimize(FormatCsvLine(record));
}
BENCHMARK(BM_FormatCsvLine);

void BM_DecodeFullCsv(benchmark::State& state) {
    std::string csv = texts::kCsvHeader;
    for (int i = 0; i < kMaxRecords; ++i) csv += FormatCsvLine(MakeRecord(i));
    for (auto _ : state) {
        const CsvImportResult result = DecodeCsvImport(csv, kClock);
        if (result.records.size() != static_cast<std::size_t>(kMaxRecords)) state.SkipWithError("refused");
    }
    state.SetItemsProcessed(state.iterations() * kMaxRecords);
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(csv.size()));
}
BENCHMARK(BM_DecodeFullCsv)->Unit(benchmark::kMillisecond);

void BM_ImportFullCsvIntoNewFile(benchmark::State& state) {
    const Folder folder;
    std::string csv = texts::kCsvHeader;
    for (int i = 0; i < kMaxRecords; ++i) csv += FormatCsvLine(MakeRecord(i));
    SequenceRandomSource random({41, 77, 103});
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(folder.Path("import.rpc"));
        state.ResumeTiming();
        if (!RunImport(csv, folder.Path("import.rpc"), kClock, random).status) state.SkipWithError("refused");
    }
    state.SetItemsProcessed(state.iterations() * kMaxRecords);
}
BENCHMARK(BM_ImportFullCsvIntoNewFile)->Unit(benchmark::kMillisecond);

void BM_PrepareReportTexts(benchmark::State& state) {
    const ReportSet set = FullAnalysis();
    for (auto _ : state) benchmark::DoNotOptimize(PrepareRtfReportTexts(set));
}
BENCHMARK(BM_PrepareReportTexts)->Unit(benchmark::kMicrosecond);

void BM_BuildRtfReport(benchmark::State& state) {
    const RtfReportTexts texts = PrepareRtfReportTexts(FullAnalysis());
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::vector<std::string> chunks = BuildRtfReport(texts);
        bytes = 0;
        for (const std::string& chunk : chunks) bytes += chunk.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(bytes));
}
BENCHMARK(BM_BuildRtfReport)->Unit(benchmark::kMicrosecond);

// The whole save: prepare, build, write and close (which flushes to the disk).
void BM_SaveRtfReport(benchmark::State& state) {
    const Folder folder;
    const ReportSet set = FullAnalysis();
    for (auto _ : state) {
        OutputFile file;
        file.SetPath(folder.Path("report.rtf"));
        if (!file.Open(true) || !WriteRtfReport(set, file) || !file.Close()) state.SkipWithError("write");
    }
}
BENCHMARK(BM_SaveRtfReport)->Unit(benchmark::kMillisecond);

// One export password check against one set slot (Argon2id, interactive limits).
void BM_VerifyExportPassword(benchmark::State& state) {
    const Folder folder;
    ExportPasswords passwords(folder.Path("settings"));
    if (!passwords.Set(1, "open sesame")) state.SkipWithError("hash");
    for (auto _ : state) benchmark::DoNotOptimize(passwords.Matches("open sesame"));
}
BENCHMARK(BM_VerifyExportPassword)->Unit(benchmark::kMillisecond);

}  // namespace
