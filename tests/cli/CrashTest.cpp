// Real processes stopped at random moments while they write: an import of many rows and a
// record rewritten in place, each killed by SIGINT, SIGTERM or SIGKILL. Every time, the next
// command must find the file either exactly as it was or with the whole change, and sound.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <random>
#include <thread>

#include "cli/CliTestSupport.h"
#include "model/Clock.h"
#include "reports/CsvFormat.h"
#include "reports/ReportsTexts.h"

extern char** environ;

namespace orva::testing {
namespace {

constexpr int kOldRecords = 120;
constexpr int kImportedRows = 537;  // fills the file to its 657 records
constexpr int kTrials = 110;        // per kind of change

using Clock = std::chrono::steady_clock;

pid_t Spawn(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed == 0 ? pid : -1;
}

int WaitFor(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

// The record area of a record file: everything after its header, which names the last write.
std::string RecordArea(const std::string& bytes) { return bytes.size() > 243 ? bytes.substr(243) : std::string(); }

class CrashTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::vector<AssessmentRecord> records;
        for (int i = 0; i < kOldRecords; ++i)
            records.push_back(MakePerson(i % 3, "Old" + std::to_string(i), "Family", {{1, i % 6}}, "Observer"));
        AppendRecords(file_, records);
        before_ = ReadFile(file_);

        const FixedClock clock(LocalDateTime{2025, 1, 10, 9, 0, 0});
        std::ofstream csv(csv_, std::ios::binary);
        csv << texts::kCsvHeader;
        for (int i = 0; i < kImportedRows; ++i) {
            AssessmentRecord record = MakePerson(i % 3, "New" + std::to_string(i), "Imported", {{2, i % 6}}, "Observer");
            record.SetStoredSaveDateTime(LocalDateTime{2025, 1, 10, 9, 0, i % 60});
            csv << FormatCsvLine(record);
        }
    }

    // Kills the command after a random share of the time it needs, with a random signal, then
    // asks `check` (which, as every command, first settles an interrupted change).
    template <typename Verify>
    void KillAtRandom(const std::vector<std::string>& command, const Verify& verify) {
        const auto start = Clock::now();
        WriteFile(file_, before_);
        ASSERT_EQ(WaitFor(Spawn(command)), 0);
        const auto full = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
        std::mt19937 random(20261207);
        std::uniform_int_distribution<long long> delay(0, full.count() * 6 / 5);
        const int signals[] = {SIGINT, SIGTERM, SIGKILL};
        for (int trial = 0; trial < kTrials; ++trial) {
            WriteFile(file_, before_);
            const pid_t pid = Spawn(command);
            ASSERT_GT(pid, 0);
            std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
            kill(pid, signals[trial % 3]);
            WaitFor(pid);
            const CliRun check = RunCli({"check", file_, "--json"});
            ASSERT_EQ(check.status, 0) << "trial " << trial << ": " << check.out << check.err;
            EXPECT_FALSE(FileExists(file_ + "-journal")) << "trial " << trial;
            verify(ReadFile(file_), trial);
        }
    }

    TempFolder dir_;
    std::string file_ = dir_.Path("clinic.rpc");
    std::string csv_ = dir_.Path("rows.csv");
    std::string before_;
};

TEST_F(CrashTest, AnImportStoppedAnywhereLeavesTheOldFileOrEveryRow) {
    int oldSeen = 0;
    int newSeen = 0;
    KillAtRandom({ORVA_CLI_PATH, "import", csv_, file_}, [&](const std::string& after, int trial) {
        if (after == before_) {
            ++oldSeen;
            return;
        }
        ASSERT_EQ(after.size(), 243u + 657u * 2187u) << "trial " << trial;
        EXPECT_EQ(RecordArea(after).substr(0, RecordArea(before_).size()), RecordArea(before_)) << "trial " << trial;
        ++newSeen;
    });
    std::cout << "import stopped: old file " << oldSeen << " times, every row " << newSeen << " times\n";
}

TEST_F(CrashTest, ARecordRewrittenInPlaceAndStoppedAnywhereIsOneVersionOrTheOther) {
    constexpr int kPosition = 57;
    const long long offset = 243 + 2187LL * kPosition;
    KillAtRandom({RECORD_REWRITER_PATH, file_, std::to_string(kPosition), "8"}, [&](const std::string& after, int trial) {
        ASSERT_EQ(after.size(), before_.size()) << "trial " << trial;
        // Every other record is untouched; the one rewritten decodes (check said the file is sound).
        EXPECT_EQ(after.substr(243, offset - 243), before_.substr(243, offset - 243)) << "trial " << trial;
        EXPECT_EQ(after.substr(offset + 2187), before_.substr(offset + 2187)) << "trial " << trial;
    });
}

}  // namespace
}  // namespace orva::testing
