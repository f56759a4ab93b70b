// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "model/ItemCatalogue.h"
#include "screening/Omega.h"
#include "support/RecordBuilder.h"

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
    std::optional<double> value;  // none when too few pairs are answered
    bool reliable;
};

void PrintTo(const OmegaCase& c, std::ostream* os) { *os << c.name; }

const std::vector<OmegaCase> kOmegaCases = {
    {"AllSevenEqual", {{3, 3}, {0, 0}, {5, 5}, {1, 1}, {2, 2}, {4, 4}, {3, 3}}, 1.00, true},
    {"AllSevenOpposite", {{0, 5}, {5, 0}, {0, 5}, {5, 0}, {0, 5}, {5, 0}, {0, 5}}, -1.00, false},
    {"NoAnswers", {}, std::nullopt, false},
    {"ThreePairs", {{3, 3}, {3, 3}, {3, 3}, {B, 3}, {3, B}, {B, B}, {B, 4}}, std::nullopt, false},
    {"FourPairs_OneEqualThreeByOne", {{3, 3}, {3, 4}, {2, 1}, {0, 1}, {B, 3}, {3, B}, {B, B}}, 0.10, true},
    {"FivePairs_TwoEqualThreeByTwo", {{3, 3}, {4, 4}, {1, 3}, {5, 3}, {0, 2}, {B, B}, {B, 2}}, 0.16, true},
    {"FivePairs_OneEqualFourByOne", {{3, 3}, {4, 3}, {1, 2}, {5, 4}, {0, 1}, {B, B}, {B, 2}}, 0.04, false},
    {"FivePairs_NoneEqualEachByTwo", {{1, 3}, {4, 2}, {1, 3}, {5, 3}, {0, 2}, {B, 0}, {5, B}}, -0.40, false},
    {"RoundsUpToTheCutoff_0667", {{3, 3}, {4, 4}, {1, 3}, {5, 3}, {0, 2}, {2, 4}, {B, B}}, 0.07, true},
    {"RoundsDownBelowTheCutoff_0571", {{3, 3}, {4, 4}, {1, 3}, {5, 3}, {0, 2}, {2, 3}, {4, 3}}, 0.06, false},
    {"RoundsUp_0829", {{3, 3}, {4, 4}, {1, 1}, {5, 5}, {0, 0}, {2, 2}, {4, 3}}, 0.83, true},
    {"RoundsDown_0143", {{3, 3}, {4, 4}, {1, 2}, {5, 4}, {0, 1}, {2, 3}, {4, 3}}, 0.14, true},
    {"ExactZeroIsNotNegative", {{3, 3}, {4, 4}, {1, 3}, {5, 1}, {0, 3}, {2, 1}, {B, B}}, 0.00, false},
    {"ExactZeroOtherOrder", {{3, 3}, {1, 2}, {1, 3}, {4, 4}, {0, 4}, {2, 5}, {B, B}}, 0.00, false},
};

class Omega : public ::testing::TestWithParam<OmegaCase> {};

TEST_P(Omega, GivesValueAndReliability) {
    const OmegaCase& c = GetParam();
    const OmegaResult result = ComputeOmega(testing::MakeRecord(kSelf, PairAnswers(c.pairs)));
    ASSERT_EQ(result.HasValue(), c.value.has_value());
    const double expected = c.value.value_or(0.0);
    EXPECT_DOUBLE_EQ(result.value, expected);
    // An exact zero stays positive: a value a few ulps or a sign below it would show as "-0.00".
    EXPECT_EQ(std::signbit(result.value), std::signbit(expected));
    EXPECT_EQ(result.reliable, c.reliable);
}

INSTANTIATE_TEST_SUITE_P(Pairs, Omega, ::testing::ValuesIn(kOmegaCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ComputeOmega, HeldValuesAboveFiveLeaveThePairOut) {
    AssessmentRecord record = testing::MakeRecord(kSelf, PairAnswers({{3, 3}, {3, 3}, {3, 3}, {3, 3}}));
    EXPECT_EQ(ComputeOmega(record).pairs, 4);
    EXPECT_DOUBLE_EQ(ComputeOmega(record).value, 1.0);
    record.SetHeldResponse(57, 6);
    EXPECT_FALSE(ComputeOmega(record).HasValue());
    EXPECT_EQ(ComputeOmega(record).pairs, 3);
}

TEST(ComputeOmega, SameRecordGivesTheSameResultEveryTime) {
    const AssessmentRecord record = testing::MakeRecord(kSelf, PairAnswers({{3, 3}, {3, 4}, {2, 1}, {0, 1}}));
    const OmegaResult first = ComputeOmega(record);
    EXPECT_EQ(ComputeOmega(record), first);
    EXPECT_EQ(first.pairs, 4);
    EXPECT_DOUBLE_EQ(first.value, 0.1);
}

struct PairCase {
    int a;
    int b;
    int pairs;
    int equal;
    double weighted;
};

TEST(ReliabilityAccumulator, CountsOnlyPairsOfTwoAnswers) {
    const std::vector<PairCase> cases = {
        {-1, 3, 0, 0, 0.0}, {3, -1, 0, 0, 0.0}, {6, 3, 0, 0, 0.0}, {3, 7, 0, 0, 0.0}, {3, 3, 1, 1, 0.0},
        {0, 0, 1, 1, 0.0},  {0, 5, 1, 0, 1.0},  {5, 4, 1, 0, 0.2}, {1, 3, 1, 0, 0.4},
    };
    for (const PairCase& c : cases) {
        ReliabilityAccumulator accumulator;
        EXPECT_EQ(accumulator.pairs, 0);
        accumulator.Add(c.a, c.b);
        EXPECT_EQ(accumulator.pairs, c.pairs) << c.a << "," << c.b;
        EXPECT_EQ(accumulator.equalPairs, c.equal) << c.a << "," << c.b;
        EXPECT_DOUBLE_EQ(accumulator.weightedDifference, c.weighted) << c.a << "," << c.b;
    }
}

TEST(ReliabilityAccumulator, EvaluatesFromTheFourthPairOn) {
    ReliabilityAccumulator accumulator;
    for (int pair = 1; pair <= 3; ++pair) {
        accumulator.Add(3, 3);
        EXPECT_FALSE(accumulator.Evaluate().HasValue()) << pair;
        EXPECT_EQ(accumulator.Evaluate().pairs, pair);
    }
    accumulator.Add(3, 4);
    const OmegaResult result = accumulator.Evaluate();
    EXPECT_TRUE(result.HasValue());
    EXPECT_DOUBLE_EQ(result.value, 0.7);  // (3 - 0.2) / 4
    EXPECT_TRUE(result.reliable);
}

}  // namespace
}  // namespace orva
