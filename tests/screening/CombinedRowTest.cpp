// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "screening/CombinedRow.h"
#include "support/RecordBuilder.h"

namespace orva {
namespace {

using testing::Endorsed;
using testing::MakeRecord;
using D = DisorderId;
using Answers = std::vector<std::pair<int, int>>;

const Answers kNone = {};

// Fills the slots whose answers are given; an absent slot stays reset.
struct Slots {
    const Answers* self = nullptr;
    const Answers* parent = nullptr;
    const Answers* teacher = nullptr;
};

ReportSet MakeSet(const Slots& slots) {
    ReportSet set;
    const Answers* answers[3] = {slots.self, slots.parent, slots.teacher};
    for (int slot = 0; slot < 3; ++slot) {
        if (answers[slot] != nullptr) set.Record(slot) = MakeRecord(slot, *answers[slot]);
    }
    return set;
}

const Answers kCdParent = Endorsed({4, 15, 83});
const Answers kGadSelf = Endorsed({1, 14, 23, 27});
const Answers kGadTeacher = Endorsed({14, 27, 87, 103});
const Answers kGadParentShort = Endorsed({1, 51});  // not positive: two associated items missing
const Answers kOddSelf = Endorsed({13, 25, 76, 85});
const Answers kOcdThree = Endorsed({21, 61, 72});
const Answers kOcdTwo = Endorsed({21, 110});

// What a case expects of one row; an absent reporter has no counts.
struct CombineCase {
    const char* name;
    DisorderId id;
    Slots slots;
    std::array<std::vector<int>, 3> counts;  // Self, Parent, Teacher
    std::array<bool, 3> positive;
    bool attained;
    std::array<ItemList, 3> itemsMet;
    bool teacherNotAssessed = false;
};

void PrintTo(const CombineCase& c, std::ostream* os) { *os << c.name; }

const ItemList kNoItems = {};
const ItemList kOcdItems = {21, 61, 72};
const ItemList kCdItems = {4, 15, 83};

const std::vector<CombineCase> kCases = {
    {"OnlyParentPositiveForConduct", D::CD, {nullptr, &kCdParent, nullptr}, {{{}, {3}, {}}}, {false, true, false},
     true, {kNoItems, kCdItems, kNoItems}},
    {"SelfAndTeacherPositive_ParentItemsLeftOut", D::GAD, {&kGadSelf, &kGadParentShort, &kGadTeacher},
     {{{1, 3}, {1, 1}, {1, 3}}}, {true, false, true}, true, {ItemList{1, 14, 23, 27}, kNoItems, ItemList{14, 27, 87, 103}}},
    {"NobodyPositive_CountsStillGiven", D::OCD, {&kOcdTwo, &kNone, &kOcdTwo}, {{{2}, {0}, {2}}},
     {false, false, false}, false, {}},
    {"NoReportsAtAll", D::OCD, {}, {}, {false, false, false}, false, {}},
    {"SelfOnly", D::OCD, {&kOcdThree, nullptr, nullptr}, {{{3}, {}, {}}}, {true, false, false}, true,
     {kOcdItems, kNoItems, kNoItems}},
    {"ParentOnly", D::OCD, {nullptr, &kOcdThree, nullptr}, {{{}, {3}, {}}}, {false, true, false}, true,
     {kNoItems, kOcdItems, kNoItems}},
    {"TeacherOnly", D::OCD, {nullptr, nullptr, &kOcdThree}, {{{}, {}, {3}}}, {false, false, true}, true,
     {kNoItems, kNoItems, kOcdItems}},
    {"SelfAndParent", D::OCD, {&kOcdThree, &kOcdThree, &kOcdTwo}, {{{3}, {3}, {2}}}, {true, true, false}, true,
     {kOcdItems, kOcdItems, kNoItems}},
    {"ParentAndTeacher", D::OCD, {&kOcdTwo, &kOcdThree, &kOcdThree}, {{{2}, {3}, {3}}}, {false, true, true}, true,
     {kNoItems, kOcdItems, kOcdItems}},
    {"AllThree", D::OCD, {&kOcdThree, &kOcdThree, &kOcdThree}, {{{3}, {3}, {3}}}, {true, true, true}, true,
     {kOcdItems, kOcdItems, kOcdItems}},
    {"OddForSelf", D::ODD, {&kOddSelf, &kCdParent, nullptr}, {{{4, 0}, {0, 3}, {}}}, {true, false, false}, true,
     {ItemList{13, 25, 76, 85}, kNoItems, kNoItems}},
    {"ConductForParent", D::CD, {&kOddSelf, &kCdParent, nullptr}, {{{0}, {3}, {}}}, {false, true, false}, true,
     {kNoItems, kCdItems, kNoItems}},
    {"ThreeCounts", D::AD, {&kNone, nullptr, nullptr}, {{{0, 0, 0}, {}, {}}}, {false, false, false}, false, {}},
    {"TeacherNotAssessedForSeparationAnxiety", D::SAD, {&kNone, nullptr, &kNone}, {{{0}, {}, {0}}},
     {false, false, false}, false, {}, true},
    {"TeacherNotAssessedForAnorexia", D::AN, {nullptr, nullptr, &kNone}, {{{}, {}, {0}}}, {false, false, false},
     false, {}, true},
    {"TeacherNotAssessedForBulimia", D::BN, {nullptr, nullptr, &kNone}, {{{}, {}, {0}}}, {false, false, false},
     false, {}, true},
    {"TeacherAssessedForConduct", D::CD, {nullptr, nullptr, &kNone}, {{{}, {}, {0}}}, {false, false, false}, false,
     {}},
};

std::vector<int> Counts(const ScreeningResult& result) {
    return std::vector<int>(result.counts.begin(), result.counts.begin() + result.countCount);
}

class Combine : public ::testing::TestWithParam<CombineCase> {};

TEST_P(Combine, GivesCountsPositivesAttainedAndItems) {
    const CombineCase& c = GetParam();
    const ReportSet set = MakeSet(c.slots);
    const CombinedRow row = CombineRow(set, c.id);
    EXPECT_EQ(row.id, c.id);
    for (int slot = 0; slot < 3; ++slot) {
        const ReporterScore& score = row.reporters[slot];
        const bool present = !c.counts[slot].empty();
        EXPECT_EQ(score.present, present) << "slot " << slot;
        if (present) {
            EXPECT_EQ(Counts(score.result), c.counts[slot]) << "slot " << slot;
        }
        EXPECT_EQ(score.result.positive, c.positive[slot]) << "slot " << slot;
        EXPECT_EQ(score.result.itemsMet, c.itemsMet[slot]) << "slot " << slot;
        EXPECT_EQ(score.notAssessed, slot == kTeacher && c.teacherNotAssessed) << "slot " << slot;
    }
    EXPECT_EQ(row.cutoffAttained, c.attained);
}

INSTANTIATE_TEST_SUITE_P(Rows, Combine, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A Teacher record on a row teachers are not asked is marked so, yet when it does hold those
// answers it still counts towards "Cutoff Attained".
TEST(CombineRow, NotAssessedTeacherRowStillUsesTheResult) {
    const Answers sad = Endorsed({17, 22, 33});
    const ReportSet set = MakeSet({nullptr, nullptr, &sad});
    const CombinedRow row = CombineRow(set, D::SAD);
    EXPECT_TRUE(row.reporters[kTeacher].notAssessed);
    EXPECT_TRUE(row.reporters[kTeacher].result.positive);
    EXPECT_EQ(Counts(row.reporters[kTeacher].result), std::vector<int>{3});
    EXPECT_TRUE(row.cutoffAttained);
    EXPECT_EQ(row.reporters[kTeacher].result.itemsMet, (ItemList{17, 22, 33}));
}

TEST(CombineRow, TeacherAllowanceAppliesOnlyInTheTeacherColumn) {
    const Answers ptsd = Endorsed({2, 111});
    const ReportSet set = MakeSet({&ptsd, &ptsd, &ptsd});
    const CombinedRow row = CombineRow(set, D::PTSD);
    EXPECT_FALSE(row.reporters[kSelf].result.positive);
    EXPECT_FALSE(row.reporters[kParent].result.positive);
    EXPECT_TRUE(row.reporters[kTeacher].result.positive);
    EXPECT_TRUE(row.reporters[kSelf].result.itemsMet.Empty());
    EXPECT_TRUE(row.reporters[kParent].result.itemsMet.Empty());
    EXPECT_EQ(row.reporters[kTeacher].result.itemsMet, (ItemList{2, 111}));
}

// A slot without a last name is absent, whatever answers its record holds.
TEST(CombineRow, AbsentSlotNeverContributes) {
    ReportSet set;
    set.Record(kParent) = MakeRecord(kParent, kOcdThree, "");
    const CombinedRow row = CombineRow(set, D::OCD);
    EXPECT_FALSE(row.reporters[kParent].present);
    EXPECT_FALSE(row.reporters[kParent].result.positive);
    EXPECT_EQ(Counts(row.reporters[kParent].result), std::vector<int>{0});
    EXPECT_TRUE(row.reporters[kParent].result.itemsMet.Empty());
    EXPECT_FALSE(row.cutoffAttained);
}

}  // namespace
}  // namespace orva
