// SPDX-License-Identifier: Apache-2.0
// Real processes stopped at random moments while they change a record file: an import of many
// rows, an import into a file not made yet, an import through a second name of the file, and a
// record rewritten in place, each stopped by SIGINT, SIGTERM or SIGKILL. Every time, a command
// that only reads finds the file exactly as it was or with the whole change, sound, and leaves
// it as it found it; the next writer leaves the one or the other and nothing beside it.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <signal.h>

#include <filesystem>
#include <fstream>
#include <iostream>

#include "cli/support/CliTestSupport.h"
#include "cli/support/ProcessSupport.h"
#include "model/Clock.h"
#include "reports/CsvFormat.h"
#include "reports/ReportsTexts.h"
#include "store/WriteJournal.h"
#include "support/JournalSettling.h"

namespace orva::cli_test {
namespace {

using namespace testsupport;
using nlohmann::json;

constexpr int kOldRecords = 120;
constexpr int kImportedRows = 537;  // fills the file to its 657 records
constexpr int kTrials = 110;        // per kind of change
const std::vector<int> kSignals = {SIGINT, SIGTERM, SIGKILL};

// The record area of a record file: everything after its header, which names the last write.
std::string RecordArea(const std::string& bytes) { return bytes.size() > 243 ? bytes.substr(243) : std::string(); }

void WriteCsv(const std::string& path, const std::string& first, int rows, int second = 0) {
    std::ofstream csv(path, std::ios::binary);
    csv << texts::kCsvHeader;
    for (int i = 0; i < rows; ++i) {
        AssessmentRecord record = MakePerson(i % 3, first + std::to_string(i), "Imported", {{2, i % 6}}, "Observer");
        record.SetStoredSaveDateTime(LocalDateTime{2025, 1, 10, 9, i / 60 % 60, (i + second) % 60});
        csv << FormatCsvLine(record);
    }
}

// The first names `orva-cli list` shows.
std::vector<std::string> Listed(const std::string& path) {
    const CliRun run = RunCli({"list", path, "--json"});
    std::vector<std::string> names;
    if (run.status != 0) return names;
    const json doc = json::parse(run.out);
    for (const json& row : doc["rows"]) names.push_back(row["first_name"]);
    return names;
}

class CrashTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::vector<AssessmentRecord> records;
        for (int i = 0; i < kOldRecords; ++i)
            records.push_back(MakePerson(i % 3, "Old" + std::to_string(i), "Family", {{1, i % 6}}, "Observer"));
        ASSERT_TRUE(testsupport::AppendRecords(file_, records, kDailySaves));
        before_ = ReadFile(file_);
        WriteCsv(csv_, "New", kImportedRows);
    }

    // What a reader (`check`) finds after a stop: exit 0, and the file as it found it. The
    // records it counts.
    long long CheckedRecords(const std::string& path, int trial) {
        const std::string bytes = ReadFile(path);
        const CliRun check = RunCli({"check", path, "--json"});
        EXPECT_TRUE(ReadFile(path) == bytes) << "trial " << trial << ": check changed the file";
        EXPECT_EQ(check.status, 0) << "trial " << trial << ": " << check.out << check.err;
        if (check.status != 0) return -1;
        return json::parse(check.out)["records"].get<long long>();
    }

    TempFolder dir_;
    std::string file_ = dir_.Path("clinic.rpc");
    std::string csv_ = dir_.Path("rows.csv");
    std::string before_;
};

TEST_F(CrashTest, AnImportStoppedAnywhereLeavesTheOldFileOrEveryRow) {
    int oldSeen = 0;
    int newSeen = 0;
    const KillTally tally = KillAtRandom(
        {{ORVA_CLI_PATH, "import", csv_, file_}, {}, kSignals, kTrials}, [&] { WriteFile(file_, before_); },
        [&](int trial, int) {
            const long long records = CheckedRecords(file_, trial);
            EXPECT_TRUE(records == kOldRecords || records == kOldRecords + kImportedRows) << "trial " << trial;
            EXPECT_TRUE(testsupport::SettleAsTheNextWriter(file_).Ok()) << "trial " << trial;
            const std::string after = ReadFile(file_);
            EXPECT_EQ(testsupport::FolderNames(dir_.Path()), (std::vector<std::string>{"clinic.rpc", "rows.csv"})) << "trial " << trial;
            if (after == before_) {
                ++oldSeen;
                EXPECT_EQ(records, kOldRecords) << "trial " << trial;
                return;
            }
            ASSERT_EQ(after.size(), 243u + 657u * 2187u) << "trial " << trial;
            EXPECT_EQ(records, kOldRecords + kImportedRows) << "trial " << trial;
            EXPECT_TRUE(RecordArea(after).substr(0, RecordArea(before_).size()) == RecordArea(before_))
                << "trial " << trial << ": the old records changed";
            ++newSeen;
        });
    std::cout << "import stopped " << kTrials << " times (" << tally.killed << " killed, " << tally.finished
              << " finished first): old file " << oldSeen << " times, every row " << newSeen << " times\n";
}

TEST_F(CrashTest, ARecordRewrittenInPlaceAndStoppedAnywhereIsOneVersionOrTheOther) {
    constexpr int kPosition = 57;
    const long long offset = 243 + 2187LL * kPosition;
    const KillTally tally = KillAtRandom(
        {{RECORD_REWRITER_PATH, file_, std::to_string(kPosition), "8"}, {}, kSignals, kTrials},
        [&] { WriteFile(file_, before_); },
        [&](int trial, int) {
            EXPECT_EQ(CheckedRecords(file_, trial), kOldRecords);
            EXPECT_TRUE(testsupport::SettleAsTheNextWriter(file_).Ok()) << "trial " << trial;
            const std::string after = ReadFile(file_);
            ASSERT_EQ(after.size(), before_.size()) << "trial " << trial;
            // Every other record is untouched; the one rewritten decodes (check said the file is sound).
            EXPECT_TRUE(after.substr(243, offset - 243) == before_.substr(243, offset - 243)) << "trial " << trial;
            EXPECT_TRUE(after.substr(offset + 2187) == before_.substr(offset + 2187)) << "trial " << trial;
            EXPECT_FALSE(FileExists(file_ + "-journal")) << "trial " << trial;
        });
    std::cout << "rewrite stopped " << kTrials << " times (" << tally.killed << " killed)\n";
}

// A new record file appears whole, with every row, or not at all: never empty or half made.
TEST_F(CrashTest, AnImportIntoANewFileStoppedAnywhereLeavesNoFileOrAWholeOne) {
    const std::string fresh = dir_.Path("fresh.rpc");
    int noFile = 0;
    int whole = 0;
    const KillTally tally = KillAtRandom(
        {{ORVA_CLI_PATH, "import", csv_, fresh}, {}, kSignals, kTrials}, [&] { std::filesystem::remove(fresh); },
        [&](int trial, int) {
            if (!FileExists(fresh)) {
                ++noFile;
                EXPECT_EQ(testsupport::FolderNames(dir_.Path()), (std::vector<std::string>{"clinic.rpc", "rows.csv"})) << "trial " << trial;
                return;
            }
            ++whole;
            EXPECT_EQ(CheckedRecords(fresh, trial), kImportedRows);
            EXPECT_EQ(ReadFile(fresh).size(), 243u + kImportedRows * 2187u) << "trial " << trial;
            EXPECT_EQ(testsupport::FolderNames(dir_.Path()), (std::vector<std::string>{"clinic.rpc", "fresh.rpc", "rows.csv"}))
                << "trial " << trial;
        });
    std::cout << "import into a new file stopped " << kTrials << " times (" << tally.killed
              << " killed): no file " << noFile << " times, a whole one " << whole << " times\n";
}

// A second name of the file: a save through the file's own name after an import through the
// other was stopped must stay, whatever name the file is opened by next.
class CrashThroughAnotherName : public CrashTest, public ::testing::WithParamInterface<bool> {
  protected:
    void SetUp() override {
        CrashTest::SetUp();
        std::filesystem::create_directory(dir_.Path("shared"));
        shared_ = dir_.Path("shared/clinic.rpc");
        std::filesystem::rename(file_, shared_);
        if (GetParam()) {
            std::filesystem::create_symlink(shared_, file_);
        } else {
            std::filesystem::create_hard_link(shared_, file_);
        }
        WriteCsv(rows_, "New", 200);
        WriteCsv(later_, "Later", 3, 30);
    }

    std::string shared_;
    std::string rows_ = dir_.Path("fewer.csv");  // leaves room in the file for the later save
    std::string later_ = dir_.Path("later.csv");
};

TEST_P(CrashThroughAnotherName, AnImportStoppedAnywhereNeverUndoesALaterSave) {
    int journalsLeft = 0;
    const KillTally tally = KillAtRandom(
        {{ORVA_CLI_PATH, "import", rows_, file_}, {}, kSignals, 40},
        [&] {
            WriteFile(shared_, before_);
            for (const auto& entry : std::filesystem::directory_iterator(dir_.Path("shared"))) {
                if (entry.path() != shared_) std::filesystem::remove(entry.path());
            }
            for (const char* left : {"clinic.rpc-journal", "clinic.rpc-journal.unmatched-1"}) {
                std::filesystem::remove(dir_.Path(left));
            }
        },
        [&](int trial, int) {
            journalsLeft += FileExists(WriteJournal::PathFor(shared_)) || FileExists(WriteJournal::PathFor(file_));
            const CliRun later = RunCli({"import", later_, shared_});
            ASSERT_EQ(later.status, 0) << "trial " << trial << ": " << later.err;
            const std::vector<std::string> listed = Listed(file_);
            for (const char* row : {"Later0", "Later1", "Later2"}) {
                EXPECT_NE(std::find(listed.begin(), listed.end(), row), listed.end())
                    << "trial " << trial << ": the save of " << row << " was undone";
            }
            EXPECT_EQ(Listed(shared_), listed) << "trial " << trial;
        });
    std::cout << "import through a " << (GetParam() ? "symbolic" : "hard") << " link stopped 40 times ("
              << tally.killed << " killed), " << journalsLeft << " times with a journal left\n";
}

INSTANTIATE_TEST_SUITE_P(Links, CrashThroughAnotherName, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "SymbolicLink" : "HardLink"; });

// A file put back from a backup (another version of it) after an import was stopped: the
// stopped import's journal belongs to the file as it was then and is never applied to the
// backup; nothing that only reads shortens or removes it.
TEST_F(CrashTest, AJournalLeftByAStoppedImportIsNeverAppliedToAFilePutBackFromABackup) {
    std::vector<AssessmentRecord> more;
    for (int i = 0; i < 5; ++i) more.push_back(MakePerson(kSelf, "Backup" + std::to_string(i), "Family", {}));
    const std::string backupPath = dir_.Path("backup.rpc");
    WriteFile(backupPath, before_);
    ASSERT_TRUE(testsupport::AppendRecords(backupPath, more, kDailySaves));
    const std::string backup = ReadFile(backupPath);
    std::filesystem::remove(backupPath);

    int setAside = 0;
    const KillTally tally = KillAtRandom(
        {{ORVA_CLI_PATH, "import", csv_, file_}, {}, kSignals, 60},
        [&] {
            WriteFile(file_, before_);
            std::filesystem::remove(file_ + "-journal.unmatched-1");
        },
        [&](int trial, int) {
            const bool journal = FileExists(file_ + "-journal");
            // Put back as a copy in the file's place, or over the file's own bytes.
            if (trial % 2 == 0) {
                WriteFile(dir_.Path("copy"), backup);
                std::filesystem::rename(dir_.Path("copy"), file_);
            } else {
                WriteFile(file_, backup);
            }
            const CliRun list = RunCli({"list", file_, "--json"});
            ASSERT_EQ(list.status, 0) << "trial " << trial << ": " << list.err;
            EXPECT_EQ(json::parse(list.out)["records"], kOldRecords + 5) << "trial " << trial;
            EXPECT_TRUE(ReadFile(file_) == backup) << "trial " << trial << ": the file put back was changed";
            EXPECT_FALSE(FileExists(file_ + "-journal")) << "trial " << trial;
            if (journal) {
                ++setAside;
                EXPECT_TRUE(FileExists(file_ + "-journal.unmatched-1")) << "trial " << trial;
                EXPECT_TRUE(Contains(list.err, "Unfinished Change Not Applied")) << "trial " << trial;
            }
        });
    std::cout << "import stopped 60 times (" << tally.killed << " killed) before a backup was put back: "
              << setAside << " journals set aside\n";
}

}  // namespace
}  // namespace orva::cli_test
