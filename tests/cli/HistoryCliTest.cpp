// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/support/CliTestSupport.h"
#include "store/RecordFormat.h"
#include "support/RecordBuilder.h"

namespace orva {
namespace {

using nlohmann::json;
using testsupport::CliRun;
using testsupport::RecordBuilder;
using cli_test::Contains;
using cli_test::kDailySaves;
using cli_test::MakePerson;
using testsupport::RunCli;


AssessmentRecord Completed(const AssessmentRecord& record, int year, int month, int day) {
    return RecordBuilder(record).Completed(year, month, day);
}

// Alex Citizen, born 17 May 2012, assessed on three dates; and someone with the same names born a day later.
class HistoryFile : public ::testing::Test {
  protected:
    void SetUp() override {
        path_ = dir_.Path("family.rpc");
        const AssessmentRecord otherBirth =
            RecordBuilder(MakePerson(kSelf, "Alex", "Citizen", {{21, 5}, {61, 5}, {72, 5}})).Born(2012, 5, 18);
        ASSERT_TRUE(testsupport::AppendRecords(
            path_,
            {
                Completed(MakePerson(kSelf, "Alex", "Citizen", {{21, 3}, {61, 4}, {72, 5}}), 2023, 6, 1),
                Completed(MakePerson(kParent, "Alex", "Citizen", {{4, 3}, {15, 2}, {83, 4}}, "Pat"), 2024, 2,
                          1),
                Completed(MakePerson(kTeacher, "Alex", "Citizen", {{2, 4}, {111, 5}}, "Ms Brown"), 2024, 2,
                          1),
                Completed(MakePerson(kSelf, "Alex", "Citizen", {}), 2024, 2, 1),
                Completed(otherBirth, 2024, 2, 1),
                // The names as someone else typed them: the same person to the selection dialogs.
                Completed(MakePerson(kSelf, "alex", "CITIZEN ", {{1, 4}, {14, 4}, {23, 4}, {27, 4}}), 2022, 1,
                          10),
            }, kDailySaves));
    }

    std::vector<std::string> Args(std::vector<std::string> more = {}) const {
        std::vector<std::string> args = {"history",     path_,     "--first-name", "Alex",
                                         "--last-name", "Citizen", "--birth-date", "20120517"};
        args.insert(args.end(), more.begin(), more.end());
        return args;
    }

    std::string path_;
    testsupport::TempFolder dir_;
};

TEST_F(HistoryFile, JsonListsThePersonsRecordsByCompletionDateThenReporter) {
    const CliRun run = RunCli(Args({"--json"}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const json doc = json::parse(run.out);
    const json& assessments = doc["assessments"];
    ASSERT_EQ(assessments.size(), 5u);
    const auto required = [](const json& a) {
        return json{{"position", a["position"]},
                    {"completion_date", a["completion_date"]},
                    {"reporter", a["reporter"]},
                    {"positive_screens", a["positive_screens"]},
                    {"positive_rows", a["positive_rows"]}};
    };
    EXPECT_EQ(required(assessments[0]), json::parse(R"({"position": 5, "completion_date": "20220110",
        "reporter": "Self Assessment", "positive_screens": 1, "positive_rows": ["GAD"]})"));
    EXPECT_EQ(required(assessments[1]), json::parse(R"({"position": 0, "completion_date": "20230601",
        "reporter": "Self Assessment", "positive_screens": 1, "positive_rows": ["OCD"]})"));
    EXPECT_EQ(required(assessments[2]), json::parse(R"({"position": 3, "completion_date": "20240201",
        "reporter": "Self Assessment", "positive_screens": 0, "positive_rows": []})"));
    EXPECT_EQ(required(assessments[3]), json::parse(R"({"position": 1, "completion_date": "20240201",
        "reporter": "Parent", "positive_screens": 1, "positive_rows": ["CD"]})"));
    EXPECT_EQ(required(assessments[4]), json::parse(R"({"position": 2, "completion_date": "20240201",
        "reporter": "Teacher", "positive_screens": 1, "positive_rows": ["PTSD"]})"));
}

TEST_F(HistoryFile, JsonGivesWhatTheWindowShowsOfEachAssessment) {
    const CliRun run = RunCli(Args({"--json"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const json doc = json::parse(run.out);
    EXPECT_EQ(doc["person"],
              json::parse(R"({"first_name": "Alex", "last_name": "Citizen", "birth_date": "20120517"})"));
    const json& teacher = doc["assessments"][4];
    ASSERT_EQ(teacher["rows"].size(), 23u);
    EXPECT_EQ(teacher["rows"][2],
              json::parse(R"({"id": "PTSD", "positive": true, "counts": [2], "score": "2"})"));
    EXPECT_EQ(teacher["rows"][3]["score"], "Not Assessed in the TRF");
    EXPECT_EQ(teacher["omega"], "---");
    EXPECT_EQ(teacher["omega_value"], nullptr);
    EXPECT_EQ(teacher["observer_name"], "Ms Brown");
    EXPECT_EQ(doc["assessments"][1]["rows"][0]["counts"], json::parse("[0, 0]"));
    // The last completion date as one analysis: its Self, Parent and Teacher records.
    ASSERT_EQ(doc["periods"].size(), 3u);
    EXPECT_EQ(doc["periods"][2], json::parse(R"({"completion_date": "20240201", "columns": [2, 3, 4],
        "records": {"self": 3, "parent": 1, "teacher": 2}})"));
    EXPECT_EQ(doc["periods"][0]["records"], json::parse(R"({"self": 5, "parent": null, "teacher": null})"));
}

TEST_F(HistoryFile, TableHasAColumnPerAssessmentAndTheCommandsOfEachDate) {
    const CliRun run = RunCli(Args());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "History of Alex Citizen, born 17/05/2012, in " + path_ + "\n"));
    EXPECT_TRUE(Contains(run.out, "Assessments: 5\n"));
    EXPECT_TRUE(Contains(run.out, "| 10/01/2022      |"));
    EXPECT_TRUE(Contains(run.out, "| Self Assessment |"));
    EXPECT_TRUE(Contains(run.out, "| position 5      |"));
    EXPECT_TRUE(Contains(run.out, "| Obsessive-compulsive disorder "));
    EXPECT_TRUE(Contains(run.out, "| 3 *"));
    EXPECT_TRUE(Contains(run.out, "| Number of positive screens "));
    EXPECT_TRUE(Contains(run.out, "| Omega "));
    EXPECT_TRUE(
        Contains(run.out, "  01/02/2024: orva-cli analyse " + path_ + " --record 3 --record 1 --record 2\n"));
}

TEST_F(HistoryFile, DamagedRecordsAreSkippedCountedAndGiveStatusOne) {
    cli_test::PatchByte(path_, static_cast<long long>(kHeaderSize + kStoredRecordSize * 3 + 700), 0xFF);
    const CliRun run = RunCli(Args({"--json"}));
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(
        Contains(run.err, "orva-cli: Partial File Corruption\nUnfortunately 1 records failed to load"))
        << run.err;
    EXPECT_EQ(json::parse(run.out)["assessments"].size(), 4u);
}

TEST_F(HistoryFile, OutputThatCannotBeWrittenIsAFailure) {
    if (!testsupport::FileExists("/dev/full")) GTEST_SKIP() << "no device that is always full";
    const CliRun run = RunCli(Args({"--json"}), {}, "/dev/full");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "orva-cli: the output could not be written in full\n");
}

struct HistoryRefusal {
    const char* name;
    std::vector<std::string> args;  // "FILE" stands for the fixture's record file
    std::string message;
    int status = 2;  // 3: the file was read and holds no record of the person
};

void PrintTo(const HistoryRefusal& c, std::ostream* os) {
    *os << c.name;
}

class HistoryRefused : public HistoryFile, public ::testing::WithParamInterface<HistoryRefusal> {};

TEST_P(HistoryRefused, ExitsWithStatusTwoAndSaysWhy) {
    std::vector<std::string> args = GetParam().args;
    for (std::string& arg : args) {
        if (arg == "FILE") arg = path_;
        if (arg == "MISSING") arg = dir_.Path("missing");
    }
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_TRUE(Contains(run.err, GetParam().message)) << run.err;
    EXPECT_EQ(run.out, "");
}

const std::string kNoMatch =
    "orva-cli: No Matching Records\nThere were no records in the specified ORVA file\nwith the requested "
    "name and "
    "date of birth.\n";

INSTANTIATE_TEST_SUITE_P(
    CommandLines, HistoryRefused,
    ::testing::Values(
        HistoryRefusal{"NoFile", {"history", "--first-name", "Alex"}, "orva-cli: no record file given"},
        HistoryRefusal{"NoFirstName",
                       {"history", "FILE", "--last-name", "Citizen", "--birth-date", "20120517"},
                       "orva-cli: Mandatory Field\n'First Name' and 'Last Name' are mandatory.\n"},
        HistoryRefusal{
            "BlankLastName",
            {"history", "FILE", "--first-name", "Alex", "--last-name", "  ", "--birth-date", "20120517"},
            "orva-cli: Mandatory Field\n'First Name' and 'Last Name' are mandatory.\n"},
        HistoryRefusal{"NoBirthDate",
                       {"history", "FILE", "--first-name", "Alex", "--last-name", "Citizen"},
                       "orva-cli: Mandatory Field\n'Date Of Birth' is mandatory.\n"},
        HistoryRefusal{
            "BirthDateWithDashes",
            {"history", "FILE", "--first-name", "Alex", "--last-name", "Citizen", "--birth-date=2012-05-17"},
            "orva-cli: a date of birth is written YYYYMMDD: 2012-05-17"},
        HistoryRefusal{
            "NoSuchDay",
            {"history", "FILE", "--first-name", "Alex", "--last-name", "Citizen", "--birth-date", "20120230"},
            "orva-cli: Incorrect Date\n"},
        HistoryRefusal{
            "UnknownOption", {"history", "FILE", "--record", "0"}, "orva-cli: unknown option: --record"},
        HistoryRefusal{
            "OtherBirthDate",
            {"history", "FILE", "--first-name", "Alex", "--last-name", "Citizen", "--birth-date", "20120516"},
            kNoMatch,
            3},
        HistoryRefusal{"NameNoRecordCanHold",
                       {"history", "FILE", "--first-name", "Alex\xE2\x84\xA6", "--last-name", "Citizen",
                        "--birth-date", "20120517"},
                       kNoMatch,
                       3},
        HistoryRefusal{"MissingFile",
                       {"history", "MISSING", "--first-name", "Alex", "--last-name", "Citizen",
                        "--birth-date", "20120517"},
                       "orva-cli: File Not Found\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orva
