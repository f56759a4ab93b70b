#include <gtest/gtest.h>
#include <stdlib.h>

#include <array>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/ItemCatalogue.h"
#include "screening/ScreeningPresentation.h"

namespace orva {
namespace {

ReporterScore Score(std::vector<int> counts, bool notAssessed = false) {
    ReporterScore score;
    score.present = true;
    score.notAssessed = notAssessed;
    score.result.countCount = static_cast<int>(counts.size());
    for (std::size_t c = 0; c < counts.size(); ++c) score.result.counts[c] = counts[c];
    return score;
}

struct ScoreCase {
    const char* name;
    ReporterScore score;
    std::array<std::string, 3> lines;
    std::string text;
};

void PrintTo(const ScoreCase& c, std::ostream* os) { *os << c.name; }

const std::vector<ScoreCase> kScores = {
    {"Absent", ReporterScore{}, {"", "", ""}, ""},
    {"AbsentWithCounts", [] { ReporterScore s = Score({3, 1}); s.present = false; return s; }(), {"", "", ""}, ""},
    {"OneCount", Score({3}), {"3", "", ""}, "3"},
    {"TwoDigits", Score({12}), {"12", "", ""}, "12"},
    {"TwoCounts", Score({1, 3}), {"1", "3", ""}, "1\n3"},
    {"ZeroesCount", Score({0, 0}), {"0", "0", ""}, "0\n0"},
    {"ThreeCountsOnThreeLines", Score({4, 0, 2}), {"4", "0", "2"}, "4\n0\n2"},
    {"NotAssessedInsteadOfItsCounts", Score({3}, true), {"Not Assessed in the TRF", "", ""},
     "Not Assessed in the TRF"},
    {"NotAssessedIsOneLine", Score({0, 0}, true), {"Not Assessed in the TRF", "", ""}, "Not Assessed in the TRF"},
};

class ScoreTexts : public ::testing::TestWithParam<ScoreCase> {};

TEST_P(ScoreTexts, GiveOneLinePerCount) {
    const ScoreCase& c = GetParam();
    EXPECT_EQ(ScoreLines(c.score), c.lines);
    EXPECT_EQ(ScoreText(c.score), c.text);
}

INSTANTIATE_TEST_SUITE_P(Scores, ScoreTexts, ::testing::ValuesIn(kScores),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CutoffAttainedText, IsYesOrNo) {
    CombinedRow row;
    EXPECT_STREQ(CutoffAttainedText(row), "NO");
    row.cutoffAttained = true;
    EXPECT_STREQ(CutoffAttainedText(row), "YES");
}

TEST(ItemListText, JoinsTheItemsWithCommas) {
    EXPECT_EQ(ItemListText(ItemList{}), "");
    EXPECT_EQ(ItemListText(ItemList{56}), "56");
    EXPECT_EQ(ItemListText(ItemList{1, 14, 23, 27}), "1, 14, 23, 27");
    EXPECT_EQ(ItemListText(ItemList{5, 9, 32, 38, 46, 58, 67, 78, 91, 94, 107, 108}),
              "5, 9, 32, 38, 46, 58, 67, 78, 91, 94, 107, 108");
}

const ItemList kNone = {};
const ItemList kOcd = {21, 61, 72};

struct ItemsCase {
    const char* name;
    std::array<ItemList, 3> lists;  // Self, Parent, Teacher
    std::string text;
};

void PrintTo(const ItemsCase& c, std::ostream* os) { *os << c.name; }

const std::vector<ItemsCase> kItems = {
    {"Nobody", {}, ""},
    {"SelfOnly", {kOcd, kNone, kNone}, "[21, 61, 72]"},
    {"ParentOnly", {kNone, ItemList{4, 15, 83}, kNone}, "(4, 15, 83)"},
    {"TeacherOnly", {kNone, kNone, kOcd}, "{21, 61, 72}"},
    {"SelfAndParent", {kOcd, kOcd, kNone}, "[21, 61, 72]; (21, 61, 72)"},
    {"SelfAndTeacher", {ItemList{1, 14, 23, 27}, kNone, ItemList{14, 27, 87, 103}},
     "[1, 14, 23, 27]; {14, 27, 87, 103}"},
    {"ParentAndTeacher", {kNone, kOcd, kOcd}, "(21, 61, 72); {21, 61, 72}"},
    {"AllThree", {kOcd, kOcd, kOcd}, "[21, 61, 72]; (21, 61, 72); {21, 61, 72}"},
};

class ItemsMet : public ::testing::TestWithParam<ItemsCase> {};

TEST_P(ItemsMet, ListsEachReporterInItsBrackets) {
    CombinedRow row;
    for (int slot = 0; slot < 3; ++slot) row.reporters[slot].result.itemsMet = GetParam().lists[slot];
    EXPECT_EQ(ItemsMetText(row), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Reporters, ItemsMet, ::testing::ValuesIn(kItems),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ItemsMetText, TakesTheBracketsItIsGiven) {
    CombinedRow row;
    for (int slot = 0; slot < 3; ++slot) row.reporters[slot].result.itemsMet = ItemList{slot + 1};
    const ItemsMetBrackets angles = {{'<', '<', '<'}, {'>', '>', '>'}};
    EXPECT_EQ(ItemsMetText(row, angles), "<1>; <2>; <3>");
}

TEST(PositiveScreensText, IsTheCountOfAPresentReporterOnly) {
    AnalysisResult analysis;
    analysis.present = {true, false, true};
    analysis.positiveScreens = {0, 0, 16};
    EXPECT_EQ(PositiveScreensText(analysis, kSelf), "0");
    EXPECT_EQ(PositiveScreensText(analysis, kParent), "");
    EXPECT_EQ(PositiveScreensText(analysis, kTeacher), "16");
}

// Each item to follow up reads as its number, the reporter, the answer word and the wording
// that reporter was given.
TEST(FollowUpRows, NameTheReporterAndTheAnswer_InTheReportersOwnWording) {
    AnalysisResult analysis;
    EXPECT_TRUE(FollowUpRows(analysis).empty());
    analysis.followUp = {{30, kSelf, 2}, {82, kParent, 4}, {82, kTeacher, 5}};
    const std::vector<FollowUpTexts> rows = FollowUpRows(analysis);
    ASSERT_EQ(rows.size(), 3U);
    EXPECT_EQ(rows[0], (FollowUpTexts{"30", "Self", "Sometimes", ItemCatalogue::Wording(kSelf, 30)}));
    EXPECT_EQ(rows[1], (FollowUpTexts{"82", "Parent", "Often", ItemCatalogue::Wording(kParent, 82)}));
    EXPECT_EQ(rows[2], (FollowUpTexts{"82", "Teacher", "Very Often", ItemCatalogue::Wording(kTeacher, 82)}));
    EXPECT_NE(rows[0].wording, ItemCatalogue::Wording(kParent, 30));
}

struct OmegaTextCase {
    OmegaResult omega;
    std::string text;
};

const std::vector<OmegaTextCase> kOmegaTexts = {
    {{0, 0.0, false}, "---"},     {{3, 0.0, false}, "---"},     {{7, 1.0, true}, " 1.00"},
    {{7, -1.0, false}, "-1.00"},  {{4, 0.1, true}, " 0.10"},    {{5, 0.16, true}, " 0.16"},
    {{5, 0.04, false}, " 0.04"},  {{5, -0.4, false}, "-0.40"},  {{6, 0.07, true}, " 0.07"},
    {{7, 0.06, false}, " 0.06"},  {{7, 0.83, true}, " 0.83"},   {{7, 0.14, true}, " 0.14"},
    {{6, 0.0, false}, " 0.00"},   {{5, -2.0 / 15, false}, "-0.13"},
};

TEST(OmegaText, HasTwoDecimalsInFiveCharactersOrDashes) {
    for (const OmegaTextCase& c : kOmegaTexts) EXPECT_EQ(OmegaText(c.omega), c.text) << c.omega.value;
}

// A C library number format with a decimal comma, as the windowing toolkit sets from such a user's
// locale at start-up; built in a temporary folder because few systems install one.
class CommaDecimalLocale {
public:
    CommaDecimalLocale() {
#ifdef _WIN32
        // Windows has the German number format built in; older C libraries know it by name.
        for (const char* name : {"de-DE", "German_Germany.1252", "German"}) {
            if (std::setlocale(LC_NUMERIC, name) != nullptr) break;
        }
        active_ = std::string(std::localeconv()->decimal_point) == ",";
#else
        std::string pattern = (std::filesystem::temp_directory_path() / "orva-locale-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) return;
        folder_ = pattern;
        const std::string source = folder_ + "/comma.src";
        std::ofstream(source)
            << "LC_NUMERIC\ndecimal_point \"<U002C>\"\nthousands_sep \"\"\ngrouping -1\nEND LC_NUMERIC\n";
        const std::string build =
            "localedef -c -i '" + source + "' -f UTF-8 '" + folder_ + "/comma' >/dev/null 2>&1";
        if (std::system(build.c_str()) == -1) return;
        setenv("LOCPATH", folder_.c_str(), 1);
        active_ = std::setlocale(LC_NUMERIC, "comma") != nullptr &&
                  std::string(std::localeconv()->decimal_point) == ",";
#endif
    }
    ~CommaDecimalLocale() {
        std::setlocale(LC_NUMERIC, "C");
#ifndef _WIN32
        unsetenv("LOCPATH");
#endif
        std::error_code ignored;
        if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
    }
    CommaDecimalLocale(const CommaDecimalLocale&) = delete;
    CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;

    bool Active() const { return active_; }

private:
    std::string folder_;
    bool active_ = false;
};

TEST(OmegaText, KeepsItsDecimalPointWhateverTheLocale) {
    const CommaDecimalLocale comma;
    if (!comma.Active()) GTEST_SKIP() << "no number format with a decimal comma can be made here";
    for (const OmegaTextCase& c : kOmegaTexts) EXPECT_EQ(OmegaText(c.omega), c.text) << c.omega.value;
}

// How a case's report measures up against the Omega cutoff.
enum class Measure { Absent, TooFew, Below, Above };
using M = Measure;

AnalysisResult Measured(const std::array<Measure, 3>& measures) {
    AnalysisResult analysis;
    for (int slot = 0; slot < 3; ++slot) {
        if (measures[slot] == M::Absent) continue;
        analysis.present[slot] = true;
        analysis.omega[slot] = measures[slot] == M::TooFew  ? OmegaResult{2, 0.0, false}
                               : measures[slot] == M::Below ? OmegaResult{5, 0.04, false}
                                                            : OmegaResult{4, 0.10, true};
        analysis.reliabilityAttained = analysis.reliabilityAttained || analysis.omega[slot].reliable;
    }
    return analysis;
}

struct ReliabilityCase {
    const char* name;
    std::array<Measure, 3> measures;
    std::array<std::string, 3> cells;
    std::string attained;
    std::string comment;
};

void PrintTo(const ReliabilityCase& c, std::ostream* os) { *os << c.name; }

const std::vector<ReliabilityCase> kReliability = {
    {"Empty", {M::Absent, M::Absent, M::Absent}, {" ", " ", " "}, "", ""},
    {"SelfBelowParentAbove", {M::Below, M::Above, M::Absent}, {" 0.04", " 0.10", " "}, "YES",
     "The Self-report was below the Omega cutoff.   The Parent-report was above the Omega cutoff."},
    {"SelfTooFew", {M::TooFew, M::Absent, M::Absent}, {"---", " ", " "}, "NO",
     "Too few Self-report responses to calculate Omega."},
    {"OnlyTeacherReliable", {M::Below, M::TooFew, M::Above}, {" 0.04", "---", " 0.10"}, "YES",
     "The Self-report was below the Omega cutoff.   Too few Parent-report responses to calculate Omega.   The "
     "Teacher-report was above the Omega cutoff."},
    {"NoneReliable", {M::Absent, M::TooFew, M::Below}, {" ", "---", " 0.04"}, "NO",
     "Too few Parent-report responses to calculate Omega.   The Teacher-report was below the Omega cutoff."},
    {"ParentAboveAlone", {M::Absent, M::Above, M::Absent}, {" ", " 0.10", " "}, "YES",
     "The Parent-report was above the Omega cutoff."},
    {"TeacherTooFewAlone", {M::Absent, M::Absent, M::TooFew}, {" ", " ", "---"}, "NO",
     "Too few Teacher-report responses to calculate Omega."},
    {"SelfAboveAlone", {M::Above, M::Absent, M::Absent}, {" 0.10", " ", " "}, "YES",
     "The Self-report was above the Omega cutoff."},
    {"ParentBelowAlone", {M::Absent, M::Below, M::Absent}, {" ", " 0.04", " "}, "NO",
     "The Parent-report was below the Omega cutoff."},
    {"TeacherBelowAlone", {M::Absent, M::Absent, M::Below}, {" ", " ", " 0.04"}, "NO",
     "The Teacher-report was below the Omega cutoff."},
    {"ParentTooFewAlone", {M::Absent, M::TooFew, M::Absent}, {" ", "---", " "}, "NO",
     "Too few Parent-report responses to calculate Omega."},
};

class ReliabilityTexts : public ::testing::TestWithParam<ReliabilityCase> {};

TEST_P(ReliabilityTexts, GiveCellsAttainedAndComment) {
    const ReliabilityCase& c = GetParam();
    const AnalysisResult analysis = Measured(c.measures);
    for (int slot = 0; slot < 3; ++slot) EXPECT_EQ(OmegaCellText(analysis, slot), c.cells[slot]) << "slot " << slot;
    EXPECT_EQ(ReliabilityAttainedText(analysis), c.attained);
    EXPECT_EQ(ReliabilityCommentText(analysis), c.comment);
}

INSTANTIATE_TEST_SUITE_P(Sets, ReliabilityTexts, ::testing::ValuesIn(kReliability),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orva
