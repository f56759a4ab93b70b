// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/RecordBuilder.h"
#include "screening/ScreenDisorder.h"

namespace orva {
namespace {

using testsupport::Endorsed;
using testsupport::Join;
using testsupport::MakeRecord;
using D = DisorderId;
using Answers = std::vector<std::pair<int, int>>;

// Item groups used below: HI and IN items of ADHD, five and six of each.
const Answers kHi5 = Endorsed({12, 29, 37, 43, 47});
const Answers kHi6 = Endorsed({12, 29, 37, 43, 47, 68});
const Answers kHi7 = Endorsed({12, 29, 37, 43, 47, 68, 70});
const Answers kIn4 = Endorsed({3, 6, 39, 54});
const Answers kIn5 = Endorsed({3, 6, 39, 54, 71});
const Answers kIn6 = Endorsed({3, 6, 39, 54, 71, 77});
const Answers kIn7 = Endorsed({3, 6, 39, 54, 71, 77, 90});

struct RuleCase {
    const char* name;
    DisorderId id;
    int reporter;
    Answers answers;
    std::vector<int> counts;
    bool positive;
    ItemList itemsMet;
};

void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.name; }

// One below, at and one above every cutoff of every row, the others held where they pass.
const std::vector<RuleCase> kBoundaryCases = {
    {"GAD_Worry0", D::GAD, kSelf, Endorsed({14, 23, 27}), {0, 3}, false, {14, 23, 27}},
    {"GAD_Worry1", D::GAD, kSelf, Endorsed({1, 14, 23, 27}), {1, 3}, true, {1, 14, 23, 27}},
    {"GAD_Worry2", D::GAD, kSelf, Endorsed({1, 103, 14, 23, 27}), {2, 3}, true, {1, 14, 23, 27, 103}},
    {"GAD_Associated2", D::GAD, kSelf, Endorsed({1, 14, 23}), {1, 2}, false, {1, 14, 23}},
    {"GAD_Associated4", D::GAD, kSelf, Endorsed({1, 14, 23, 27, 51}), {1, 4}, true, {1, 14, 23, 27, 51}},
    {"GAD_AnswersThreeAndFour", D::GAD, kSelf, {{1, 3}, {14, 4}, {23, 4}, {51, 4}}, {1, 3}, true, {1, 14, 23, 51}},
    {"GAD_AllAssociatedNoWorry", D::GAD, kSelf,
     {{14, 5}, {23, 5}, {27, 5}, {51, 5}, {87, 5}, {109, 5}, {1, -1}, {103, -1}},
     {0, 6}, false, {14, 23, 27, 51, 87, 109}},

    {"OCD_2", D::OCD, kSelf, Endorsed({21, 61}), {2}, false, {21, 61}},
    {"OCD_3", D::OCD, kSelf, Endorsed({21, 61, 72}), {3}, true, {21, 61, 72}},
    {"OCD_4", D::OCD, kSelf, Endorsed({21, 61, 72, 110}), {4}, true, {21, 61, 72, 110}},

    {"PTSD_Self2", D::PTSD, kSelf, Endorsed({2, 111}), {2}, false, {2, 111}},
    {"PTSD_Self3", D::PTSD, kSelf, Endorsed({2, 23, 111}), {3}, true, {2, 23, 111}},
    {"PTSD_Self4", D::PTSD, kSelf, Endorsed({2, 7, 23, 111}), {4}, true, {2, 7, 23, 111}},
    {"PTSD_Parent2", D::PTSD, kParent, Endorsed({2, 111}), {2}, false, {2, 111}},
    {"PTSD_Parent3", D::PTSD, kParent, Endorsed({2, 7, 111}), {3}, true, {2, 7, 111}},
    {"PTSD_ReporterNotSet2", D::PTSD, kReporterNotSet, Endorsed({2, 111}), {2}, false, {2, 111}},
    {"PTSD_Teacher1", D::PTSD, kTeacher, Endorsed({111}), {1}, false, {111}},
    {"PTSD_Teacher2", D::PTSD, kTeacher, Endorsed({2, 111}), {2}, true, {2, 111}},
    {"PTSD_Teacher3", D::PTSD, kTeacher, Endorsed({2, 7, 111}), {3}, true, {2, 7, 111}},

    {"SAD_2", D::SAD, kSelf, Endorsed({17, 102}), {2}, false, {17, 102}},
    {"SAD_3", D::SAD, kSelf, Endorsed({17, 60, 102}), {3}, true, {17, 60, 102}},
    {"SAD_4", D::SAD, kSelf, Endorsed({17, 22, 60, 102}), {4}, true, {17, 22, 60, 102}},

    {"ADHD_HI_Hi5", D::ADHD_HI, kSelf, kHi5, {5, 0}, false, {}},
    {"ADHD_HI_Hi6", D::ADHD_HI, kSelf, kHi6, {6, 0}, true, {12, 29, 37, 43, 47, 68}},
    {"ADHD_HI_Hi7", D::ADHD_HI, kSelf, kHi7, {7, 0}, true, {12, 29, 37, 43, 47, 68, 70}},
    {"ADHD_HI_In4", D::ADHD_HI, kSelf, Join(kHi6, kIn4), {6, 4}, true, {12, 29, 37, 43, 47, 68}},
    {"ADHD_HI_In5", D::ADHD_HI, kSelf, Join(kHi6, kIn5), {6, 5}, true, {12, 29, 37, 43, 47, 68}},
    {"ADHD_HI_In6", D::ADHD_HI, kSelf, Join(kHi6, kIn6), {6, 6}, false, {}},
    {"ADHD_HI_EightHiFiveIn", D::ADHD_HI, kSelf, Join(Join(kHi7, Endorsed({75})), kIn5), {8, 5}, true,
     {12, 29, 37, 43, 47, 68, 70, 75}},

    {"ADHD_I_In5", D::ADHD_I, kSelf, kIn5, {5, 0}, false, {}},
    {"ADHD_I_In6", D::ADHD_I, kSelf, kIn6, {6, 0}, true, {3, 6, 39, 54, 71, 77}},
    {"ADHD_I_In7", D::ADHD_I, kSelf, kIn7, {7, 0}, true, {3, 6, 39, 54, 71, 77, 90}},
    {"ADHD_I_Hi5", D::ADHD_I, kSelf, Join(kIn6, kHi5), {6, 5}, true, {3, 6, 39, 54, 71, 77}},
    {"ADHD_I_Hi6", D::ADHD_I, kSelf, Join(kIn6, kHi6), {6, 6}, false, {}},
    {"ADHD_I_EightHiFiveIn", D::ADHD_I, kSelf, Join(Join(kHi7, Endorsed({75})), kIn5), {5, 8}, false, {}},

    {"ADHD_C_Hi5", D::ADHD_C, kSelf, Join(kHi5, kIn6), {5, 6}, false, {3, 6, 12, 29, 37, 39, 43, 47, 54, 71, 77}},
    {"ADHD_C_Hi6", D::ADHD_C, kSelf, Join(kHi6, kIn6), {6, 6}, true, {3, 6, 12, 29, 37, 39, 43, 47, 54, 68, 71, 77}},
    {"ADHD_C_Hi7", D::ADHD_C, kSelf, Join(kHi7, kIn6), {7, 6}, true,
     {3, 6, 12, 29, 37, 39, 43, 47, 54, 68, 70, 71, 77}},
    {"ADHD_C_In5", D::ADHD_C, kSelf, Join(kHi6, kIn5), {6, 5}, false, {3, 6, 12, 29, 37, 39, 43, 47, 54, 68, 71}},
    {"ADHD_C_In7", D::ADHD_C, kSelf, Join(kHi6, kIn7), {6, 7}, true,
     {3, 6, 12, 29, 37, 39, 43, 47, 54, 68, 71, 77, 90}},
    {"ADHD_C_AllEighteen", D::ADHD_C, kSelf,
     Endorsed({3, 6, 12, 29, 37, 39, 43, 47, 54, 68, 70, 71, 75, 77, 80, 90, 93, 97}), {9, 9}, true,
     {3, 6, 12, 29, 37, 39, 43, 47, 54, 68, 70, 71, 75, 77, 80, 90, 93, 97}},

    {"CD_2", D::CD, kSelf, Endorsed({4, 83}), {2}, false, {4, 83}},
    {"CD_3", D::CD, kSelf, Endorsed({4, 15, 83}), {3}, true, {4, 15, 83}},
    {"CD_4", D::CD, kSelf, Endorsed({4, 15, 41, 83}), {4}, true, {4, 15, 41, 83}},
    {"CD_SometimesOnItem15Counts_OnItem4DoesNot", D::CD, kSelf, {{15, 2}, {4, 2}, {83, 3}}, {2}, false, {15, 83}},
    {"CD_SometimesOnThreeConductItems", D::CD, kSelf, {{15, 2}, {16, 2}, {30, 2}}, {3}, true, {15, 16, 30}},
    {"CD_SometimesOnAllSevenAnswerTwoItems", D::CD, kSelf,
     {{15, 2}, {16, 2}, {30, 2}, {69, 2}, {73, 2}, {82, 2}, {88, 2}}, {7}, true, {15, 16, 30, 69, 73, 82, 88}},
    {"CD_SometimesOnTheOtherFive", D::CD, kSelf, {{4, 2}, {41, 2}, {50, 2}, {59, 2}, {83, 2}}, {0}, false, {}},
    {"CD_RarelyAndNeverOnAnswerTwoItems", D::CD, kSelf, {{15, 1}, {16, 0}, {30, 1}, {69, -1}}, {0}, false, {}},

    {"ODD_3", D::ODD, kSelf, Endorsed({13, 25, 76}), {3, 0}, false, {13, 25, 76}},
    {"ODD_4", D::ODD, kSelf, Endorsed({13, 25, 76, 85}), {4, 0}, true, {13, 25, 76, 85}},
    {"ODD_5", D::ODD, kSelf, Endorsed({13, 25, 76, 85, 92}), {5, 0}, true, {13, 25, 76, 85, 92}},
    {"ODD_Conduct1", D::ODD, kSelf, Endorsed({4, 13, 25, 76, 85}), {4, 1}, true, {13, 25, 76, 85}},
    {"ODD_Conduct2", D::ODD, kSelf, Endorsed({4, 13, 15, 25, 76, 85}), {4, 2}, true, {13, 25, 76, 85}},
    {"ODD_Conduct3", D::ODD, kSelf, Endorsed({4, 13, 15, 25, 76, 83, 85}), {4, 3}, false, {13, 25, 76, 85}},

    {"ELD_Expressive1", D::ELD, kSelf, Endorsed({10}), {1, 0}, false, {10}},
    {"ELD_Expressive2", D::ELD, kSelf, Endorsed({10, 105}), {2, 0}, true, {10, 105}},
    {"ELD_Expressive3", D::ELD, kSelf, Endorsed({10, 105, 106}), {3, 0}, true, {10, 105, 106}},
    {"ELD_Receptive1", D::ELD, kSelf, Endorsed({10, 74, 105}), {2, 1}, false, {10, 74, 105}},

    {"MRELD_Expressive1", D::MRELD, kSelf, Endorsed({10, 74}), {1, 1}, false, {10, 74}},
    {"MRELD_Expressive2", D::MRELD, kSelf, Endorsed({10, 74, 105}), {2, 1}, true, {10, 74, 105}},
    {"MRELD_Expressive3", D::MRELD, kSelf, Endorsed({10, 74, 105, 106}), {3, 1}, true, {10, 74, 105, 106}},
    {"MRELD_Receptive0", D::MRELD, kSelf, Endorsed({10, 105}), {2, 0}, false, {10, 105}},

    {"PD_1", D::PD, kSelf, Endorsed({45}), {1}, false, {45}},
    {"PD_2", D::PD, kSelf, Endorsed({45, 64}), {2}, true, {45, 64}},

    {"DD_Mood0", D::DD, kSelf, Endorsed({18, 26}), {0, 2}, false, {18, 26}},
    {"DD_Mood1", D::DD, kSelf, Endorsed({18, 26, 84}), {1, 2}, true, {18, 26, 84}},
    {"DD_Mood2", D::DD, kSelf, Endorsed({18, 26, 51, 84}), {2, 2}, true, {18, 26, 51, 84}},
    {"DD_Symptoms1", D::DD, kSelf, Endorsed({18, 84}), {1, 1}, false, {18, 84}},
    {"DD_Symptoms3", D::DD, kSelf, Endorsed({18, 26, 27, 84}), {1, 3}, true, {18, 26, 27, 84}},

    {"AN_2", D::AN, kSelf, Endorsed({20, 63}), {2}, false, {20, 63}},
    {"AN_3", D::AN, kSelf, Endorsed({20, 63, 79}), {3}, true, {20, 63, 79}},
    {"AN_4", D::AN, kSelf, Endorsed({20, 63, 79, 98}), {4}, true, {20, 63, 79, 98}},
    {"BN_2", D::BN, kSelf, Endorsed({8, 20}), {2}, false, {8, 20}},
    {"BN_3", D::BN, kSelf, Endorsed({8, 20, 28}), {3}, true, {8, 20, 28}},
    {"BN_4", D::BN, kSelf, Endorsed({8, 20, 28, 42}), {4}, true, {8, 20, 28, 42}},

    {"DWE_2", D::DWE, kSelf, Endorsed({31, 99}), {2}, false, {31, 99}},
    {"DWE_3", D::DWE, kSelf, Endorsed({31, 55, 99}), {3}, true, {31, 55, 99}},
    {"DWE_4", D::DWE, kSelf, Endorsed({31, 55, 89, 99}), {4}, true, {31, 55, 89, 99}},
    {"MD_2", D::MD, kSelf, Endorsed({11, 96}), {2}, false, {11, 96}},
    {"MD_3", D::MD, kSelf, Endorsed({11, 44, 96}), {3}, true, {11, 44, 96}},
    {"MD_4", D::MD, kSelf, Endorsed({11, 44, 53, 96}), {4}, true, {11, 44, 53, 96}},
    {"RD_1", D::RD, kSelf, Endorsed({81}), {1}, false, {81}},
    {"RD_2", D::RD, kSelf, Endorsed({24, 81}), {2}, true, {24, 81}},
    {"RD_3", D::RD, kSelf, Endorsed({24, 62, 81}), {3}, true, {24, 62, 81}},

    {"AsD_Social1", D::AsD, kSelf, Endorsed({5, 38}), {1, 1, 0}, false, {5, 38}},
    {"AsD_Social2", D::AsD, kSelf, Endorsed({5, 32, 38}), {2, 1, 0}, true, {5, 32, 38}},
    {"AsD_Social3", D::AsD, kSelf, Endorsed({5, 32, 38, 67}), {3, 1, 0}, true, {5, 32, 38, 67}},
    {"AsD_Restricted0", D::AsD, kSelf, Endorsed({5, 32}), {2, 0, 0}, false, {5, 32}},
    {"AsD_Restricted2", D::AsD, kSelf, Endorsed({5, 32, 38, 58}), {2, 2, 0}, true, {5, 32, 38, 58}},
    {"AsD_Total4WithCommunication", D::AsD, kSelf, Endorsed({5, 9, 32, 38}), {2, 1, 1}, true, {5, 9, 32, 38}},
    {"AsD_Total5WithCommunication", D::AsD, kSelf, Endorsed({5, 9, 32, 38, 58}), {2, 2, 1}, true,
     {5, 9, 32, 38, 58}},
    {"AsD_Total6WithCommunication", D::AsD, kSelf, Endorsed({5, 9, 32, 38, 58, 67}), {3, 2, 1}, false,
     {5, 9, 32, 38, 58, 67}},
    {"AsD_Social4NoCommunication", D::AsD, kSelf, Endorsed({5, 32, 38, 67, 107}), {4, 1, 0}, true,
     {5, 32, 38, 67, 107}},
    {"AsD_Total8NoCommunication", D::AsD, kSelf, Endorsed({5, 32, 38, 58, 67, 94, 107, 108}), {4, 4, 0}, true,
     {5, 32, 38, 58, 67, 94, 107, 108}},

    {"AD_Total5", D::AD, kSelf, Endorsed({5, 9, 32, 38, 58}), {2, 2, 1}, false, {5, 9, 32, 38, 58}},
    {"AD_Total6", D::AD, kSelf, Endorsed({5, 9, 32, 38, 58, 67}), {3, 2, 1}, true, {5, 9, 32, 38, 58, 67}},
    {"AD_Total7", D::AD, kSelf, Endorsed({5, 9, 32, 38, 46, 58, 67}), {3, 2, 2}, true, {5, 9, 32, 38, 46, 58, 67}},
    {"AD_Social1", D::AD, kSelf, Endorsed({5, 9, 38, 46, 58, 78}), {1, 2, 3}, false, {5, 9, 38, 46, 58, 78}},
    {"AD_Social2", D::AD, kSelf, Endorsed({5, 9, 32, 38, 46, 58}), {2, 2, 2}, true, {5, 9, 32, 38, 46, 58}},
    {"AD_Restricted0", D::AD, kSelf, Endorsed({5, 9, 32, 46, 67, 78}), {3, 0, 3}, false, {5, 9, 32, 46, 67, 78}},
    {"AD_Restricted1", D::AD, kSelf, Endorsed({5, 9, 32, 38, 46, 67}), {3, 1, 2}, true, {5, 9, 32, 38, 46, 67}},
    {"AD_Communication0", D::AD, kSelf, Endorsed({5, 32, 38, 58, 67, 94, 107, 108}), {4, 4, 0}, false,
     {5, 32, 38, 58, 67, 94, 107, 108}},
    {"AD_AllTwelve", D::AD, kSelf, Endorsed({5, 9, 32, 38, 46, 58, 67, 78, 91, 94, 107, 108}), {4, 4, 4}, true,
     {5, 9, 32, 38, 46, 58, 67, 78, 91, 94, 107, 108}},

    {"TicD_M_Neither", D::TicD_M, kSelf, {}, {0, 0}, false, {}},
    {"TicD_M_Motor", D::TicD_M, kSelf, Endorsed({56}), {1, 0}, true, {56}},
    {"TicD_M_Both", D::TicD_M, kSelf, Endorsed({52, 56}), {1, 1}, false, {52, 56}},
    {"TicD_M_Vocal", D::TicD_M, kSelf, Endorsed({52}), {0, 1}, false, {52}},
    {"TicD_V_Vocal", D::TicD_V, kSelf, Endorsed({52}), {1, 0}, true, {52}},
    {"TicD_V_Both", D::TicD_V, kSelf, Endorsed({52, 56}), {1, 1}, false, {52, 56}},
    {"TicD_V_Motor", D::TicD_V, kSelf, Endorsed({56}), {0, 1}, false, {56}},
    {"TD_Both", D::TD, kSelf, Endorsed({52, 56}), {1, 1}, true, {52, 56}},
    {"TD_Motor", D::TD, kSelf, Endorsed({56}), {1, 0}, false, {56}},
    {"TD_Vocal", D::TD, kSelf, Endorsed({52}), {0, 1}, false, {52}},
};

class RuleBoundary : public ::testing::TestWithParam<RuleCase> {};

TEST_P(RuleBoundary, GivesCountsPositiveAndListedItems) {
    const RuleCase& c = GetParam();
    AssessmentRecord record = MakeRecord(c.reporter, c.answers);
    const ScreeningResult result = ScreenDisorder(record, c.id);

    EXPECT_EQ(std::vector<int>(result.counts.begin(), result.counts.begin() + result.countCount), c.counts);
    EXPECT_EQ(result.positive, c.positive);
    EXPECT_EQ(result.itemsMet, c.itemsMet);
}

INSTANTIATE_TEST_SUITE_P(EveryRow, RuleBoundary, ::testing::ValuesIn(kBoundaryCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Whole records across all 23 rows: positive flags in report order and the counts of the
// rows with several categories.
struct WholeRecordCase {
    const char* name;
    int reporter;
    int answer;  // every item 1..111 gets this answer; -1 blank, -2 never set
    std::string positives;  // one character per row: '+' positive, '-' not
};

void PrintTo(const WholeRecordCase& c, std::ostream* os) { *os << c.name; }

const std::vector<WholeRecordCase> kWholeRecords = {
    {"NeverAnswered", kSelf, -2, "-----------------------"},
    {"AllBlank", kSelf, -1, "-----------------------"},
    {"AllBlankTeacher", kTeacher, -1, "-----------------------"},
    {"AllNever", kParent, 0, "-----------------------"},
    {"AllRarely", kParent, 1, "-----------------------"},
    // Only the seven conduct items endorse at "Sometimes": CD positive, ODD held back by them.
    {"AllSometimes", kSelf, 2, "-------+---------------"},
    // Everything endorsed: the exclusive groups leave ADHD_C, CD, MRELD, AD and TD.
    {"AllRegularly", kSelf, 3, "++++--++--++++++++-+--+"},
    {"AllVeryOften", kTeacher, 5, "++++--++--++++++++-+--+"},
};

class WholeRecord : public ::testing::TestWithParam<WholeRecordCase> {};

TEST_P(WholeRecord, ScreensEveryRowConsistently) {
    const WholeRecordCase& c = GetParam();
    Answers answers;
    if (c.answer != -2) {
        for (int item = 1; item <= kItemCount; ++item) answers.emplace_back(item, c.answer);
    }
    AssessmentRecord record = MakeRecord(c.reporter, answers);
    std::string positives;
    for (DisorderId id : kAllDisorders) {
        const ScreeningResult result = ScreenDisorder(record, id);
        positives += result.positive ? '+' : '-';
        if (c.answer < 2) {
            EXPECT_EQ(result.counts, (std::array<std::int32_t, 3>{0, 0, 0})) << DisorderName(id);
            EXPECT_TRUE(result.itemsMet.Empty()) << DisorderName(id);
        }
    }
    EXPECT_EQ(positives, c.positives);
}

INSTANTIATE_TEST_SUITE_P(AllRows, WholeRecord, ::testing::ValuesIn(kWholeRecords),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScreenDisorder, CountsOfEveryRowMatchTheirCategoriesWhenAllItemsAreEndorsed) {
    Answers answers;
    for (int item = 1; item <= kItemCount; ++item) answers.emplace_back(item, 4);
    AssessmentRecord record = MakeRecord(kSelf, answers);
    const std::vector<std::vector<int>> expected = {
        {2, 6}, {4}, {4}, {8}, {9, 9}, {9, 9}, {9, 9}, {12}, {8, 12}, {3, 1}, {3, 1}, {2},
        {2, 5}, {4}, {4}, {4}, {4}, {3}, {4, 4, 4}, {4, 4, 4}, {1, 1}, {1, 1}, {1, 1},
    };
    for (DisorderId id : kAllDisorders) {
        const ScreeningResult r = ScreenDisorder(record, id);
        EXPECT_EQ(std::vector<int>(r.counts.begin(), r.counts.begin() + r.countCount), expected[RowIndex(id)])
            << DisorderName(id);
    }
}

// Nothing is computed ahead: the answers as they stand decide, after any change.
TEST(ScreenDisorder, ReadsTheAnswersAsTheyStand) {
    AssessmentRecord record;
    record.SetStoredReporter(kSelf);
    for (int item : {21, 61, 72}) record.SetHeldResponse(item, 5);
    EXPECT_TRUE(ScreenDisorder(record, D::OCD).positive);
    record.SetHeldResponse(61, 1);
    EXPECT_FALSE(ScreenDisorder(record, D::OCD).positive);
}

// Screening keeps nothing between rules: a row gives the same result whichever rows went before.
TEST(ScreenDisorder, EveryRuleStartsAfresh) {
    const AssessmentRecord record = MakeRecord(kSelf, Join(kHi5, Endorsed({21, 61, 72})));
    const ScreeningResult first = ScreenDisorder(record, D::OCD);
    EXPECT_EQ(first.itemsMet, (ItemList{21, 61, 72}));
    // Not positive: the hyperactive row lists nothing, though five of its items are endorsed.
    EXPECT_TRUE(ScreenDisorder(record, D::ADHD_HI).itemsMet.Empty());
    EXPECT_EQ(ScreenDisorder(record, D::OCD), first);
}

TEST(ScreenDisorder, EmptyRecordGivesNothingForEveryRowAndReporter) {
    for (int reporter : {kReporterNotSet, kSelf, kParent, kTeacher}) {
        AssessmentRecord record;
        record.SetStoredReporter(reporter);
        for (DisorderId id : kAllDisorders) {
            const ScreeningResult r = ScreenDisorder(record, id);
            EXPECT_FALSE(r.positive) << DisorderName(id);
            EXPECT_EQ(r.counts, (std::array<std::int32_t, 3>{0, 0, 0})) << DisorderName(id);
            EXPECT_TRUE(r.itemsMet.Empty()) << DisorderName(id);
        }
    }
}

}  // namespace
}  // namespace orva
