// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include "support/RecordBuilder.h"
#include "screening/ReporterComparison.h"

namespace orva {
namespace {

using testing::Endorsed;
using testing::Join;
using testing::MakeRecord;
using D = DisorderId;
using Answers = std::vector<std::pair<int, int>>;
using Column = std::vector<std::optional<int>>;

constexpr int kBlank = -1;
constexpr std::nullopt_t kNone = std::nullopt;

// The reports of an analysis; a slot without answers given stays empty.
struct Reports {
    std::optional<Answers> self = std::nullopt, parent = std::nullopt, teacher = std::nullopt;
};

ReportSet MakeSet(const Reports& reports) {
    ReportSet set;
    const std::optional<Answers>* answers[kReportSlots] = {&reports.self, &reports.parent, &reports.teacher};
    for (int slot = 0; slot < kReportSlots; ++slot) {
        if (*answers[slot]) set.Record(slot) = MakeRecord(slot, **answers[slot]);
    }
    return set;
}

ReporterComparison Compare(const Reports& reports) {
    const ReportSet set = MakeSet(reports);
    return CompareReporters(set, ComputeAnalysis(set));
}

// Rows fed by an item.

struct FedCase {
    int item;
    std::vector<DisorderId> rows;
};

void PrintTo(const FedCase& c, std::ostream* os) { *os << "item " << c.item; }

class RowsFed : public ::testing::TestWithParam<FedCase> {};

TEST_P(RowsFed, AreTheRowsWhoseItemSetsHoldTheItemInReportOrder) {
    EXPECT_EQ(RowsFedBy(GetParam().item), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Items, RowsFed,
    ::testing::Values(
        FedCase{1, {D::GAD}}, FedCase{23, {D::GAD, D::PTSD}},
        // A counted-only category feeds its row too: inattentive items feed the hyperactive type.
        FedCase{3, {D::ADHD_HI, D::ADHD_I, D::ADHD_C}}, FedCase{12, {D::ADHD_HI, D::ADHD_I, D::ADHD_C}},
        FedCase{4, {D::CD, D::ODD}}, FedCase{13, {D::ODD}}, FedCase{20, {D::AN, D::BN}},
        FedCase{51, {D::GAD, D::DD}}, FedCase{74, {D::ELD, D::MRELD}}, FedCase{9, {D::AsD, D::AD}},
        FedCase{56, {D::TicD_M, D::TicD_V, D::TD}}, FedCase{111, {D::PTSD}}, FedCase{19, {}}, FedCase{0, {}},
        FedCase{112, {}}),
    [](const auto& info) { return "Item" + std::to_string(info.param.item); });

TEST(RowsFedBy, OnlyTheItemsOfTheRepeatedPairsFeedNoRow) {
    const std::vector<int> reliabilityOnly = {19, 36, 49, 57, 65, 86, 100};
    std::vector<int> feedNone;
    for (int item = 1; item <= kItemCount; ++item) {
        if (RowsFedBy(item).empty()) feedNone.push_back(item);
    }
    EXPECT_EQ(feedNone, reliabilityOnly);
}

// Answers.

TEST(CompareReporters, GivesEveryItemInOrderWithTheRowsItFeeds) {
    const ReporterComparison comparison = Compare({.self = Answers{}, .parent = Answers{}});
    ASSERT_EQ(comparison.items.size(), static_cast<std::size_t>(kItemCount));
    for (int item = 1; item <= kItemCount; ++item) {
        const ItemComparison& entry = comparison.items[static_cast<std::size_t>(item - 1)];
        EXPECT_EQ(entry.item, item);
        EXPECT_EQ(entry.rows, RowsFedBy(item)) << item;
    }
    EXPECT_EQ(comparison.present, (std::array<bool, kReportSlots>{true, true, false}));
}

TEST(CompareReporters, AnswersAreTheDigitsGivenAndEmptyForBlanksAndAbsentReporters) {
    const ReporterComparison comparison =
        Compare({.self = Answers{{1, 0}, {2, 5}, {3, kBlank}}, .parent = Answers{{1, 3}}});
    const auto& items = comparison.items;
    EXPECT_EQ(items[0].answers, (std::array<std::optional<int>, kReportSlots>{0, 3, kNone}));
    EXPECT_EQ(items[1].answers, (std::array<std::optional<int>, kReportSlots>{5, kNone, kNone}));
    EXPECT_EQ(items[2].answers, (std::array<std::optional<int>, kReportSlots>{kNone, kNone, kNone}));
}

TEST(CompareReporters, AnItemNotAskedOfTeachersHasNoTeacherAnswerEvenWhenTheRecordHoldsOne) {
    // A record made by other means may hold an answer the Teacher form never asks.
    const ReporterComparison comparison =
        Compare({.self = Answers{{7, 0}}, .teacher = Answers{{7, 5}, {2, 4}}});
    const ItemComparison& seven = comparison.items[6];
    EXPECT_TRUE(seven.notAskedOfTeacher);
    EXPECT_EQ(seven.answers[kTeacher], kNone);
    EXPECT_FALSE(seven.disagreement);
    EXPECT_FALSE(comparison.items[1].notAskedOfTeacher);
    EXPECT_EQ(comparison.items[1].answers[kTeacher], 4);
    int notAsked = 0;
    for (const ItemComparison& item : comparison.items) notAsked += item.notAskedOfTeacher ? 1 : 0;
    EXPECT_EQ(notAsked, 20);
}

// Disagreement marks.

struct DisagreementCase {
    const char* name;
    Reports reports;  // answers to item 1
    bool disagreement;
};

void PrintTo(const DisagreementCase& c, std::ostream* os) { *os << c.name; }

class Disagreement : public ::testing::TestWithParam<DisagreementCase> {};

TEST_P(Disagreement, MarksTwoAnswersTwoOrMorePointsApart) {
    EXPECT_EQ(Compare(GetParam().reports).items[0].disagreement, GetParam().disagreement);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, Disagreement,
    ::testing::Values(
        DisagreementCase{"TwoApart", {.self = Answers{{1, 1}}, .parent = Answers{{1, 3}}}, true},
        DisagreementCase{"OneApart", {.self = Answers{{1, 1}}, .parent = Answers{{1, 2}}}, false},
        DisagreementCase{"Identical", {.self = Answers{{1, 4}}, .parent = Answers{{1, 4}}}, false},
        DisagreementCase{
            "FiveApartAcrossABlank",
            {.self = Answers{{1, 5}}, .parent = Answers{{1, kBlank}}, .teacher = Answers{{1, 0}}},
            true},
        DisagreementCase{"OnlyTheOuterPairFarEnough",
                         {.self = Answers{{1, 2}}, .parent = Answers{{1, 3}}, .teacher = Answers{{1, 4}}},
                         true},
        DisagreementCase{"StepsOfOne",
                         {.self = Answers{{1, 2}}, .parent = Answers{{1, 3}}, .teacher = Answers{{1, 3}}},
                         false},
        DisagreementCase{
            "BlankAgainstAnAnswer", {.self = Answers{{1, 5}}, .parent = Answers{{1, kBlank}}}, false},
        DisagreementCase{"OneReporterOnly", {.self = Answers{{1, 5}}}, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Items counted towards a positive screen.

TEST(CompareReporters, AnItemCountsForARowItWasListedInForAReporterScreeningPositive) {
    const ReporterComparison comparison =
        Compare({.self = Join(Endorsed({21, 61, 72}), {{110, 2}}), .parent = Answers{{21, 4}}});
    EXPECT_EQ(comparison.items[20].countedPositive[kSelf], std::vector<DisorderId>{D::OCD});
    // Endorsed, but the Parent-report does not screen positive for the row.
    EXPECT_TRUE(comparison.items[20].countedPositive[kParent].empty());
    // Answered, but not endorsed.
    EXPECT_TRUE(comparison.items[109].countedPositive[kSelf].empty());
}

TEST(CompareReporters, AnItemCountsForEveryPositiveRowItFeeds) {
    // GAD (1; 14, 23, 27) and PTSD (2, 23, 111) both positive; 23 belongs to both.
    const ReporterComparison comparison = Compare({.self = Endorsed({1, 2, 14, 23, 27, 111})});
    EXPECT_EQ(comparison.items[22].countedPositive[kSelf], (std::vector<DisorderId>{D::GAD, D::PTSD}));
    EXPECT_EQ(comparison.items[1].countedPositive[kSelf], std::vector<DisorderId>{D::PTSD});
}

TEST(CompareReporters, ItemsHeldUnderACeilingDoNotCountTowardsThePositiveScreen) {
    // Hyperactive-impulsive type: six hyperactive items, and two inattentive ones under its ceiling of five.
    const ReporterComparison comparison = Compare({.self = Endorsed({12, 29, 37, 43, 47, 68, 3, 6})});
    EXPECT_EQ(comparison.items[11].countedPositive[kSelf], std::vector<DisorderId>{D::ADHD_HI});
    EXPECT_EQ(comparison.items[2].rows, (std::vector<DisorderId>{D::ADHD_HI, D::ADHD_I, D::ADHD_C}));
    EXPECT_TRUE(comparison.items[2].countedPositive[kSelf].empty());
}

TEST(CompareReporters, CountsAsTheScreeningEndorsesForEachReporter) {
    // "Sometimes" endorses conduct item 15; two PTSD items are enough for a teacher only.
    const ReporterComparison comparison = Compare({.self = Answers{{2, 4}, {111, 5}},
                                                   .parent = Answers{{4, 3}, {15, 2}, {83, 4}},
                                                   .teacher = Answers{{2, 4}, {111, 5}}});
    EXPECT_EQ(comparison.items[14].countedPositive[kParent], std::vector<DisorderId>{D::CD});
    EXPECT_EQ(comparison.items[1].countedPositive[kTeacher], std::vector<DisorderId>{D::PTSD});
    EXPECT_TRUE(comparison.items[1].countedPositive[kSelf].empty());
}

// Agreement of two reporters, worked by hand.

struct AgreementCase {
    const char* name;
    Column first, second;
    int bothAnswered;
    std::optional<double> identicalShare;
    std::optional<double> pearsonR;
};

void PrintTo(const AgreementCase& c, std::ostream* os) { *os << c.name; }

class Agreement : public ::testing::TestWithParam<AgreementCase> {};

void ExpectNear(const std::optional<double>& actual, const std::optional<double>& expected,
                const char* what) {
    ASSERT_EQ(actual.has_value(), expected.has_value()) << what;
    if (expected) {
        EXPECT_NEAR(*actual, *expected, 1e-12) << what;
    }
}

TEST_P(Agreement, CountsTheOverlapTheIdenticalShareAndTheCorrelation) {
    const AgreementCase& c = GetParam();
    const ReporterAgreement agreement = AgreementOf(c.first, c.second);
    EXPECT_EQ(agreement.bothAnswered, c.bothAnswered);
    ExpectNear(agreement.identicalShare, c.identicalShare, "identical share");
    ExpectNear(agreement.pearsonR, c.pearsonR, "Pearson r");
}

INSTANTIATE_TEST_SUITE_P(
    HandWorked, Agreement,
    ::testing::Values(
        AgreementCase{"InStep", {0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}, 5, 1.0, 1.0},
        AgreementCase{"Opposite", {1, 2, 3}, {3, 2, 1}, 3, 1.0 / 3, -1.0},
        // Means 2.5 and 2.5: products 2.25, -0.25, -0.25, 2.25 over sums of squares 5 and 5.
        AgreementCase{"FourFifths", {1, 2, 3, 4}, {1, 3, 2, 4}, 4, 0.5, 0.8},
        // Means 2 and 2: deviations (-2, 0, 2) and (-1, -1, 2); 6 / sqrt(8 * 6).
        AgreementCase{"HalfRootThree", {0, 2, 4}, {1, 1, 4}, 3, 1.0 / 3, std::sqrt(3.0) / 2},
        // Only the items both answered count: the same three pairs as above.
        AgreementCase{
            "BlanksLeftOut", {0, kNone, 2, 4, 5}, {1, 3, 1, 4, kNone}, 3, 1.0 / 3, std::sqrt(3.0) / 2},
        AgreementCase{"OneReporterAnsweredAllAlike", {2, 2, 2, 2}, {0, 1, 2, 3}, 4, 0.25, kNone},
        AgreementCase{"BothAnsweredAllAlike", {3, 3, 3}, {3, 3, 3}, 3, 1.0, kNone},
        AgreementCase{"TwoItemsOverlap", {1, 5, kNone}, {5, 1, 2}, 2, 0.0, kNone},
        AgreementCase{"NothingOverlaps", {1, kNone}, {kNone, 2}, 0, kNone, kNone}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CompareReporters, GivesThePairsOfPresentReportersInOrder) {
    const ReporterComparison all = Compare({.self = Answers{}, .parent = Answers{}, .teacher = Answers{}});
    ASSERT_EQ(all.pairs.size(), 3u);
    EXPECT_EQ(std::make_pair(all.pairs[0].first, all.pairs[0].second), std::make_pair(0, 1));
    EXPECT_EQ(std::make_pair(all.pairs[1].first, all.pairs[1].second), std::make_pair(0, 2));
    EXPECT_EQ(std::make_pair(all.pairs[2].first, all.pairs[2].second), std::make_pair(1, 2));

    const ReporterComparison two = Compare({.parent = Answers{}, .teacher = Answers{}});
    ASSERT_EQ(two.pairs.size(), 1u);
    EXPECT_EQ(std::make_pair(two.pairs[0].first, two.pairs[0].second), std::make_pair(1, 2));
    EXPECT_TRUE(Compare({.self = Answers{}}).pairs.empty());
}

TEST(CompareReporters, ThePairsAgreeOverTheItemsBothWereAsked) {
    // Alike on every item, the Teacher's record holding answers to the items teachers are not asked as well.
    Answers answers;
    for (int item = 1; item <= kItemCount; ++item) answers.emplace_back(item, item % 6);
    const ReporterComparison comparison = Compare({.self = answers, .teacher = answers});
    ASSERT_EQ(comparison.pairs.size(), 1u);
    EXPECT_EQ(comparison.pairs[0].bothAnswered, kItemCount - 20);
    ExpectNear(comparison.pairs[0].identicalShare, 1.0, "identical share");
    ExpectNear(comparison.pairs[0].pearsonR, 1.0, "Pearson r");
}

TEST(CompareReporters, AReporterWhoAnsweredEverythingAlikeHasNoCorrelation) {
    Answers varied;
    Answers alike;
    for (int item = 1; item <= kItemCount; ++item) {
        varied.emplace_back(item, item % 6);
        alike.emplace_back(item, 2);
    }
    const ReporterComparison comparison = Compare({.self = varied, .parent = alike});
    ASSERT_EQ(comparison.pairs.size(), 1u);
    EXPECT_EQ(comparison.pairs[0].bothAnswered, kItemCount);
    ExpectNear(comparison.pairs[0].identicalShare, 19.0 / kItemCount,
               "identical share");  // items 2, 8, ..., 110
    EXPECT_FALSE(comparison.pairs[0].pearsonR.has_value());
}

}  // namespace
}  // namespace orva
