// SPDX-License-Identifier: Apache-2.0
// Speed of a person's history over a full record file of 657 records: read through the store and
// built, and built alone from records already read.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "screening/PersonHistory.h"
#include "store/RecordFormat.h"
#include "store/RecordStore.h"

namespace orva {
namespace {

constexpr int kPersonsRecords = 12;  // four completion dates, three reporters each
constexpr int kSpacing = kMaxRecords / kPersonsRecords;

const PersonQuery kPerson{"Kim", "Lee", 2012, 4, 1};

// The person's records spread over the file; every other record has her names and another birth
// date, so each must be told apart by the date.
AssessmentRecord MakeRecord(int i) {
    const bool theirs = i % kSpacing == 0 && i / kSpacing < kPersonsRecords;
    const int n = theirs ? i / kSpacing : i;
    AssessmentRecord record;
    record.SetFirstName("Kim");
    record.SetLastName("Lee");
    if (theirs) {
        AssumeAccepted(record.SetBirthDate(kPerson.birthYear, kPerson.birthMonth, kPerson.birthDay));
    } else {
        AssumeAccepted(record.SetBirthDate(2008 + i % 8, 1 + i % 12, 2 + i % 27));
    }
    AssumeAccepted(record.SetReporter(n % 3));
    AssumeAccepted(record.SetCompletionDate(2020 + (n / 3) % 4, 1 + n % 12, 1 + n % 28));
    record.SetObserverName(n % 3 == 0 ? "" : "Dr Alex Carter");
    for (int item = 1; item <= kItemCount; ++item)
        AssumeAccepted(record.SetResponse(item, (item * 7 + i) % 6));
    return record;
}

std::string FullFilePath() {
    return (std::filesystem::temp_directory_path() / "orva_bench_person_history.rpc").string();
}

// A full file, written once for all the benchmarks and removed at exit.
const RecordFilePath& FullFile() {
    static const RecordFilePath path = [] {
        std::remove(FullFilePath().c_str());
        std::vector<AssessmentRecord> records;
        for (int i = 0; i < kMaxRecords; ++i) records.push_back(MakeRecord(i));
        const RecordFilePath p(FullFilePath());
        if (!RecordStore().Append(p, records).status) std::abort();
        std::atexit([] { std::remove(FullFilePath().c_str()); });
        return p;
    }();
    return path;
}

void BM_LoadPersonHistoryFullFile(benchmark::State& state) {
    const RecordFilePath& path = FullFile();
    PersonHistory history;
    for (auto _ : state) {
        if (!LoadPersonHistory(path, kPerson, history) || history.assessments.size() != kPersonsRecords) {
            state.SkipWithError("history not loaded");
        }
        benchmark::DoNotOptimize(history.assessments.data());
    }
}
BENCHMARK(BM_LoadPersonHistoryFullFile)->Unit(benchmark::kMillisecond);

// The history from records in memory: matching 657 records and screening the person's alone.
void BM_BuildPersonHistory(benchmark::State& state) {
    std::vector<std::pair<long long, AssessmentRecord>> records;
    const StoreResult<long long> inFile = RecordStore().ForEach(
        FullFile(), true, [&records](long long position, StoreStatus read, const AssessmentRecord& record) {
            if (read) records.emplace_back(position, record);
            return true;
        });
    if (!inFile) state.SkipWithError("file not read");
    for (auto _ : state) {
        const PersonHistory history = BuildPersonHistory(records, kPerson);
        if (history.assessments.size() != kPersonsRecords) state.SkipWithError("wrong history");
        benchmark::DoNotOptimize(history.assessments.data());
    }
    state.SetItemsProcessed(state.iterations() * kMaxRecords);
}
BENCHMARK(BM_BuildPersonHistory)->Unit(benchmark::kMicrosecond);

// The floor: the same file read and decoded through the store, nothing built.
void BM_ForEachFullFile(benchmark::State& state) {
    const RecordFilePath& path = FullFile();
    for (auto _ : state) {
        long long decoded = 0;
        const StoreResult<long long> inFile = RecordStore().ForEach(
            path, true, [&decoded](long long, StoreStatus read, const AssessmentRecord&) {
                decoded += read.Ok();
                return true;
            });
        if (!inFile) state.SkipWithError("file not read");
        benchmark::DoNotOptimize(decoded);
    }
}
BENCHMARK(BM_ForEachFullFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orva
