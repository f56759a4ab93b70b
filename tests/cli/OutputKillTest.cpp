// SPDX-License-Identifier: Apache-2.0
// Real processes stopped while they write an output (a CSV export, an RTF or a PDF report), by
// Ctrl+C, termination, hang-up or a kill: nothing of an output is ever left under a name but
// the whole of it. Outputs hold a child's data in plain text.
#include <gtest/gtest.h>

#include <signal.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <iostream>

#include "cli/support/CliTestSupport.h"
#include "cli/support/ProcessSupport.h"
#include "reports/ExportPasswords.h"
#include "settings/DevelopmentOverride.h"
#include "store/RecordStore.h"
#include "support/JournalSettling.h"

namespace orva::cli_test {
namespace {

using testsupport::FileExists;
using testsupport::ReadFile;
using testsupport::TempFolder;
using testsupport::WriteFile;
constexpr int kRecords = 657;
const std::vector<int> kEverySignal = {SIGINT, SIGTERM, SIGHUP, SIGKILL};

class OutputKillTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Only a build made for development takes the test's own export passwords.
        if (!SettingsFolderOverridable()) GTEST_SKIP();
        ::setenv("ORVA_SETTINGS_DIR", settings_.Path().c_str(), 1);
        ExportPasswords passwords(settings_.Path());
        ASSERT_TRUE(passwords.Set(1, "open sesame").Ok());
        ASSERT_TRUE(passwords.Save().Ok());
        WriteFile(password_, "open sesame\n");
        std::vector<AssessmentRecord> records;
        for (int i = 0; i < kRecords; ++i) {
            records.push_back(MakePerson(i % 3, "Child" + std::to_string(i), "Family", {{1, i % 6}, {2, 3}},
                                         "Observer with a longer name"));
        }
        ASSERT_TRUE(RecordStore().Append(RecordFilePath(file_), records).status.Ok());
    }
    void TearDown() override { ::unsetenv("ORVA_SETTINGS_DIR"); }

    // Stops `command` at random moments; afterwards the folder holds the record file and, at
    // most, the whole output, as `Whole` tells it.
    void NothingButTheWholeOutput(const std::vector<std::string>& command, const std::string& output,
                                  const char* what, const std::function<bool(const std::string&)>& Whole) {
        int partial = 0;
        int kept = 0;
        const KillTally tally = KillAtRandom(
            {command, password_, kEverySignal, 108},
            [&] { std::filesystem::remove(output); },
            [&](int trial, int signal) {
                const std::vector<std::string> names = testsupport::FolderNames(dir_.Path());
                const bool there = FileExists(output);
                std::vector<std::string> expected = {"clinic.rpc"};
                if (there) expected.push_back(std::filesystem::path(output).filename());
                std::sort(expected.begin(), expected.end());
                EXPECT_EQ(names, expected) << what << " trial " << trial << ", " << SignalName(signal);
                if (!there) return;
                ++kept;
                if (!Whole(ReadFile(output))) ++partial;
            });
        EXPECT_EQ(partial, 0) << what;
        std::cout << what << " stopped 108 times (" << tally.killed << " killed by SIGINT, SIGTERM, SIGHUP or "
                  << "SIGKILL, " << tally.finished << " finished first): a whole output " << kept
                  << " times, nothing else left behind\n";
    }

    TempFolder dir_;
    TempFolder settings_;
    TempFolder input_;
    std::string file_ = dir_.Path("clinic.rpc");
    std::string password_ = input_.Path("password");
};

TEST_F(OutputKillTest, AnExportStoppedAnywhereLeavesNothingButAWholeCsv) {
    NothingButTheWholeOutput({ORVA_CLI_PATH, "export", file_, dir_.Path("out.csv"), "--accept-privacy"},
                             dir_.Path("out.csv"), "export", [](const std::string& csv) {
                                 return std::count(csv.begin(), csv.end(), '\n') == kRecords + 1;
                             });
}

TEST_F(OutputKillTest, ARtfReportStoppedAnywhereLeavesNothingButAWholeReport) {
    NothingButTheWholeOutput({ORVA_CLI_PATH, "report", file_, "--record", "0", "--rtf", dir_.Path("out.rtf")},
                             dir_.Path("out.rtf"), "RTF report", [](const std::string& rtf) {
                                 const std::size_t last = rtf.find_last_not_of("\r\n");
                                 return rtf.rfind("{\\rtf", 0) == 0 && last != std::string::npos && rtf[last] == '}';
                             });
}

TEST_F(OutputKillTest, APdfReportStoppedAnywhereLeavesNothingButAWholeReport) {
    NothingButTheWholeOutput({ORVA_CLI_PATH, "report", file_, "--record", "0", "--pdf", dir_.Path("out.pdf")},
                             dir_.Path("out.pdf"), "PDF report", [](const std::string& pdf) {
                                 return pdf.rfind("%PDF-", 0) == 0 &&
                                        pdf.find("%%EOF", pdf.size() > 32 ? pdf.size() - 32 : 0) != std::string::npos;
                             });
}

// Where the file system cannot make unnamed files, the temporary file has a name until the
// output is whole; Ctrl+C, termination and hang-up remove it. (A kill that no program can
// catch may leave it.)
TEST(NamedTemporaryFile, IsRemovedWhenTheWriterIsInterruptedOrAskedToEnd) {
    TempFolder dir;
    const std::string output = dir.Path("out.csv");
    int kept = 0;
    const KillTally tally = KillAtRandom(
        {{OUTPUT_WRITER_PATH, output, "300"}, {}, {SIGINT, SIGTERM, SIGHUP}, 60},
        [&] { std::filesystem::remove(output); },
        [&](int trial, int signal) {
            const std::vector<std::string> names = testsupport::FolderNames(dir.Path());
            kept += FileExists(output);
            EXPECT_TRUE(names.empty() || names == std::vector<std::string>{"out.csv"})
                << "trial " << trial << ", " << SignalName(signal) << ": " << (names.empty() ? "" : names[0]);
            if (FileExists(output)) {
                EXPECT_EQ(ReadFile(output).size(), 300u * 4096u);
            }
        });
    std::cout << "named temporary file: writer stopped 60 times (" << tally.killed
              << " by SIGINT, SIGTERM or SIGHUP), a whole output " << kept << " times, nothing else left\n";
}

}  // namespace
}  // namespace orva::cli_test
