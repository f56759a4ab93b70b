// SPDX-License-Identifier: Apache-2.0
// Every way the store and the output writer write, cut by a power failure after every step they
// take: the disk keeps only what was synced (MemoryFileSystem), and what it keeps must be the
// old state or the whole change. A change that was reported as done must be there whole. Each
// cut is tried twice: with everything unsynced lost, and with the file being changed written
// out whole before the cut while everything else unsynced is lost (so that what makes it safe,
// its journal, must have been on the disk first).
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "store/OutputFile.h"
#include "store/RecordStore.h"
#include "store/StoreError.h"
#include "store/support/StoreTestSupport.h"
#include "store/WriteJournal.h"
#include "support/JournalSettling.h"
#include "support/MemoryFileSystem.h"
#include "support/StoppingFileSystem.h"

namespace orva {
namespace {

using testsupport::Bytes;
using testsupport::FileOfSamples;
using testsupport::MemoryFileSystem;
using testsupport::SampleRecord;
using testsupport::StoppingFileSystem;

enum class Write {
    AppendToFile,
    AppendToNewFile,
    AppendOverPartialTail,
    Replace,
    JournalRecovery,  // the next writer putting back a change stopped half way
    NewOutput,
    ReplacedOutput,
};

std::string WriteName(Write write) {
    switch (write) {
        case Write::AppendToFile:
            return "AppendToFile";
        case Write::AppendToNewFile:
            return "AppendToNewFile";
        case Write::AppendOverPartialTail:
            return "AppendOverPartialTail";
        case Write::Replace:
            return "Replace";
        case Write::JournalRecovery:
            return "JournalRecovery";
        case Write::NewOutput:
            return "NewOutput";
        case Write::ReplacedOutput:
            return "ReplacedOutput";
    }
    return "Unknown";
}

const std::string kFolder = "/data";
const std::string kRecordFile = kFolder + "/clinic.rpc";
const std::string kOutput = kFolder + "/report.csv";
const Bytes kOldOutput = {'o', 'l', 'd'};

// What a reader finds: the first names of the records, "damaged" for one that fails, or the
// output's bytes.
std::vector<std::string> WhatIsThere(MemoryFileSystem& disk, Write write) {
    std::vector<std::string> found;
    if (write == Write::NewOutput || write == Write::ReplacedOutput) {
        const Bytes content = disk.Content(kOutput);
        if (disk.Exists(kOutput)) found.emplace_back(content.begin(), content.end());
        return found;
    }
    // A file that cannot be read has no records to name.
    static_cast<void>(RecordStore(disk).ForEach(RecordFilePath(kRecordFile), true,
                                                [&found](long long, StoreStatus read, const AssessmentRecord& record) {
                                                    found.push_back(read ? record.GetFirstName() : "damaged");
                                                    return true;
                                                }));
    return found;
}

class PowerLoss : public ::testing::TestWithParam<std::tuple<Write, bool, bool>> {
  protected:
    Write Kind() const { return std::get<0>(GetParam()); }
    // The file the write changes, when its unsynced pages reach the disk before the cut.
    std::string WrittenBack() const {
        if (!std::get<2>(GetParam())) return {};
        return Kind() == Write::NewOutput || Kind() == Write::ReplacedOutput ? kOutput : kRecordFile;
    }

    MemoryFileSystem MakeDisk() const {
        MemoryFileSystem disk({kFolder}, std::get<1>(GetParam()));
        Bytes file = FileOfSamples(3);
        switch (Kind()) {
            case Write::AppendToNewFile:
            case Write::NewOutput:
                return disk;
            case Write::ReplacedOutput:
                disk.Put(kOutput, kOldOutput);
                return disk;
            case Write::AppendOverPartialTail:
                file.resize(file.size() + 1000, 0x41);
                break;
            default:
                break;
        }
        disk.Put(kRecordFile, file);
        if (Kind() == Write::JournalRecovery) LeaveHalfMadeAppend(disk);
        return disk;
    }

    // An append stopped half way, its journal and part of its records on the disk.
    void LeaveHalfMadeAppend(MemoryFileSystem& disk) const {
        MemoryFileSystem copy = disk;
        StoppingFileSystem countingCopy(copy);
        std::vector<AssessmentRecord> records = {SampleRecord(91), SampleRecord(92)};
        RecordStore(countingCopy, clock_).Append(RecordFilePath(kRecordFile), records);
        const std::vector<long long> stops = countingCopy.StopPoints();
        StoppingFileSystem stopping(disk, stops[stops.size() * 3 / 4]);
        RecordStore(stopping, clock_).Append(RecordFilePath(kRecordFile), records);
        disk.Flush();
    }

    StoreStatus Run(FileSystem& fs) const {
        switch (Kind()) {
            case Write::Replace: {
                const StoreResult<AssessmentRecord> expected = RecordStore(fs).Read(RecordFilePath(kRecordFile), 1);
                if (!expected) return expected.Error();
                AssessmentRecord replacement = SampleRecord(90);
                return RecordStore(fs, clock_).Replace(RecordFilePath(kRecordFile), 1, *expected, replacement);
            }
            case Write::JournalRecovery:
                return testsupport::SettleAsTheNextWriter(kRecordFile, fs);
            case Write::NewOutput:
            case Write::ReplacedOutput: {
                OutputFile out(fs);
                out.SetPath(kOutput);
                StoreStatus result = out.Open(Kind() == Write::ReplacedOutput);
                for (const char* block : {"new ", "report ", "text"}) {
                    if (result) result = out.Write(block, std::strlen(block));
                }
                return result ? out.Close() : result;
            }
            default: {
                std::vector<AssessmentRecord> records = {SampleRecord(91), SampleRecord(92)};
                return RecordStore(fs, clock_).Append(RecordFilePath(kRecordFile), records).status;
            }
        }
    }

    FixedClock clock_{{2024, 6, 1, 8, 5, 9}};
};

TEST_P(PowerLoss, KeepsTheOldStateOrTheWholeChange) {
    MemoryFileSystem counted = MakeDisk();
    const std::vector<std::string> old = WhatIsThere(counted, Kind());
    StoppingFileSystem counting(counted);
    ASSERT_TRUE(Run(counting).Ok());
    const std::vector<std::string> done = WhatIsThere(counted, Kind());
    if (Kind() != Write::JournalRecovery) {
        ASSERT_NE(done, old);
    }

    int oldSeen = 0;
    int doneSeen = 0;
    for (const long long budget : counting.StopPoints()) {
        MemoryFileSystem disk = MakeDisk();
        StoppingFileSystem stopping(disk, budget);
        const StoreStatus result = Run(stopping);
        disk.PowerCut(WrittenBack());
        const std::vector<std::string> after = WhatIsThere(disk, Kind());
        if (!stopping.Stopped()) {
            // Reported as done, and not a moment too soon: the power cut after it keeps it all.
            ASSERT_TRUE(result.Ok()) << "after " << budget << " steps";
            ASSERT_EQ(after, done) << "reported done after " << budget << " steps, but not kept";
        }
        if (after == done) {
            ++doneSeen;
        } else if (after == old) {
            ++oldSeen;
        } else {
            ADD_FAILURE() << "cut after " << budget << " steps: neither the old state nor the whole change";
        }
        if (Kind() == Write::NewOutput || Kind() == Write::ReplacedOutput) {
            // Nothing of the output's temporary file survives the power cut.
            const std::set<std::string> names = disk.Names(kFolder);
            EXPECT_EQ(names.size(), disk.Exists(kOutput) ? 1u : 0u) << "cut after " << budget << " steps";
            continue;
        }
        // The next writer settles whatever it finds and shows the same records; no journal stays.
        EXPECT_TRUE(testsupport::SettleAsTheNextWriter(kRecordFile, disk).Ok()) << "cut after " << budget << " steps";
        EXPECT_EQ(WhatIsThere(disk, Kind()), after) << "cut after " << budget << " steps";
        EXPECT_FALSE(disk.Exists(WriteJournal::PathFor(kRecordFile))) << "cut after " << budget << " steps";
        if (Kind() == Write::JournalRecovery) {
            EXPECT_EQ(disk.Content(kRecordFile), FileOfSamples(3)) << "cut after " << budget << " steps";
        }
    }
    // Putting a file back changes nothing a reader sees; every other write was seen both ways.
    if (Kind() != Write::JournalRecovery) {
        EXPECT_GE(oldSeen, 1);
    }
    EXPECT_GE(doneSeen, 1);
}

INSTANTIATE_TEST_SUITE_P(Writes, PowerLoss,
                         ::testing::Combine(::testing::Values(Write::AppendToFile, Write::AppendToNewFile,
                                                              Write::AppendOverPartialTail, Write::Replace,
                                                              Write::JournalRecovery, Write::NewOutput,
                                                              Write::ReplacedOutput),
                                            ::testing::Bool(), ::testing::Bool()),
                         [](const auto& info) {
                             return WriteName(std::get<0>(info.param)) +
                                    (std::get<1>(info.param) ? "Unnamed" : "Named") +
                                    (std::get<2>(info.param) ? "WrittenBack" : "");
                         });

}  // namespace
}  // namespace orva
