// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/support/CliTestSupport.h"

namespace orva {
namespace {

using nlohmann::json;
using testing::AppendRecords;
using testing::CliRun;
using testing::Contains;
using testing::MakePerson;
using testing::RunCli;


// Alex's three reports, and a Self-report of someone else.
class CompareFile : public ::testing::Test {
  protected:
    void SetUp() override {
        path_ = dir_.Path("family.rpc");
        AppendRecords(
            path_,
            {
                // OCD positive; item 7 is one teachers are not asked.
                MakePerson(kSelf, "Alex", "Citizen", {{1, 1}, {7, 2}, {21, 3}, {61, 4}, {72, 5}}),
                // CD positive, item 15 at "Sometimes"; OCD at two items only.
                MakePerson(kParent, "Alex", "Citizen",
                           {{1, 3}, {21, 1}, {61, 4}, {72, 5}, {4, 3}, {15, 2}, {83, 4}}, "Pat Citizen"),
                // Two PTSD items: enough for a teacher.
                MakePerson(kTeacher, "Alex", "Citizen", {{1, 0}, {2, 4}, {21, 1}, {111, 5}}, "Ms Brown"),
                MakePerson(kSelf, "Sam", "Citizen", {{1, 5}}),
            });
    }

    std::string path_;
    testing::TempFolder dir_;
};

TEST_F(CompareFile, JsonGivesEveryItemWithTheAnswersRowsAndMarks) {
    const CliRun run =
        RunCli({"compare", path_, "--record", "2", "--record", "0", "--record", "1", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const json doc = json::parse(run.out);
    const json& items = doc["items"];
    ASSERT_EQ(items.size(), 111u);
    for (std::size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i]["item"], i + 1);
    // Self 1 and Parent 3 are two points apart.
    EXPECT_EQ(items[0]["answers"], json::parse(R"({"self": 1, "parent": 3, "teacher": 0})"));
    EXPECT_EQ(items[0]["rows"], json::parse(R"(["GAD"])"));
    EXPECT_EQ(items[0]["disagreement"], true);
    // Not asked of teachers: no Teacher answer; blanks are null too.
    EXPECT_EQ(items[6]["answers"], json::parse(R"({"self": 2, "parent": null, "teacher": null})"));
    EXPECT_EQ(items[6]["not_asked_of_teacher"], true);
    EXPECT_EQ(items[6]["rows"], json::parse(R"(["PTSD"])"));
    EXPECT_EQ(items[6]["disagreement"], false);
    EXPECT_EQ(items[1]["answers"], json::parse(R"({"self": null, "parent": null, "teacher": 4})"));
    EXPECT_EQ(items[1]["counted_positive"],
              json::parse(R"({"self": [], "parent": [], "teacher": ["PTSD"]})"));
    EXPECT_EQ(items[20]["counted_positive"],
              json::parse(R"({"self": ["OCD"], "parent": [], "teacher": []})"));
    EXPECT_EQ(items[3]["rows"], json::parse(R"(["CD", "ODD"])"));
    EXPECT_EQ(items[14]["counted_positive"]["parent"], json::parse(R"(["CD"])"));
    EXPECT_EQ(items[18]["rows"], json::array());
    EXPECT_EQ(doc["person"]["name"], "Alex Citizen");
}

TEST_F(CompareFile, JsonGivesEachPairOfReportersInOrder) {
    const CliRun run =
        RunCli({"compare", path_, "--record", "2", "--record", "0", "--record", "1", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const json pairs = json::parse(run.out)["pairs"];
    ASSERT_EQ(pairs.size(), 3u);
    // Items 1, 21, 61 and 72: (1, 3), (3, 1), (4, 4), (5, 5); means 3.25; 4.75 / 8.75.
    EXPECT_EQ(pairs[0]["reporters"], json::parse(R"(["self", "parent"])"));
    EXPECT_EQ(pairs[0]["both_answered"], 4);
    EXPECT_DOUBLE_EQ(pairs[0]["identical_share"].get<double>(), 0.5);
    EXPECT_NEAR(pairs[0]["pearson_r"].get<double>(), 4.75 / 8.75, 1e-12);
    // Items 1 and 21 only (7 is not asked of teachers): too few for a correlation.
    EXPECT_EQ(pairs[1], json::parse(R"({"reporters": ["self", "teacher"], "both_answered": 2,
        "identical_share": 0.0, "pearson_r": null})"));
    EXPECT_EQ(pairs[2], json::parse(R"({"reporters": ["parent", "teacher"], "both_answered": 2,
        "identical_share": 0.5, "pearson_r": null})"));
}

TEST_F(CompareFile, TwoReportsGiveTheirPairOnly) {
    const CliRun run = RunCli({"compare", path_, "--record", "2", "--record", "1", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const json doc = json::parse(run.out);
    ASSERT_EQ(doc["pairs"].size(), 1u);
    EXPECT_EQ(doc["pairs"][0]["reporters"], json::parse(R"(["parent", "teacher"])"));
    EXPECT_EQ(doc["items"][0]["answers"], json::parse(R"({"self": null, "parent": 3, "teacher": 0})"));
}

TEST_F(CompareFile, TableShowsTheAgreementAndTheItems) {
    const CliRun run = RunCli({"compare", path_, "--record", "0", "--record", "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "Comparison of " + path_ + "\n"));
    EXPECT_TRUE(Contains(run.out, "Parent-report:  position 1  Alex Citizen"));
    EXPECT_TRUE(Contains(run.out, "| Self and Parent | 4             | 50%       | 0.54      |"));
    EXPECT_TRUE(Contains(run.out, "neither is a statistical test."));
    EXPECT_TRUE(Contains(run.out, "| 21   |"));
    EXPECT_TRUE(Contains(run.out, "| 3 Regularly "));
    EXPECT_TRUE(Contains(run.out, "| [OCD] "));
    EXPECT_TRUE(Contains(run.out, "| YES "));
    EXPECT_FALSE(Contains(run.out, "| Teacher"));
}

struct CompareRefusal {
    const char* name;
    std::vector<std::string> records;
    std::string message;
};

void PrintTo(const CompareRefusal& c, std::ostream* os) {
    *os << c.name;
}

class CompareRefused : public CompareFile, public ::testing::WithParamInterface<CompareRefusal> {};

TEST_P(CompareRefused, ExitsWithStatusTwoAndSaysWhy) {
    std::vector<std::string> args = {"compare", path_, "--json"};
    for (const std::string& position : GetParam().records) {
        args.push_back("--record");
        args.push_back(position);
    }
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(Contains(run.err, GetParam().message)) << run.err;
    EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, CompareRefused,
    ::testing::Values(
        CompareRefusal{"None", {}, "orva-cli: choose two or three records to compare with --record POS"},
        CompareRefusal{"One", {"0"}, "orva-cli: choose two or three records to compare with --record POS"},
        CompareRefusal{"Four", {"0", "1", "2", "3"}, "orva-cli: Too Many Selections\n"},
        CompareRefusal{"TwoSelf", {"0", "3"}, "orva-cli: Multiple Self Assessments\n"},
        CompareRefusal{
            "BeyondTheEnd", {"0", "9"}, "There is no record at position 9; the file holds 4 records.\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CompareFile, ReportsOfDifferentPersonsAreNotCompared) {
    const CliRun run = RunCli({"compare", path_, "--record", "3", "--record", "1"});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(Contains(run.err, "are not all of one person")) << run.err;
}

TEST_F(CompareFile, OutputThatCannotBeWrittenIsAFailure) {
    if (!testing::FileExists("/dev/full")) GTEST_SKIP() << "no device that is always full";
    const CliRun run = RunCli({"compare", path_, "--record", "0", "--record", "1"}, {}, "/dev/full");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "orva-cli: the output could not be written in full\n");
}

}  // namespace
}  // namespace orva
