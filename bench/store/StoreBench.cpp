// SPDX-License-Identifier: Apache-2.0
// Speed of the record store: one record encoded and decoded, a full file listed, searched and
// asked for a person's latest records, against the floor of reading the file and decoding its
// records without building a list; and one record saved to a file, as every wizard saves it.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "store/FileHeader.h"
#include "store/RecordCodec.h"
#include "store/RecordList.h"
#include "store/RecordStore.h"

namespace {

using namespace orva;

const char* const kFirstNames[] = {"Olivia",
                                   "Noah",
                                   "Ren\xE9"
                                   "e",
                                   "Liam",
                                   "Zo\xEB",
                                   "Mia",
                                   "Jos\xE9",
                                   "Ava"};
const char* const kLastNames[] = {"Smith",
                                  "Nguyen",
                                  "M\xFCller",
                                  "O'Brien",
                                  "Garc\xED"
                                  "a",
                                  "Kowalski",
                                  "Lee"};

AssessmentRecord MakeRecord(int i) {
    AssessmentRecord r;
    const int person = i / 3;
    r.SetFirstName(kFirstNames[person % 8]);
    r.SetLastName(std::string(kLastNames[(person / 8) % 7]) + std::to_string(person / 56));
    r.SetBirthDate(2008 + person % 10, 1 + person % 12, 1 + person % 28);
    r.SetStreetAddress("14 Harbour Street");
    r.SetTown("Fremantle");
    r.SetEmail("family@example.org");
    r.SetReporter(i % 3);
    r.SetObserverName(i % 3 == 0 ? "" : "Dr Alex Carter");
    r.SetObserverComment("Observed over two terms; attention varies across the day.");
    r.SetDataEntry(i % 2 == 0 ? kPaper : kOnScreen);
    for (int item = 1; item <= kItemCount; ++item) r.SetResponse(item, (item + i) % 6);
    return r;
}

std::string FullFilePath() {
    return (std::filesystem::temp_directory_path() / "orva_bench_store_full.rpc").string();
}

// A full file of 657 records, written once for all the file benchmarks and removed at exit.
const std::string& FullFile() {
    static const std::string path = [] {
        const std::string p = FullFilePath();
        const HeaderBytes header = FileHeader::New({2024, 1, 1, 0, 0, 0}).Bytes();
        std::FILE* f = std::fopen(p.c_str(), "wb");
        if (f == nullptr) std::abort();
        std::fwrite(header.data(), 1, header.size(), f);
        DefaultRandomSource random;
        for (int i = 0; i < kMaxRecords; ++i) {
            AssessmentRecord record = MakeRecord(i);
            const StoredRecord stored = EncodeForStorage(
                record, FixedClock({2024, 1 + i % 12, 1 + i % 28, i % 24, i % 60, i % 60}), random);
            std::fwrite(stored.data(), 1, stored.size(), f);
        }
        std::fclose(f);
        std::atexit([] { std::remove(FullFilePath().c_str()); });
        return p;
    }();
    return path;
}

void BM_EncodeForStorage(benchmark::State& state) {
    AssessmentRecord record = MakeRecord(5);
    const FixedClock clock({2024, 5, 6, 7, 8, 9});
    DefaultRandomSource random;
    for (auto _ : state) benchmark::DoNotOptimize(EncodeForStorage(record, clock, random));
}
BENCHMARK(BM_EncodeForStorage);

void BM_DecodeFromStorage(benchmark::State& state) {
    AssessmentRecord record = MakeRecord(5);
    DefaultRandomSource random;
    const StoredRecord stored = EncodeForStorage(record, FixedClock({2024, 5, 6, 7, 8, 9}), random);
    AssessmentRecord decoded;
    for (auto _ : state) benchmark::DoNotOptimize(DecodeFromStorage(decoded, stored.data()));
}
BENCHMARK(BM_DecodeFromStorage);

// The floor: the file's bytes read in one go and every record decoded, no rows built.
void BM_ReadAndDecodeFullFile(benchmark::State& state) {
    const std::string& path = FullFile();
    std::vector<unsigned char> bytes(kHeaderSize + kStoredRecordSize * kMaxRecords);
    AssessmentRecord record;
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        const ssize_t n = ::read(fd, bytes.data(), bytes.size());
        ::close(fd);
        if (n != static_cast<ssize_t>(bytes.size())) state.SkipWithError("short read");
        int decoded = 0;
        for (int i = 0; i < kMaxRecords; ++i) {
            decoded += DecodeFromStorage(record, bytes.data() + RecordOffset(i)).Ok();
        }
        benchmark::DoNotOptimize(decoded);
    }
}
BENCHMARK(BM_ReadAndDecodeFullFile)->Unit(benchmark::kMillisecond);

void BM_LoadFullFileSorted(benchmark::State& state) {
    const RecordFilePath path(FullFile());
    RecordStore store;
    RecordList list;
    for (auto _ : state) {
        if (store.List(path, true, true, list) != StoreResult<int>(0)) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(list.RowCount());
    }
}
BENCHMARK(BM_LoadFullFileSorted)->Unit(benchmark::kMillisecond);

void BM_Find(benchmark::State& state) {
    RecordList list;
    if (list.Load(FullFile(), true, true) != StoreResult<int>(0)) state.SkipWithError("load failed");
    const RecordRow target = list.Row(list.RowCount() * 2 / 3);
    const Date birth = target.birthDate.value_or(Date{});
    for (auto _ : state) {
        benchmark::DoNotOptimize(list.Find(target.firstName, target.lastName, birth.year, birth.month, birth.day));
    }
}
BENCHMARK(BM_Find);

void BM_FindLatestPerReporter(benchmark::State& state) {
    RecordList list;
    if (list.Load(FullFile(), true, true) != StoreResult<int>(0)) state.SkipWithError("load failed");
    const int row = list.RowCount() * 2 / 3;
    for (auto _ : state) benchmark::DoNotOptimize(list.FindLatestPerReporter(row));
}
BENCHMARK(BM_FindLatestPerReporter)->Unit(benchmark::kMicrosecond);

// One record appended to a file of 600, with its journal written and synced and then removed;
// the file is cut back to its 600 records between the rounds.
void BM_AppendOneRecord(benchmark::State& state) {
    const std::string path = (std::filesystem::temp_directory_path() / "orva_bench_store_append.rpc").string();
    std::filesystem::copy_file(FullFile(), path, std::filesystem::copy_options::overwrite_existing);
    std::filesystem::resize_file(path, static_cast<std::uintmax_t>(RecordOffset(600)));
    RecordStore store;
    for (auto _ : state) {
        std::vector<AssessmentRecord> records = {MakeRecord(7)};
        if (!store.Append(RecordFilePath(path), records).status) state.SkipWithError("append failed");
        state.PauseTiming();
        std::filesystem::resize_file(path, static_cast<std::uintmax_t>(RecordOffset(600)));
        state.ResumeTiming();
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_AppendOneRecord)->Unit(benchmark::kMillisecond);

}  // namespace
