#include <gtest/gtest.h>
#include <stdlib.h>

#include <clocale>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "model/ItemCatalogue.h"
#include "screening/Omega.h"
#include "screening/RecordBuilder.h"
#include "support/TempFolder.h"

namespace orva {
namespace {

using Answers = std::vector<std::pair<int, int>>;
constexpr int B = -1;  // blank

// Answers of the seven repeated pairs, in accumulation order.
Answers PairAnswers(const std::vector<std::pair<int, int>>& pairs) {
    Answers answers;
    const auto& catalogue = ItemCatalogue::RepeatedPairs();
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        answers.emplace_back(catalogue[i].first, pairs[i].first);
        answers.emplace_back(catalogue[i].second, pairs[i].second);
    }
    return answers;
}

struct OmegaCase {
    const char* name;
    std::vector<std::pair<int, int>> pairs;
    std::string text;
    bool reliable;
};

void PrintTo(const OmegaCase& c, std::ostream* os) { *os << c.name; }

const std::vector<OmegaCase> kOmegaCases = {
    {"AllSevenEqual", {{3, 3}, {0, 0}, {5, 5}, {1, 1}, {2, 2}, {4, 4}, {3, 3}}, " 1.00", true},
    {"AllSevenOpposite", {{0, 5}, {5, 0}, {0, 5}, {5, 0}, {0, 5}, {5, 0}, {0, 5}}, "-1.00", false},
    {"NoAnswers", {}, "---", false},
    {"ThreePairs", {{3, 3}, {3, 3}, {3, 3}, {B, 3}, {3, B}, {B, B}, {B, 4}}, "---", false},
    {"FourPairs_OneEqualThreeByOne", {{3, 3}, {3, 4}, {2, 1}, {0, 1}, {B, 3}, {3, B}, {B, B}}, " 0.10", true},
    {"FivePairs_TwoEqualThreeByTwo", {{3, 3}, {4, 4}, {1, 3}, {5, 3}, {0, 2}, {B, B}, {B, 2}}, " 0.16", true},
    {"FivePairs_OneEqualFourByOne", {{3, 3}, {4, 3}, {1, 2}, {5, 4}, {0, 1}, {B, B}, {B, 2}}, " 0.04", false},
    {"FivePairs_NoneEqualEachByTwo", {{1, 3}, {4, 2}, {1, 3}, {5, 3}, {0, 2}, {B, 0}, {5, B}}, "-0.40", false},
    {"RoundsUpToTheCutoff_0667", {{3, 3}, {4, 4}, {1, 3}, {5, 3}, {0, 2}, {2, 4}, {B, B}}, " 0.07", true},
    {"RoundsDownBelowTheCutoff_0571", {{3, 3}, {4, 4}, {1, 3}, {5, 3}, {0, 2}, {2, 3}, {4, 3}}, " 0.06", false},
    {"RoundsUp_0829", {{3, 3}, {4, 4}, {1, 1}, {5, 5}, {0, 0}, {2, 2}, {4, 3}}, " 0.83", true},
    {"RoundsDown_0143", {{3, 3}, {4, 4}, {1, 2}, {5, 4}, {0, 1}, {2, 3}, {4, 3}}, " 0.14", true},
    {"ExactZeroIsNotShownNegative", {{3, 3}, {4, 4}, {1, 3}, {5, 1}, {0, 3}, {2, 1}, {B, B}}, " 0.00", false},
    {"ExactZeroOtherOrder", {{3, 3}, {1, 2}, {1, 3}, {4, 4}, {0, 4}, {2, 5}, {B, B}}, " 0.00", false},
};

class Omega : public ::testing::TestWithParam<OmegaCase> {};

TEST_P(Omega, GivesTextAndReliability) {
    AssessmentRecord record = testing::MakeRecord(kSelf, PairAnswers(GetParam().pairs));
    EXPECT_EQ(ComputeOmega(record), (OmegaResult{GetParam().text, GetParam().reliable}));
}

INSTANTIATE_TEST_SUITE_P(Pairs, Omega, ::testing::ValuesIn(kOmegaCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A C library number format with a decimal comma, as the windowing toolkit sets from such a user's
// locale at start-up; built in a temporary folder because few systems install one.
class CommaDecimalLocale {
public:
    CommaDecimalLocale() {
        const std::string source = folder_.Path("comma.src");
        std::ofstream(source)
            << "LC_NUMERIC\ndecimal_point \"<U002C>\"\nthousands_sep \"\"\ngrouping -1\nEND LC_NUMERIC\n";
        const std::string build =
            "localedef -c -i '" + source + "' -f UTF-8 '" + folder_.Path("comma") + "' >/dev/null 2>&1";
        if (std::system(build.c_str()) == -1) return;
        setenv("LOCPATH", folder_.Path().c_str(), 1);
        active_ = std::setlocale(LC_NUMERIC, "comma") != nullptr &&
                  std::string(std::localeconv()->decimal_point) == ",";
    }
    ~CommaDecimalLocale() {
        std::setlocale(LC_NUMERIC, "C");
        unsetenv("LOCPATH");
    }
    CommaDecimalLocale(const CommaDecimalLocale&) = delete;
    CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;

    bool Active() const { return active_; }

private:
    test::TempFolder folder_;
    bool active_ = false;
};

TEST(ComputeOmega, TextKeepsItsDecimalPointWhateverTheLocale) {
    const CommaDecimalLocale comma;
    if (!comma.Active()) GTEST_SKIP() << "no number format with a decimal comma can be made here";
    for (const OmegaCase& c : kOmegaCases) {
        AssessmentRecord record = testing::MakeRecord(kSelf, PairAnswers(c.pairs));
        EXPECT_EQ(ComputeOmega(record).text, c.text) << c.name;
    }
}

TEST(ComputeOmega, HeldValuesAboveFiveLeaveThePairOut) {
    AssessmentRecord record = testing::MakeRecord(kSelf, PairAnswers({{3, 3}, {3, 3}, {3, 3}, {3, 3}}));
    EXPECT_EQ(ComputeOmega(record).text, " 1.00");
    record.SetHeldResponse(57, 6);
    EXPECT_EQ(ComputeOmega(record).text, "---");
    EXPECT_EQ(record.Reliability().pairs, 3);
}

TEST(ComputeOmega, StartsFromClearedAccumulatorsEveryTime) {
    AssessmentRecord record = testing::MakeRecord(kSelf, PairAnswers({{3, 3}, {3, 4}, {2, 1}, {0, 1}}));
    const OmegaResult first = ComputeOmega(record);
    EXPECT_EQ(ComputeOmega(record), first);
    EXPECT_EQ(record.Reliability().pairs, 4);
    EXPECT_EQ(record.Reliability().equalPairs, 1);
}

struct PairCase {
    int a;
    int b;
    int pairs;
    int equal;
    double weighted;
};

TEST(AddReliabilityPair, CountsOnlyPairsOfTwoAnswers) {
    const std::vector<PairCase> cases = {
        {-1, 3, 0, 0, 0.0}, {3, -1, 0, 0, 0.0}, {6, 3, 0, 0, 0.0}, {3, 7, 0, 0, 0.0}, {3, 3, 1, 1, 0.0},
        {0, 0, 1, 1, 0.0},  {0, 5, 1, 0, 1.0},  {5, 4, 1, 0, 0.2}, {1, 3, 1, 0, 0.4},
    };
    for (const PairCase& c : cases) {
        AssessmentRecord record;
        record.Reliability() = {9, 9, 9.0};
        ClearReliability(record);
        EXPECT_EQ(record.Reliability().pairs, 0);
        AddReliabilityPair(record, c.a, c.b);
        EXPECT_EQ(record.Reliability().pairs, c.pairs) << c.a << "," << c.b;
        EXPECT_EQ(record.Reliability().equalPairs, c.equal) << c.a << "," << c.b;
        EXPECT_DOUBLE_EQ(record.Reliability().weightedDifference, c.weighted) << c.a << "," << c.b;
    }
}

// Reports of a set, by the Omega their pairs give.
const std::vector<std::pair<int, int>> kOmega004 = {{3, 3}, {4, 3}, {1, 2}, {5, 4}, {0, 1}};
const std::vector<std::pair<int, int>> kOmega010 = {{3, 3}, {3, 4}, {2, 1}, {0, 1}};
const std::vector<std::pair<int, int>> kTooFew = {{3, 3}, {3, 3}};

struct SetCase {
    const char* name;
    std::vector<const std::vector<std::pair<int, int>>*> slots;  // Self, Parent, Teacher; null = empty
    std::vector<std::string> cells;
    std::string attained;
    std::string comment;
};

void PrintTo(const SetCase& c, std::ostream* os) { *os << c.name; }

const std::vector<SetCase> kSetCases = {
    {"Empty", {nullptr, nullptr, nullptr}, {" ", " ", " "}, "", ""},
    {"SelfBelowParentAbove", {&kOmega004, &kOmega010, nullptr}, {" 0.04", " 0.10", " "}, "YES",
     "The Self-report was below the Omega cutoff.   The Parent-report was above the Omega cutoff."},
    {"SelfTooFew", {&kTooFew, nullptr, nullptr}, {"---", " ", " "}, "NO",
     "Too few Self-report responses to calculate Omega."},
    {"OnlyTeacherReliable", {&kOmega004, &kTooFew, &kOmega010}, {" 0.04", "---", " 0.10"}, "YES",
     "The Self-report was below the Omega cutoff.   Too few Parent-report responses to calculate Omega.   The "
     "Teacher-report was above the Omega cutoff."},
    {"NoneReliable", {nullptr, &kTooFew, &kOmega004}, {" ", "---", " 0.04"}, "NO",
     "Too few Parent-report responses to calculate Omega.   The Teacher-report was below the Omega cutoff."},
    {"ParentAboveAlone", {nullptr, &kOmega010, nullptr}, {" ", " 0.10", " "}, "YES",
     "The Parent-report was above the Omega cutoff."},
    {"TeacherTooFewAlone", {nullptr, nullptr, &kTooFew}, {" ", " ", "---"}, "NO",
     "Too few Teacher-report responses to calculate Omega."},
    {"SelfAboveAlone", {&kOmega010, nullptr, nullptr}, {" 0.10", " ", " "}, "YES",
     "The Self-report was above the Omega cutoff."},
    {"ParentBelowAlone", {nullptr, &kOmega004, nullptr}, {" ", " 0.04", " "}, "NO",
     "The Parent-report was below the Omega cutoff."},
};

class Reliability : public ::testing::TestWithParam<SetCase> {};

TEST_P(Reliability, GivesCellsAttainedAndComment) {
    const SetCase& c = GetParam();
    ReportSet set;
    for (int slot = 0; slot < 3; ++slot) {
        if (c.slots[slot] != nullptr) set.Record(slot) = testing::MakeRecord(slot, PairAnswers(*c.slots[slot]));
    }
    for (int slot = 0; slot < 3; ++slot) EXPECT_EQ(OmegaCellText(set, slot), c.cells[slot]) << "slot " << slot;
    EXPECT_EQ(ReliabilityAttained(set), c.attained);
    EXPECT_EQ(ReliabilityComment(set), c.comment);
}

INSTANTIATE_TEST_SUITE_P(Sets, Reliability, ::testing::ValuesIn(kSetCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orva
