// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "model/ItemCatalogue.h"
#include "screening/AnalysisResult.h"
#include "support/RecordBuilder.h"

namespace orva {
namespace {

using testing::Endorsed;
using testing::MakeRecord;
using Answers = std::vector<std::pair<int, int>>;

TEST(ComputeAnalysis, HoldsTheCombinedRowOfEveryRowInReportOrder) {
    ReportSet set;
    set.Record(kSelf) = MakeRecord(kSelf, Endorsed({21, 61, 72, 4, 15, 83}));
    set.Record(kTeacher) = MakeRecord(kTeacher, Endorsed({2, 111, 17, 22, 33}));
    const AnalysisResult analysis = ComputeAnalysis(set);
    EXPECT_EQ(analysis.present, (std::array<bool, 3>{true, false, true}));
    EXPECT_TRUE(analysis.AnyPresent());
    for (DisorderId id : kAllDisorders) {
        EXPECT_EQ(analysis.Row(id), CombineRow(set, id)) << DisorderName(id);
        EXPECT_EQ(analysis.rows[RowIndex(id)].id, id);
    }
    EXPECT_EQ(analysis.followUp, (std::vector<FollowUpItem>{{2, kTeacher, 3}, {111, kTeacher, 4}}));
}

TEST(ComputeAnalysis, EmptySetHasNoReporterAndNothingAttained) {
    const AnalysisResult analysis = ComputeAnalysis(ReportSet{});
    EXPECT_FALSE(analysis.AnyPresent());
    EXPECT_EQ(analysis.positiveScreens, (std::array<int, 3>{0, 0, 0}));
    for (const OmegaResult& omega : analysis.omega) EXPECT_EQ(omega, OmegaResult{});
    EXPECT_FALSE(analysis.reliabilityAttained);
    for (const CombinedRow& row : analysis.rows) EXPECT_FALSE(row.cutoffAttained);
}

// A slot without a last name is absent, whatever answers its record holds.
TEST(ComputeAnalysis, AbsentSlotIsNeitherCountedNorMeasured) {
    ReportSet set;
    Answers answers = Endorsed({21, 61, 72});
    for (const ItemCatalogue::RepeatedPair& pair : ItemCatalogue::RepeatedPairs()) {
        answers.emplace_back(pair.first, 3);
        answers.emplace_back(pair.second, 3);
    }
    set.Record(kParent) = MakeRecord(kParent, answers, "");
    const AnalysisResult analysis = ComputeAnalysis(set);
    EXPECT_FALSE(analysis.present[kParent]);
    EXPECT_EQ(analysis.positiveScreens[kParent], 0);
    EXPECT_EQ(analysis.omega[kParent], OmegaResult{});
    EXPECT_FALSE(analysis.reliabilityAttained);
}

struct CountCase {
    const char* name;
    Answers answers;
    int count;
};

void PrintTo(const CountCase& c, std::ostream* os) { *os << c.name; }

Answers AllItems(int value) {
    Answers answers;
    for (int item = 1; item <= kItemCount; ++item) answers.emplace_back(item, value);
    return answers;
}

const std::vector<CountCase> kCounts = {
    {"NothingEndorsed", {}, 0},
    {"CombinedAdhdConductAndTourette",
     testing::Join(Endorsed({12, 29, 37, 43, 47, 68, 3, 6, 39, 54, 71, 77, 52, 56}), Endorsed({4, 15, 83})), 3},
    {"EverythingEndorsed", AllItems(5), 16},
};

class PositiveScreens : public ::testing::TestWithParam<CountCase> {};

TEST_P(PositiveScreens, CountsPositiveRowsOfThePresentReporter) {
    for (int slot = 0; slot < 3; ++slot) {
        ReportSet set;
        set.Record(slot) = MakeRecord(slot, GetParam().answers);
        const AnalysisResult analysis = ComputeAnalysis(set);
        for (int other = 0; other < 3; ++other) {
            if (other == slot) continue;
            EXPECT_FALSE(analysis.present[other]);
            EXPECT_EQ(analysis.positiveScreens[other], 0);
        }
        EXPECT_TRUE(analysis.present[slot]);
        // The Teacher allowance makes no difference here: none of the cases has exactly two PTSD items.
        EXPECT_EQ(analysis.positiveScreens[slot], GetParam().count) << "slot " << slot;
    }
}

INSTANTIATE_TEST_SUITE_P(Records, PositiveScreens, ::testing::ValuesIn(kCounts),
                         [](const auto& info) { return std::string(info.param.name); });

// Answers of the first repeated pairs, in accumulation order.
Answers PairAnswers(const std::vector<std::pair<int, int>>& pairs) {
    Answers answers;
    const auto& catalogue = ItemCatalogue::RepeatedPairs();
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        answers.emplace_back(catalogue[i].first, pairs[i].first);
        answers.emplace_back(catalogue[i].second, pairs[i].second);
    }
    return answers;
}

// Reports of a set, by the Omega their pairs give.
const std::vector<std::pair<int, int>> kOmega004 = {{3, 3}, {4, 3}, {1, 2}, {5, 4}, {0, 1}};
const std::vector<std::pair<int, int>> kOmega010 = {{3, 3}, {3, 4}, {2, 1}, {0, 1}};
const std::vector<std::pair<int, int>> kTooFew = {{3, 3}, {3, 3}};

enum class Measure { Absent, TooFew, Below, Above };

struct SetCase {
    const char* name;
    std::vector<const std::vector<std::pair<int, int>>*> slots;  // Self, Parent, Teacher; null = empty
    std::array<Measure, 3> measures;
    bool attained;
};

void PrintTo(const SetCase& c, std::ostream* os) { *os << c.name; }

using M = Measure;
const std::vector<SetCase> kSetCases = {
    {"Empty", {nullptr, nullptr, nullptr}, {M::Absent, M::Absent, M::Absent}, false},
    {"SelfBelowParentAbove", {&kOmega004, &kOmega010, nullptr}, {M::Below, M::Above, M::Absent}, true},
    {"SelfTooFew", {&kTooFew, nullptr, nullptr}, {M::TooFew, M::Absent, M::Absent}, false},
    {"OnlyTeacherReliable", {&kOmega004, &kTooFew, &kOmega010}, {M::Below, M::TooFew, M::Above}, true},
    {"NoneReliable", {nullptr, &kTooFew, &kOmega004}, {M::Absent, M::TooFew, M::Below}, false},
    {"ParentAboveAlone", {nullptr, &kOmega010, nullptr}, {M::Absent, M::Above, M::Absent}, true},
    {"TeacherTooFewAlone", {nullptr, nullptr, &kTooFew}, {M::Absent, M::Absent, M::TooFew}, false},
    {"SelfAboveAlone", {&kOmega010, nullptr, nullptr}, {M::Above, M::Absent, M::Absent}, true},
    {"ParentBelowAlone", {nullptr, &kOmega004, nullptr}, {M::Absent, M::Below, M::Absent}, false},
};

class Reliability : public ::testing::TestWithParam<SetCase> {};

TEST_P(Reliability, MeasuresEachPresentReportAndAttainsWithOneReliable) {
    const SetCase& c = GetParam();
    ReportSet set;
    for (int slot = 0; slot < 3; ++slot) {
        if (c.slots[slot] != nullptr) set.Record(slot) = MakeRecord(slot, PairAnswers(*c.slots[slot]));
    }
    const AnalysisResult analysis = ComputeAnalysis(set);
    for (int slot = 0; slot < 3; ++slot) {
        const Measure measure = c.measures[slot];
        const OmegaResult& omega = analysis.omega[slot];
        EXPECT_EQ(analysis.present[slot], measure != M::Absent) << "slot " << slot;
        if (measure == M::Absent) {
            EXPECT_EQ(omega, OmegaResult{}) << "slot " << slot;
        } else {
            EXPECT_EQ(omega, ComputeOmega(set.Record(slot))) << "slot " << slot;
        }
        EXPECT_EQ(omega.HasValue(), measure == M::Below || measure == M::Above) << "slot " << slot;
        EXPECT_EQ(omega.reliable, measure == M::Above) << "slot " << slot;
    }
    EXPECT_EQ(analysis.reliabilityAttained, c.attained);
}

INSTANTIATE_TEST_SUITE_P(Sets, Reliability, ::testing::ValuesIn(kSetCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orva
