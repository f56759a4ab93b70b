// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <nlohmann/json.hpp>

#include "reports/CsvFormat.h"
#include "reports/CsvImport.h"
#include "reports/ExportPasswords.h"
#include "settings/DevelopmentOverride.h"
#include "reports/support/ReportsTestSupport.h"
#include "reports/ReportsTexts.h"
#include "support/RecordFileWriter.h"
#include "support/CliRunner.h"

namespace orva {
namespace {

using testsupport::FileExists;
using testsupport::ReadFile;
using testsupport::WriteFile;

using testsupport::CliRun;

class CliCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Installed builds read the export passwords from the machine folder only.
        if (!SettingsFolderOverridable()) GTEST_SKIP();
        ::setenv("ORVA_SETTINGS_DIR", folder_.Path("settings").c_str(), 1);
        ExportPasswords passwords(folder_.Path("settings"));
        ASSERT_TRUE(passwords.Set(2, "open sesame").Ok());
        ASSERT_TRUE(passwords.Save().Ok());
        const ReportSet full = reports_test::FullAnalysis();
        ASSERT_TRUE(testsupport::AppendRecords(
            folder_.Path("clinic.rpc"),
            {full.Record(kSelf), full.Record(kParent), full.Record(kTeacher), reports_test::AwkwardRecord()}));
    }
    void TearDown() override { ::unsetenv("ORVA_SETTINGS_DIR"); }

    // Runs the built orva-cli with `input` on its standard input (not a terminal) and its
    // standard output going to `output` when named.
    static CliRun Run(const std::vector<std::string>& args, const std::string& input = "",
                      const std::string& output = "") {
        return testsupport::RunCli(args, input, output);
    }

    std::string Path(const std::string& name) const { return folder_.Path(name); }

    testsupport::TempFolder folder_;
};

TEST_F(CliCommandsTest, ExportWithTheLowerCasedPasswordWritesTheCsv) {
    const CliRun run = Run({"export", Path("clinic"), Path("out.csv"), "--accept-privacy"}, "OPEN Sesame\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Export OK"), std::string::npos);
    EXPECT_NE(run.out.find("Number of Records: 4, Records Written: 4, Could Not Read: 0"), std::string::npos);
    const std::string csv = ReadFile(Path("out.csv"));
    EXPECT_EQ(csv.rfind(texts::kCsvHeader, 0), 0u);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 5);
    EXPECT_EQ(testsupport::FileMode(Path("out.csv")), 0600u);
}

TEST_F(CliCommandsTest, ExportRefusesAWrongPasswordAndAMissingPrivacyAcceptance) {
    CliRun run = Run({"export", Path("clinic"), Path("out"), "--accept-privacy"}, "open sesame!\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("Wrong Password"), std::string::npos);
    run = Run({"export", Path("clinic"), Path("out")}, "open sesame\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("Data Privacy Responsibility"), std::string::npos);
    EXPECT_FALSE(FileExists(Path("out.csv")));
}

TEST_F(CliCommandsTest, ExportReadsNoMoreOfAnEndlessInputThanAPasswordCouldTake) {
    const CliRun run =
        Run({"export", Path("clinic"), Path("out"), "--accept-privacy"}, std::string(4 * 1024 * 1024, 'a'));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("No password was entered."), std::string::npos);
    EXPECT_FALSE(FileExists(Path("out.csv")));
}

TEST_F(CliCommandsTest, ExportWithoutAnyPasswordSetIsRefused) {
    ASSERT_EQ(std::remove(Path("settings/export-passwords").c_str()), 0);
    const CliRun run = Run({"export", Path("clinic"), Path("out"), "--accept-privacy"}, "\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("No export password is set"), std::string::npos);
}

TEST_F(CliCommandsTest, ExportRefusesPasswordsThatOthersCouldHaveChanged) {
    ASSERT_EQ(::chmod(Path("settings/export-passwords").c_str(), 0666), 0);
    const CliRun run = Run({"export", Path("clinic"), Path("out"), "--accept-privacy"}, "open sesame\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("The export passwords are not used"), std::string::npos);
    EXPECT_NE(run.err.find("To be put right: " + Path("settings/export-passwords")), std::string::npos) << run.err;
    EXPECT_FALSE(FileExists(Path("out.csv")));
}

TEST_F(CliCommandsTest, ExportNeverReplacesWithoutReplace) {
    WriteFile(Path("out.csv"), "mine");
    CliRun run = Run({"export", Path("clinic"), Path("out"), "--accept-privacy"}, "open sesame\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("The file already exists."), std::string::npos);
    EXPECT_EQ(ReadFile(Path("out.csv")), "mine");
    run = Run({"export", Path("clinic"), Path("out"), "--accept-privacy", "--replace"}, "open sesame\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(ReadFile(Path("out.csv")), "mine");
}

TEST_F(CliCommandsTest, PartialExportExitsWithOneAndTheCounts) {
    std::string bytes = ReadFile(Path("clinic.rpc"));
    bytes[243 + 2187 + 700] ^= 0x33;
    WriteFile(Path("clinic.rpc"), bytes);
    const CliRun run = Run({"export", Path("clinic"), Path("out"), "--accept-privacy"}, "open sesame\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Export File Problem"), std::string::npos);
    EXPECT_NE(run.err.find("Records Written: 3, Could Not Read: 0, Could Not Import: 1"), std::string::npos);
}

TEST_F(CliCommandsTest, ImportThenExportGivesTheSameCsvApartFromTheSaveColumns) {
    ASSERT_EQ(Run({"export", Path("clinic"), Path("first"), "--accept-privacy"}, "open sesame\n").status, 0);
    const CliRun imported = Run({"import", Path("first.csv"), Path("copy")});
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_NE(imported.out.find("Imported 4 records into " + Path("copy.rpc") + " (positions 0-3)."),
              std::string::npos);
    ASSERT_EQ(Run({"export", Path("copy"), Path("second"), "--accept-privacy"}, "open sesame\n").status, 0);
    EXPECT_EQ(reports_test::WithoutSaveColumns(ReadFile(Path("first.csv"))),
              reports_test::WithoutSaveColumns(ReadFile(Path("second.csv"))));
}

TEST_F(CliCommandsTest, ImportNamesTheBadRowAndWritesNothing) {
    std::string csv = texts::kCsvHeader + FormatCsvLine(reports_test::AwkwardRecord());
    AssessmentRecord bad = reports_test::AwkwardRecord();
    bad.SetText(TextField::BirthDate, "20100231");
    csv += FormatCsvLine(bad);
    WriteFile(Path("in.csv"), csv);
    const std::string before = ReadFile(Path("clinic.rpc"));
    const CliRun run = Run({"import", Path("in.csv"), Path("clinic.rpc")});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("line 3, column Birth Day: is not a day of that month"), std::string::npos)
        << run.err;
    EXPECT_EQ(ReadFile(Path("clinic.rpc")), before);
}

TEST_F(CliCommandsTest, ReportWritesTheRtfOfTheChosenRecords) {
    const CliRun run =
        Run({"report", Path("clinic"), "--record", "0", "--record", "1", "--record=2", "--rtf", Path("zoe")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Save Successful"), std::string::npos);
    const std::string rtf = ReadFile(Path("zoe.rtf"));
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u);
    EXPECT_NE(rtf.find("Maria O'Brien"), std::string::npos);
    EXPECT_EQ(testsupport::FileMode(Path("zoe.rtf")), 0600u);

    const CliRun again = Run({"report", Path("clinic"), "--record", "2", "--rtf", Path("zoe.rtf")});
    EXPECT_EQ(again.status, 2);
    EXPECT_NE(again.err.find("Do you want to replace it?"), std::string::npos);
    EXPECT_EQ(ReadFile(Path("zoe.rtf")), rtf);
    EXPECT_EQ(Run({"report", Path("clinic"), "--record", "2", "--rtf", Path("zoe.rtf"), "--replace"}).status,
              0);
    EXPECT_NE(ReadFile(Path("zoe.rtf")), rtf);
}

TEST_F(CliCommandsTest, ReportWritesThePrintedPagesAsAPdfWithoutADisplay) {
    const CliRun run = Run({"report", Path("clinic"), "--record", "0", "--record", "1", "--pdf", Path("zoe.pdf")});
    if (run.status == 2 && run.err.find("built without the printed report") != std::string::npos) {
        GTEST_SKIP() << "orva-cli built without the desktop program's print library";
    }
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string pdf = ReadFile(Path("zoe.pdf"));
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    EXPECT_EQ(testsupport::FileMode(Path("zoe.pdf")), 0600u);
    // Eight pages, each a page object of the document.
    std::size_t pages = 0;
    for (std::size_t at = pdf.find("/Type /Page\n"); at != std::string::npos; at = pdf.find("/Type /Page\n", at + 1)) ++pages;
    EXPECT_EQ(pages, 8u);

    EXPECT_EQ(Run({"report", Path("clinic"), "--record", "0", "--pdf", Path("zoe.pdf")}).status, 2);
    EXPECT_EQ(ReadFile(Path("zoe.pdf")), pdf);
    EXPECT_EQ(Run({"report", Path("clinic"), "--record", "0", "--rtf", Path("a"), "--pdf", Path("b.pdf")}).status, 2);
}

// No report or export takes the place of a record file, the one being read included, whatever
// it is named or however it is reached.
TEST_F(CliCommandsTest, NoReportOrExportTakesThePlaceOfARecordFile) {
    ASSERT_TRUE(testsupport::AppendRecords(Path("other.rpc"), {reports_test::AwkwardRecord()}));
    const std::string other = ReadFile(Path("other.rpc"));
    const std::string clinic = ReadFile(Path("clinic.rpc"));
    ASSERT_EQ(::symlink(Path("clinic.rpc").c_str(), Path("out.csv").c_str()), 0);
    ASSERT_EQ(::symlink(Path("other.rpc").c_str(), Path("zoe.rtf").c_str()), 0);
    const std::vector<std::vector<std::string>> attempts = {
        {"report", Path("clinic"), "--record", "0", "--pdf", Path("other.rpc"), "--replace"},
        {"report", Path("clinic"), "--record", "0", "--pdf", Path("clinic.rpc"), "--replace"},
        {"report", Path("clinic"), "--record", "0", "--rtf", Path("zoe"), "--replace"},
        {"export", Path("clinic"), Path("out"), "--accept-privacy", "--replace"},
    };
    for (const std::vector<std::string>& attempt : attempts) {
        const CliRun run = Run(attempt, "open sesame\n");
        if (run.err.find("built without the printed report") != std::string::npos) continue;
        EXPECT_EQ(run.status, 2) << attempt[0] << " " << attempt.back();
        EXPECT_NE(run.err.find("is a Child and Adolescent Orvantis file (*.rpc).\nA report or an export never "
                               "replaces one:"),
                  std::string::npos)
            << run.err;
    }
    EXPECT_EQ(ReadFile(Path("other.rpc")), other);
    EXPECT_EQ(ReadFile(Path("clinic.rpc")), clinic);
}

TEST_F(CliCommandsTest, ReportOfAPositionPastTheEndIsAReadErrorNotAFileFault) {
    const CliRun run = Run({"report", Path("clinic"), "--record", "99", "--rtf", Path("late")});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("Read Error"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("There is no record at position 99"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("File Access Error"), std::string::npos) << run.err;
    EXPECT_FALSE(FileExists(Path("late.rtf")));
}

TEST_F(CliCommandsTest, ReportRefusesRecordsOfDifferentPersonsAndBadNames) {
    CliRun run = Run({"report", Path("clinic"), "--record", "0", "--record", "3", "--rtf", Path("mix")});
    EXPECT_EQ(run.status, 2);
    EXPECT_FALSE(FileExists(Path("mix.rtf")));
    run = Run({"report", Path("clinic"), "--record", "0", "--rtf", Path("folder") + "/"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("File Name Error"), std::string::npos);
    run = Run({"report", Path("clinic"), "--record", "0"});
    EXPECT_EQ(run.status, 2);
}

TEST_F(CliCommandsTest, AnalyseJsonCarriesThePersonDetails) {
    const CliRun run = Run({"analyse", Path("clinic"), "--record", "0", "--record", "2", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json person = nlohmann::json::parse(run.out)["person"];
    EXPECT_EQ(person["name"], "Zo\xC3\xAB O'Brien {Jr}");
    EXPECT_EQ(person["address"],
              nlohmann::json::array({"12 Harbour St", "Fremantle   WA   6160", "Australia"}));
    EXPECT_EQ(person["phone"], nlohmann::json::array({"08 9335 1234", "0412 345 678"}));
    EXPECT_EQ(person["gender"], "Female");
    EXPECT_EQ(person["date_of_birth"], "15 March 2010");
    EXPECT_EQ(person["age_at_completion"], "14");
    EXPECT_EQ(person["completion_date"], "02 May 2024");
    EXPECT_EQ(person["parent"], "");
    EXPECT_EQ(person["teacher"], "Mr Hale");
    EXPECT_EQ(person["school_year"], "8");
    EXPECT_EQ(person["school"], "Beaconsfield High");
}

TEST_F(CliCommandsTest, SetExportPasswordAsksTwiceAndRefusesCapitals) {
    CliRun run = Run({"set-export-password", "1"}, "new one two\nnew one two\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Export password 1 is set."), std::string::npos);
    ExportPasswords passwords(Path("settings"));
    ASSERT_TRUE(passwords.Load().Ok());
    EXPECT_TRUE(passwords.Matches("new one two"));
    EXPECT_TRUE(passwords.Matches("open sesame"));

    run = Run({"set-export-password", "1"}, "New One Two\nNew One Two\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("capital letters"), std::string::npos);
    run = Run({"set-export-password", "1"}, "one\ntwo\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("differ"), std::string::npos);
    run = Run({"set-export-password", "4"}, "x\nx\n");
    EXPECT_EQ(run.status, 2);

    run = Run({"set-export-password", "2"}, "\n\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Export password 2 is cleared."), std::string::npos);
    ASSERT_TRUE(passwords.Load().Ok());
    EXPECT_FALSE(passwords.Matches("open sesame"));
    EXPECT_TRUE(passwords.Matches("new one two"));
}

TEST_F(CliCommandsTest, SetExportPasswordRefusesPasswordsShorterThanEight) {
    const CliRun run = Run({"set-export-password", "1"}, "seven 7\nseven 7\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("shorter than 8 characters"), std::string::npos);
    ExportPasswords passwords(Path("settings"));
    ASSERT_TRUE(passwords.Load().Ok());
    EXPECT_FALSE(passwords.IsSet(1));
}

TEST_F(CliCommandsTest, ACommandThatChangedAFileKeepsItsStatusWhenItsSummaryCannotBePrinted) {
    const std::string csv = texts::kCsvHeader + FormatCsvLine(reports_test::AwkwardRecord());
    WriteFile(Path("in.csv"), csv);
    CliRun run = Run({"import", Path("in.csv"), Path("new")}, "", "/dev/full");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.err.find("the summary could not be written in full"), std::string::npos);
    EXPECT_EQ(ReadFile(Path("new.rpc")).size(), 243u + 2187u);

    run = Run({"export", Path("clinic"), Path("out"), "--accept-privacy"}, "open sesame\n", "/dev/full");
    EXPECT_EQ(run.status, 0);
    const std::string exported = ReadFile(Path("out.csv"));
    EXPECT_EQ(std::count(exported.begin(), exported.end(), '\n'), 5);

    run = Run({"report", Path("clinic"), "--record", "0", "--rtf", Path("out")}, "", "/dev/full");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(FileExists(Path("out.rtf")));
}

TEST_F(CliCommandsTest, ACommandThatFailedChangedNothingWhateverItsOutput) {
    const std::string before = ReadFile(Path("clinic.rpc"));
    WriteFile(Path("bad.csv"), texts::kCsvHeader + std::string("not a row\r\n"));
    const CliRun run = Run({"import", Path("bad.csv"), Path("clinic")}, "", "/dev/full");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(ReadFile(Path("clinic.rpc")), before);
}

TEST_F(CliCommandsTest, ImportingTheSameCsvTwiceAddsItsRowsOnceAndSaysSo) {
    ASSERT_EQ(Run({"export", Path("clinic"), Path("first"), "--accept-privacy"}, "open sesame\n").status, 0);
    CliRun run = Run({"import", Path("first.csv"), Path("copy")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("The CSV was read as Windows-1252."), std::string::npos);
    const std::string once = ReadFile(Path("copy.rpc"));

    run = Run({"import", Path("first.csv"), Path("copy")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Imported 0 records into " + Path("copy.rpc") + ".\n"), std::string::npos);
    EXPECT_NE(run.out.find("4 rows were left out"), std::string::npos);
    EXPECT_EQ(ReadFile(Path("copy.rpc")), once);
}

TEST_F(CliCommandsTest, ImportReadsOnlyOrdinaryFilesOfAnExportsSize) {
    ASSERT_EQ(::mkfifo(Path("pipe.csv").c_str(), 0600), 0);
    ::mkdir(Path("folder.csv").c_str(), 0700);
    WriteFile(Path("huge.csv"), std::string(LargestImportCsv() + 1, 'x'));
    const std::pair<std::string, std::string> cases[] = {
        {Path("pipe.csv"), "is not an ordinary file"},   {"/dev/zero", "is not an ordinary file"},
        {Path("folder.csv"), "is a folder, not a file"}, {Path("huge.csv"), "is larger than any export"},
        {Path("missing.csv"), "could not be read"},
    };
    for (const auto& [csv, problem] : cases) {
        const CliRun run = Run({"import", csv, Path("target")});
        EXPECT_EQ(run.status, 2) << csv;
        EXPECT_NE(run.err.find(problem), std::string::npos) << run.err;
        EXPECT_FALSE(FileExists(Path("target.rpc"))) << csv;
    }
}

TEST_F(CliCommandsTest, ARecordFileThatIsAFolderIsNamedAsOne) {
    ::mkdir(Path("records.rpc").c_str(), 0700);
    WriteFile(Path("in.csv"), texts::kCsvHeader + FormatCsvLine(reports_test::AwkwardRecord()));
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"list", Path("records")},
          {"import", Path("in.csv"), Path("records")},
          {"report", Path("records"), "--record", "0", "--rtf", Path("out")}}) {
        const CliRun run = Run(args);
        EXPECT_EQ(run.status, 2) << args[0];
        EXPECT_NE(run.err.find("The record file named is a folder, not a file: " + Path("records.rpc")),
                  std::string::npos)
            << run.err;
    }
}

TEST_F(CliCommandsTest, ControlCharactersOfFileNamesReachTheTerminalEscaped) {
    const std::string name = Path("red\x1b[31m\nname");
    CliRun run = Run({"import", name + ".csv", Path("target")});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("red\\x1b[31m\\x0aname.csv"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\x1b'), std::string::npos);

    run = Run({"list", name});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("red\\x1b[31m\\x0aname"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\x1b'), std::string::npos);

    run = Run({"list", "--\x1b[2J"});
    EXPECT_EQ(run.err.find('\x1b'), std::string::npos);
}

}  // namespace
}  // namespace orva
