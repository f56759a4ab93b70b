// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "cli/support/CliTestSupport.h"
#include "cli/CommandTable.h"
#include "store/RecordFormat.h"

namespace orva {
namespace {

using nlohmann::json;
using testing::AppendRecords;
using testing::CliRun;
using testing::Contains;
using testing::MakePerson;
using testing::RunCli;


// One person's three reports, a second Parent-report, and a record with Windows-1252 letters,
// quotes, a backslash and a tab in its texts.
class CliFile : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = dir_.Path("family.rpc");
        AppendRecords(path_, {
            // Self: OCD positive; Omega 0.04.
            MakePerson(kSelf, "Alex", "Citizen",
                       {{21, 3}, {61, 4}, {72, 5}, {57, 3}, {95, 3}, {36, 4}, {14, 3}, {86, 1}, {37, 2},
                        {65, 5}, {27, 4}, {19, 0}, {59, 1}}),
            // Parent: CD positive, item 15 at "Sometimes"; Omega 0.10.
            MakePerson(kParent, "Alex", "Citizen",
                       {{4, 3}, {15, 2}, {83, 4}, {57, 3}, {95, 3}, {36, 3}, {14, 4}, {86, 2}, {37, 1},
                        {65, 0}, {27, 1}},
                       "Pat Citizen"),
            // Teacher: two PTSD items, enough for a teacher; too few pairs for Omega.
            MakePerson(kTeacher, "Alex", "Citizen", {{2, 4}, {111, 5}}, "Ms Brown"),
            MakePerson(kParent, "Alex", "Citizen", {}, "Sam Citizen"),
            MakePerson(kSelf, "Zo\xEB", "O\"Brien\\\x9C", {}, "a\t" "b"),
        });
    }

    std::string path_;
    testing::TempFolder dir_;
};

TEST_F(CliFile, ListJsonDescribesEveryRecordAsStored) {
    const CliRun run = RunCli({"list", path_, "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const json doc = json::parse(run.out);
    EXPECT_EQ(doc["file"], path_);
    EXPECT_EQ(doc["records"], 5);
    EXPECT_EQ(doc["loaded"], 5);
    EXPECT_EQ(doc["failed"], json::array());
    ASSERT_EQ(doc["rows"].size(), 5u);
    EXPECT_EQ(doc["rows"][1], json::parse(R"({"position": 1, "first_name": "Alex", "last_name": "Citizen",
        "birth_date": "20120517", "saved": "20240302100002", "reporter": "Parent", "observer_name": "Pat Citizen",
        "data_entry": "0"})"));
    EXPECT_EQ(doc["rows"][2]["reporter"], "Teacher");
    EXPECT_EQ(doc["rows"][2]["data_entry"], "1");
    EXPECT_EQ(doc["rows"][0]["reporter"], "Self Assessment");
    for (int i = 0; i < 5; ++i) EXPECT_EQ(doc["rows"][i]["position"], i);
    // Key order is part of the interface scripts read.
    const nlohmann::ordered_json ordered = nlohmann::ordered_json::parse(run.out);
    std::vector<std::string> keys;
    for (const auto& item : ordered["rows"][0].items()) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"position", "first_name", "last_name", "birth_date", "saved",
                                              "reporter", "observer_name", "data_entry"}));
}

TEST_F(CliFile, ListJsonConvertsWindows1252AndEscapesEverything) {
    const CliRun run = RunCli({"list", path_, "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const json row = json::parse(run.out)["rows"][4];
    EXPECT_EQ(row["first_name"], "Zo\xC3\xAB");
    EXPECT_EQ(row["last_name"], "O\"Brien\\\xC5\x93");
    EXPECT_EQ(row["observer_name"], "a\t" "b");
    EXPECT_TRUE(Contains(run.out, "a\\tb"));
}

TEST_F(CliFile, ListTableShowsRowsInFileOrder) {
    const CliRun run = RunCli({"list", path_});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "File: " + path_ + "\nRecords: 5, listed: 5, failed: 0\n"));
    EXPECT_TRUE(Contains(run.out, "| 1   | Alex       | Citizen   | 17/05/2012 | 02/03/2024 10:00:02 | Parent"));
    EXPECT_TRUE(Contains(run.out, "| Teacher         | Ms Brown    | Paper"));
    EXPECT_TRUE(Contains(run.out, "Zo\xC3\xAB"));
    EXPECT_TRUE(Contains(run.out, "a?b"));
    EXPECT_LT(run.out.find("| 3 "), run.out.find("| 4 "));
}

TEST_F(CliFile, FileNamedWithOrWithoutExtensionIsTheSameFile) {
    const std::string withoutExtension = path_.substr(0, path_.size() - 4);
    const CliRun with = RunCli({"list", path_, "--json"});
    const CliRun without = RunCli({"list", "--json", withoutExtension});
    ASSERT_EQ(without.status, 0) << without.err;
    EXPECT_EQ(with.out, without.out);
}

TEST_F(CliFile, CorruptRecordIsSkippedReportedAndGivesStatusOne) {
    testing::PatchByte(path_, kHeaderSize + kStoredRecordSize * 1 + 500, 0xFF);
    testing::PatchByte(path_, kHeaderSize + kStoredRecordSize * 1 + 501, 0xFF);
    const CliRun run = RunCli({"list", path_, "--json"});
    EXPECT_EQ(run.status, 1);
    const json doc = json::parse(run.out);
    EXPECT_EQ(doc["records"], 5);
    EXPECT_EQ(doc["loaded"], 4);
    EXPECT_EQ(doc["failed"], json::array({1}));
    EXPECT_EQ(doc["rows"][1]["position"], 2);
    EXPECT_EQ(run.err,
              "orva-cli: Partial File Corruption\nUnfortunately 1 records failed to load from the file,\nindicating "
              "some file corruption.\n\nPlease contact your system administrator for assistance.\n"
              "Positions of the records that failed to load: 1\n");

    // The analysis of sound records goes on, and says the file is damaged.
    const CliRun analysis = RunCli({"analyse", path_, "--record", "0", "--json"});
    EXPECT_EQ(analysis.status, 1);
    EXPECT_EQ(json::parse(analysis.out)["rows"][1]["self"]["score"], "3");
    // The damaged record itself cannot be analysed.
    const CliRun damaged = RunCli({"analyse", path_, "--record", "1"});
    EXPECT_EQ(damaged.status, 2);
    EXPECT_TRUE(Contains(damaged.err, "orva-cli: Read Error\nThere was an error trying to read the records you have "
                                      "selected.\n\nPlease try again.\n"));
    EXPECT_TRUE(Contains(damaged.err, "position 1"));
    EXPECT_EQ(damaged.out, "");
}

TEST_F(CliFile, AnalyseJsonShowsWhatTheGridShows) {
    // Teacher first: the slots follow the reporters, not the order given.
    const CliRun run = RunCli({"analyse", path_, "--record", "2", "--record", "0", "--record=1", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const json doc = json::parse(run.out);
    const nlohmann::ordered_json ordered = nlohmann::ordered_json::parse(run.out);
    std::vector<std::string> keys;
    for (const auto& item : ordered.items()) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"rows", "positive_screens", "omega", "reliability_attained",
                                              "reliability_comment", "follow_up", "person"}));
    const json& rows = doc["rows"];
    ASSERT_EQ(rows.size(), 23u);
    EXPECT_EQ(rows[0], json::parse(R"({"id": "GAD", "label": "Generalised anxiety disorder", "cutoff": ">=1\n>=3",
        "self": {"score": "0\n2", "shaded": false, "counts": [0, 2], "positive": false},
        "parent": {"score": "0\n1", "shaded": false, "counts": [0, 1], "positive": false},
        "teacher": {"score": "0\n0", "shaded": false, "counts": [0, 0], "positive": false},
        "cutoff_attained": "NO", "items_met": ""})"));
    EXPECT_EQ(rows[1]["self"], json::parse(R"({"score": "3", "shaded": true, "counts": [3], "positive": true})"));
    EXPECT_EQ(rows[1]["items_met"], "[21, 61, 72]");
    EXPECT_EQ(rows[2]["cutoff"], ">=3\n{TRS>=2}");
    EXPECT_EQ(rows[2]["teacher"], json::parse(R"({"score": "2", "shaded": true, "counts": [2], "positive": true})"));
    EXPECT_EQ(rows[2]["cutoff_attained"], "YES");
    EXPECT_EQ(rows[2]["items_met"], "{2, 111}");
    EXPECT_EQ(rows[3]["teacher"],
              json::parse(R"({"score": "Not Assessed in the TRF", "shaded": false, "counts": [0], "positive": false})"));
    EXPECT_EQ(rows[7]["parent"], json::parse(R"({"score": "3", "shaded": true, "counts": [3], "positive": true})"));
    EXPECT_EQ(rows[7]["items_met"], "(4, 15, 83)");
    EXPECT_EQ(rows[8]["id"], "ODD");
    EXPECT_EQ(rows[8]["parent"]["score"], "1\n3");
    EXPECT_EQ(rows[18]["label"], "Asperger's disorder (#4)\n(Total score also evaluated)");
    EXPECT_EQ(rows[22]["id"], "TD");
    EXPECT_EQ(doc["positive_screens"], json::parse(R"({"self": "1", "parent": "1", "teacher": "1"})"));
    EXPECT_EQ(doc["omega"], json::parse(R"({"self": " 0.04", "parent": " 0.10", "teacher": "---"})"));
    EXPECT_EQ(doc["reliability_attained"], "YES");
    EXPECT_EQ(doc["reliability_comment"],
              "The Self-report was below the Omega cutoff.   The Parent-report was above the Omega cutoff.   Too few "
              "Teacher-report responses to calculate Omega.");
    EXPECT_EQ(doc["follow_up"], json::parse(R"([{"item": 2, "reporter": "teacher", "answer": 4},
                                               {"item": 111, "reporter": "teacher", "answer": 5}])"));
}

// Scripts may read the numbers instead of the texts: they say the same in every cell.
TEST_F(CliFile, AnalyseJsonNumbersAgreeWithTheScoreTexts) {
    const CliRun run = RunCli({"analyse", path_, "--record", "2", "--record", "0", "--record=1", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const json doc = json::parse(run.out);
    for (const json& row : doc["rows"]) {
        for (const char* key : {"self", "parent", "teacher"}) {
            const json& cell = row[key];
            EXPECT_EQ(cell["positive"], cell["shaded"]) << row["id"] << " " << key;
            if (cell["score"] == "Not Assessed in the TRF") continue;
            std::string joined;
            for (const json& count : cell["counts"]) {
                if (!joined.empty()) joined += '\n';
                joined += std::to_string(count.get<int>());
            }
            EXPECT_EQ(joined, cell["score"]) << row["id"] << " " << key;
        }
    }
}

TEST_F(CliFile, AnalyseOfOneReportLeavesTheOthersEmpty) {
    const CliRun run = RunCli({"analyse", path_, "--json", "--record", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    const json doc = json::parse(run.out);
    for (const json& row : doc["rows"]) {
        EXPECT_EQ(row["self"], json::parse(R"({"score": "", "shaded": false, "counts": [], "positive": false})"));
        EXPECT_EQ(row["parent"], json::parse(R"({"score": "", "shaded": false, "counts": [], "positive": false})"));
    }
    EXPECT_EQ(doc["positive_screens"], json::parse(R"({"self": "", "parent": "", "teacher": "1"})"));
    EXPECT_EQ(doc["omega"], json::parse(R"({"self": " ", "parent": " ", "teacher": "---"})"));
    EXPECT_EQ(doc["reliability_attained"], "NO");
}

TEST_F(CliFile, AnalyseTableShowsTheGridWithShadedCellsMarked) {
    const CliRun run = RunCli({"analyse", path_, "--record", "0", "--record", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "Analysis of " + path_ + "\n"));
    EXPECT_TRUE(Contains(run.out, "Self-report:    position 0  Alex Citizen  saved 01/03/2024 10:00:01\n"));
    EXPECT_TRUE(Contains(run.out, "Parent-report:  none\n"));
    EXPECT_TRUE(Contains(run.out, "Teacher-report: position 2  Alex Citizen  saved 03/03/2024 10:00:03  observer: "
                                  "Ms Brown\n"));
    EXPECT_TRUE(Contains(run.out, "| Disorder "));
    EXPECT_TRUE(Contains(run.out, "| Obsessive-compulsive disorder "));
    EXPECT_TRUE(Contains(run.out, "| 3 * "));
    EXPECT_TRUE(Contains(run.out, "| YES * "));
    EXPECT_TRUE(Contains(run.out, "Not Assessed in the TRF"));
    EXPECT_TRUE(Contains(run.out, "| Number of positive screens "));
    EXPECT_TRUE(Contains(run.out, "Reliability Measure (Omega Statistic)"));
    EXPECT_TRUE(Contains(run.out, "|  0.04 "));
    EXPECT_TRUE(Contains(run.out, "The Self-report was below the Omega cutoff."));
    EXPECT_TRUE(Contains(run.out, "Items to follow up\n"));
    EXPECT_TRUE(Contains(run.out, "| 111  | Teacher  | Very Often | "));
    EXPECT_FALSE(Contains(run.out, "None endorsed"));
    EXPECT_TRUE(
        Contains(RunCli({"analyse", path_, "--record", "0"}).out, "Items to follow up\nNone endorsed\n"));
}

// Refusals: status 2, a clear message on the error stream, nothing on the output stream.
struct RefusalCase {
    const char* name;
    std::vector<std::string> args;  // "FILE" stands for the fixture's record file
    std::string message;            // expected within the error stream
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

const std::vector<RefusalCase> kRefusals = {
    {"NoCommand", {}, "orva-cli: no command given\n\nUsage:"},
    {"UnknownCommand", {"lsit", "FILE"}, "orva-cli: unknown command: lsit"},
    {"ListWithoutFile", {"list"}, "orva-cli: no record file given"},
    {"ListTwoFiles", {"list", "FILE", "other"}, "orva-cli: unexpected argument: other"},
    {"ListUnknownOption", {"list", "FILE", "--jsn"}, "orva-cli: unknown option: --jsn"},
    {"ListTakesNoRecord", {"list", "FILE", "--record", "0"}, "orva-cli: unknown option: --record"},
    {"OtherExtension", {"list", "family.txt"},
     "orva-cli: Incorrect File Name\nYou must enter a ORVA filename without the extension.  For example:  "
     "c:/data_files/ORVA_2005\n"},
    {"EmptyFileName", {"list", ""}, "orva-cli: Incorrect File Name\nYou have not entered a filename.\n"},
    {"AnalyseWithoutRecord", {"analyse", "FILE"}, "orva-cli: choose the records to analyse with --record POS"},
    {"RecordWithoutPosition", {"analyse", "FILE", "--record"}, "orva-cli: --record needs a record position"},
    {"NegativePosition", {"analyse", "FILE", "--record", "-1"}, "a record position is a whole number 0, 1, 2, ...: -1"},
    {"WordPosition", {"analyse", "FILE", "--record", "two"}, ": two"},
    {"FractionPosition", {"analyse", "FILE", "--record=1.5"}, ": 1.5"},
    {"HugePosition", {"analyse", "FILE", "--record", "99999999999"}, ": 99999999999"},
    {"FourRecords", {"analyse", "FILE", "--record", "0", "--record", "1", "--record", "2", "--record", "4"},
     "orva-cli: Too Many Selections\nYou are limited to select at most three assessments.\n\nPlease select at most "
     "one of each of\n\nSelf Assessment, Parent Assessment and Teacher Assessment.\n"},
    {"TwoParents", {"analyse", "FILE", "--record", "1", "--record", "3"},
     "orva-cli: Multiple Parent Assessments\nYou have selected more than one Parent Assessment.\n\nYou are limited "
     "to select at most one of each of\n\nSelf Assessment, Parent Assessment and Teacher Assessment.\n"},
    {"TwoSelf", {"analyse", "FILE", "--record", "4", "--record", "2", "--record", "0"},
     "orva-cli: Multiple Self Assessments\n"},
    {"SameRecordTwice", {"analyse", "FILE", "--record", "2", "--record", "2"},
     "orva-cli: Multiple Teacher Assessments\n"},
    {"DifferentPersons", {"analyse", "FILE", "--record", "4", "--record", "1"},
     "orva-cli: The chosen records are not all of one person (first name, last name and date of birth); an "
     "analysis combines the reports of one young person only.\n"},
    {"PositionBeyondEnd", {"analyse", "FILE", "--record", "5"},
     "orva-cli: Read Error\nThere was an error trying to read the records you have selected.\n\nPlease try again.\n"
     "There is no record at position 5; the file holds 5 records.\n"},
};

class Refusal : public CliFile, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusal, ExitsWithStatusTwoAndSaysWhy) {
    std::vector<std::string> args = GetParam().args;
    for (std::string& arg : args) {
        if (arg == "FILE") arg = path_;
        if (arg == "family.txt") arg = dir_.Path("family.txt");
    }
    const std::string before = testing::ReadFile(path_);
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(Contains(run.err, GetParam().message)) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(testing::ReadFile(path_), before);
}

INSTANTIATE_TEST_SUITE_P(CommandLines, Refusal, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CliFiles, MissingFileIsReportedAndNotCreated) {
    testing::TempFolder dir;
    const std::string missing = dir.Path("missing");
    const CliRun run = RunCli({"list", missing});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "orva-cli: File Not Found\nThe file '" + missing + ".rpc' was not found.\n");
    EXPECT_FALSE(testing::FileExists(missing + ".rpc"));
}

struct BadFileCase {
    const char* name;
    std::string bytes;
};

void PrintTo(const BadFileCase& c, std::ostream* os) { *os << c.name; }

std::string ValidLengthFile(const std::string& start) {
    std::string bytes(kHeaderSize + kStoredRecordSize, '\0');
    bytes.replace(0, start.size(), start);
    return bytes;
}

const std::vector<BadFileCase> kBadFiles = {
    {"Empty", ""},
    {"TooShort", std::string(kHeaderSize + kStoredRecordSize - 1, 'O')},
    {"WrongHeaderWord", ValidLengthFile("OVRA 4.0  ")},
};

class BadFile : public ::testing::TestWithParam<BadFileCase> {};

TEST_P(BadFile, IsRefusedWithTheReadErrorMessageAndLeftAsItWas) {
    testing::TempFolder dir;
    const std::string path = dir.Path("bad.rpc");
    testing::WriteFile(path, GetParam().bytes);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"list", path}, std::vector<std::string>{"analyse", path, "--record", "0"}}) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err,
                  "orva-cli: Partial File Corruption\nThere was a read error or file validation error,\nindicating "
                  "some file corruption.\n\nPlease contact your system administrator for assistance.\n");
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(testing::ReadFile(path), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Files, BadFile, ::testing::ValuesIn(kBadFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CliFiles, AFileEndingInPartOfARecordListsItsWholeRecordsAndCountsThePartAsFailed) {
    testing::TempFolder dir;
    const std::string path = dir.Path("cut.rpc");
    const std::string bytes = ValidLengthFile("ORVA 4.0  ") + "x";
    testing::WriteFile(path, bytes);
    const CliRun run = RunCli({"list", path, "--json"});
    EXPECT_EQ(run.status, 1);
    const json doc = json::parse(run.out);
    EXPECT_EQ(doc["records"], 2);
    EXPECT_EQ(doc["failed"], json::array({0, 1}));
    const CliRun check = RunCli({"check", path, "--json"});
    EXPECT_EQ(check.status, 1);
    EXPECT_EQ(json::parse(check.out)["partial_tail"], true);
    EXPECT_EQ(testing::ReadFile(path), bytes);
}

TEST(CliFiles, EveryRecordFailingStillListsTheFileWithStatusOne) {
    testing::TempFolder dir;
    const std::string path = dir.Path("scrambled.rpc");
    std::string bytes = ValidLengthFile("ORVA 4.0  ");
    bytes += std::string(kStoredRecordSize, '\x7f');
    testing::WriteFile(path, bytes);
    const CliRun run = RunCli({"list", path, "--json"});
    EXPECT_EQ(run.status, 1);
    const json doc = json::parse(run.out);
    EXPECT_EQ(doc["records"], 2);
    EXPECT_EQ(doc["loaded"], 0);
    EXPECT_EQ(doc["failed"], json::array({0, 1}));
    EXPECT_EQ(doc["rows"], json::array());
}

TEST(CliFiles, RecordWithoutLastNameIsNotAnalysed) {
    testing::TempFolder dir;
    const std::string path = dir.Path("nameless.rpc");
    AppendRecords(path, {MakePerson(kSelf, "Alex", "", {{21, 5}, {61, 5}, {72, 5}})});
    const CliRun run = RunCli({"analyse", path, "--record", "0", "--json"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "orva-cli: The record has no last name, so an analysis cannot show it: position 0\n");
    EXPECT_EQ(run.out, "");
}

TEST(CliFiles, ANameEndingInBlanksIsTheSamePersonAsTheDialogsFindIt) {
    testing::TempFolder dir;
    const std::string path = dir.Path("blanks.rpc");
    AppendRecords(path, {MakePerson(kSelf, "S\xF8ren", "M\xFCller  ", {{21, 5}}),
                         MakePerson(kParent, "S\xD8REN ", "M\xDCLLER", {{21, 5}}, "Mum")});
    const CliRun run = RunCli({"analyse", path, "--record", "0", "--record", "1", "--json"});
    EXPECT_EQ(run.status, 0) << run.err;
}

TEST_F(CliFile, OutputThatCannotBeWrittenIsAFailure) {
    if (!testing::FileExists("/dev/full")) GTEST_SKIP() << "no device that is always full";
    for (const std::vector<std::string>& args : {std::vector<std::string>{"list", path_, "--json"},
                                                 std::vector<std::string>{"analyse", path_, "--record", "0"}}) {
        const CliRun run = RunCli(args, {}, "/dev/full");
        EXPECT_EQ(run.status, 2) << args[0];
        EXPECT_EQ(run.err, "orva-cli: the output could not be written in full\n") << args[0];
    }
}

TEST(CliHelp, PrintsUsageAndSucceeds) {
    const CliRun run = RunCli({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(Contains(run.out, "orva-cli analyse FILE --record POS [--record POS] [--record POS] [--json]"));
}

TEST(CliHelp, NamesTheComparisonAndHistoryCommands) {
    const CliRun run = RunCli({"--help"});
    EXPECT_TRUE(Contains(run.out, "orva-cli compare FILE --record POS --record POS [--record POS] [--json]\n"));
    EXPECT_TRUE(Contains(run.out,
                         "orva-cli history FILE --first-name NAME --last-name NAME --birth-date YYYYMMDD [--json]\n"));
}

TEST(CliHelp, SaysWhatEachExitStatusMeansForTheFiles) {
    const CliRun run = RunCli({"--help"});
    EXPECT_TRUE(Contains(run.out, "The status tells what happened to the files. After 0, export and report"));
    EXPECT_TRUE(Contains(run.out, "After 2 no record file and no password was changed"));
}

TEST(CliHelp, EveryCommandAnswersItsOwnHelp) {
    for (const cli::CommandDefinition* command : cli::AllCommands()) {
        const std::string name(command->name);
        const CliRun run = RunCli({name, "--help"});
        EXPECT_EQ(run.status, 0) << name;
        EXPECT_EQ(run.out.rfind("Usage: orva-cli " + std::string(command->synopsis) + "\n", 0), 0u) << run.out;
        EXPECT_EQ(run.err, "") << name;
        // Help comes before whatever else is on the line.
        EXPECT_EQ(RunCli({name, "FILE", "--help", "--no-such-option"}).out, run.out) << name;
    }
}

TEST(CliHelp, CommandHelpThatCannotBeWrittenFails) {
    if (!testing::FileExists("/dev/full")) GTEST_SKIP() << "no device that is always full";
    const CliRun run = RunCli({"report", "--help"}, "", "/dev/full");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "orva-cli: the output could not be written in full\n");
}

TEST(CliHelp, HelpThatCannotBeWrittenFails) {
    if (!testing::FileExists("/dev/full")) GTEST_SKIP() << "no device that is always full";
    const CliRun run = RunCli({"--help"}, "", "/dev/full");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "orva-cli: the output could not be written in full\n");
}

}  // namespace
}  // namespace orva
