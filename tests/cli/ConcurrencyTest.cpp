// SPDX-License-Identifier: Apache-2.0
// Two users at once, as real processes: whatever the order in which they reach a record file,
// the file afterwards holds what their commands said they did, once.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sys/wait.h>

#include <chrono>
#include <fstream>
#include <iostream>
#include <map>
#include <thread>

#include "cli/support/CliTestSupport.h"
#include "cli/support/ProcessSupport.h"
#include "reports/CsvFormat.h"
#include "reports/ExportPasswords.h"
#include "settings/DevelopmentOverride.h"
#include "reports/ReportsTexts.h"
#include "store/FileSystem.h"

namespace orva::cli_test {
namespace {

using namespace testsupport;
using nlohmann::json;

constexpr int kOldRecords = 120;
constexpr int kRows = 250;  // twice as many still fit the file: a second import would not be refused as too many
constexpr int kTrials = 60;

TEST(Concurrency, TheSameCsvImportedTwiceAtOnceIsImportedOnce) {
    TempFolder dir;
    const std::string file = dir.Path("clinic.rpc");
    const std::string csvPath = dir.Path("rows.csv");
    std::vector<AssessmentRecord> records;
    for (int i = 0; i < kOldRecords; ++i) records.push_back(MakePerson(i % 3, "Old" + std::to_string(i), "Family", {}));
    ASSERT_TRUE(testsupport::AppendRecords(file, records, kDailySaves));
    const std::string before = ReadFile(file);
    {
        std::ofstream csv(csvPath, std::ios::binary);
        csv << texts::kCsvHeader;
        for (int i = 0; i < kRows; ++i) {
            AssessmentRecord record = MakePerson(i % 3, "New" + std::to_string(i), "Imported", {{2, i % 6}});
            // A valid save time of its own: a row without one takes the importing clock's time
            // and would not be recognised by an import that ran a second later.
            record.SetStoredSaveDateTime(LocalDateTime{2025, 1, 10, 9, i / 60, i % 60});
            csv << FormatCsvLine(record);
        }
    }

    int bothImported = 0;  // one of them added every row, the other none
    int oneInUse = 0;      // the other found the file held and changed nothing
    for (int trial = 0; trial < kTrials; ++trial) {
        WriteFile(file, before);
        const pid_t first = Spawn({ORVA_CLI_PATH, "import", csvPath, file});
        const pid_t second = Spawn({ORVA_CLI_PATH, "import", csvPath, file});
        const int firstStatus = WaitFor(first);
        const int secondStatus = WaitFor(second);
        ASSERT_TRUE(WIFEXITED(firstStatus) && WIFEXITED(secondStatus));
        const int succeeded = (WEXITSTATUS(firstStatus) == 0) + (WEXITSTATUS(secondStatus) == 0);
        ASSERT_GE(succeeded, 1) << "trial " << trial;
        ++(succeeded == 2 ? bothImported : oneInUse);

        const CliRun list = RunCli({"list", file, "--json"});
        ASSERT_EQ(list.status, 0) << list.err;
        const json doc = json::parse(list.out);
        ASSERT_EQ(doc["records"], kOldRecords + kRows) << "trial " << trial;
        std::map<std::string, int> seen;
        for (const json& row : doc["rows"]) ++seen[row["first_name"].get<std::string>()];
        for (int i = 0; i < kRows; ++i) EXPECT_EQ(seen["New" + std::to_string(i)], 1) << "trial " << trial;
    }
    std::cout << kTrials << " trials of two imports at once: both succeeded (one adding nothing) " << bothImported
              << " times, one found the file in use " << oneInUse << " times; every row once every time\n";
}

// Wrong export passwords cost their second one after another, however many processes try at
// once: a check waits while another holds the turn (held here by the test itself).
TEST(Concurrency, AnExportPasswordCheckWaitsWhileAnotherHoldsTheTurn) {
    if (!SettingsFolderOverridable()) GTEST_SKIP() << "only a build made for development takes the test's passwords";
    TempFolder dir;
    TempFolder settings;
    ::setenv("ORVA_SETTINGS_DIR", settings.Path().c_str(), 1);
    ExportPasswords passwords(settings.Path());
    ASSERT_TRUE(passwords.Set(1, "open sesame").Ok());
    ASSERT_TRUE(passwords.Save().Ok());
    ASSERT_TRUE(testsupport::AppendRecords(dir.Path("clinic.rpc"), {MakePerson(kSelf, "Ann", "Lee", {})}, kDailySaves));
    WriteFile(dir.Path("guess"), "wrong guess\n");

    FileSystem& fs = DefaultFileSystem();
    const StoreResult<FileSystem::Handle> held = fs.Open(passwords.FilePath(), OpenMode::ReadOnly, 0);
    ASSERT_TRUE(held.Ok());
    ASSERT_TRUE(fs.LockExclusive(*held).Ok());
    const pid_t guess = Spawn({ORVA_CLI_PATH, "export", dir.Path("clinic.rpc"), dir.Path("out.csv"),
                               "--accept-privacy"},
                              dir.Path("guess"));
    std::this_thread::sleep_for(std::chrono::seconds(3));
    EXPECT_TRUE(StillRunning(guess)) << "the guess did not wait for its turn";
    EXPECT_TRUE(fs.Close(*held).Ok());
    const int status = WaitFor(guess);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2);
    EXPECT_FALSE(FileExists(dir.Path("out.csv")));
    ::unsetenv("ORVA_SETTINGS_DIR");
}

}  // namespace
}  // namespace orva::cli_test
