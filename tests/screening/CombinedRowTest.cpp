#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screening/CombinedRow.h"
#include "screening/RecordBuilder.h"

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

struct CombineCase {
    const char* name;
    DisorderId id;
    Slots slots;
    std::vector<std::string> scores;  // Self, Parent, Teacher score texts
    std::vector<bool> shaded;
    std::string attained;
    std::string itemsMet;
};

void PrintTo(const CombineCase& c, std::ostream* os) { *os << c.name; }

const std::vector<CombineCase> kCases = {
    {"OnlyParentPositiveForConduct", D::CD, {nullptr, &kCdParent, nullptr}, {"", "3", ""}, {false, true, false},
     "YES", "(4, 15, 83)"},
    {"SelfAndTeacherPositive_ParentItemsLeftOut", D::GAD, {&kGadSelf, &kGadParentShort, &kGadTeacher},
     {"1\n3", "1\n1", "1\n3"}, {true, false, true}, "YES", "[1, 14, 23, 27]; {14, 27, 87, 103}"},
    {"NobodyPositive_CountsStillShown", D::OCD, {&kOcdTwo, &kNone, &kOcdTwo}, {"2", "0", "2"},
     {false, false, false}, "NO", ""},
    {"NoReportsAtAll", D::OCD, {}, {"", "", ""}, {false, false, false}, "NO", ""},
    {"SelfOnly", D::OCD, {&kOcdThree, nullptr, nullptr}, {"3", "", ""}, {true, false, false}, "YES",
     "[21, 61, 72]"},
    {"ParentOnly", D::OCD, {nullptr, &kOcdThree, nullptr}, {"", "3", ""}, {false, true, false}, "YES",
     "(21, 61, 72)"},
    {"TeacherOnly", D::OCD, {nullptr, nullptr, &kOcdThree}, {"", "", "3"}, {false, false, true}, "YES",
     "{21, 61, 72}"},
    {"SelfAndParent", D::OCD, {&kOcdThree, &kOcdThree, &kOcdTwo}, {"3", "3", "2"}, {true, true, false}, "YES",
     "[21, 61, 72]; (21, 61, 72)"},
    {"ParentAndTeacher", D::OCD, {&kOcdTwo, &kOcdThree, &kOcdThree}, {"2", "3", "3"}, {false, true, true}, "YES",
     "(21, 61, 72); {21, 61, 72}"},
    {"AllThree", D::OCD, {&kOcdThree, &kOcdThree, &kOcdThree}, {"3", "3", "3"}, {true, true, true}, "YES",
     "[21, 61, 72]; (21, 61, 72); {21, 61, 72}"},
    {"OddForSelf", D::ODD, {&kOddSelf, &kCdParent, nullptr}, {"4\n0", "0\n3", ""}, {true, false, false}, "YES",
     "[13, 25, 76, 85]"},
    {"ConductForParent", D::CD, {&kOddSelf, &kCdParent, nullptr}, {"0", "3", ""}, {false, true, false}, "YES",
     "(4, 15, 83)"},
    {"ThreeCountsOnThreeLines", D::AD, {&kNone, nullptr, nullptr}, {"0\n0\n0", "", ""}, {false, false, false}, "NO",
     ""},
    {"TeacherNotAssessedForSeparationAnxiety", D::SAD, {&kNone, nullptr, &kNone},
     {"0", "", "Not Assessed in the TRF"}, {false, false, false}, "NO", ""},
    {"TeacherNotAssessedForAnorexia", D::AN, {nullptr, nullptr, &kNone}, {"", "", "Not Assessed in the TRF"},
     {false, false, false}, "NO", ""},
    {"TeacherNotAssessedForBulimia", D::BN, {nullptr, nullptr, &kNone}, {"", "", "Not Assessed in the TRF"},
     {false, false, false}, "NO", ""},
};

class Combine : public ::testing::TestWithParam<CombineCase> {};

TEST_P(Combine, ShowsScoresShadingAttainedAndItems) {
    const CombineCase& c = GetParam();
    const ReportSet set = MakeSet(c.slots);
    const CombinedRow row = CombineRow(set, c.id);
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_EQ(row.reporters[slot].scoreText, c.scores[slot]) << "slot " << slot;
        EXPECT_EQ(row.reporters[slot].shaded, c.shaded[slot]) << "slot " << slot;
    }
    EXPECT_EQ(row.cutoffAttained, c.attained);
    EXPECT_EQ(row.cutoffShaded, c.attained == "YES");
    EXPECT_EQ(row.itemsMet, c.itemsMet);
}

INSTANTIATE_TEST_SUITE_P(Rows, Combine, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The Teacher score of the rows teachers are not asked reads as such, yet a Teacher record
// that does hold those answers still counts towards "Cutoff Attained".
TEST(CombineRow, NotAssessedTeacherRowStillUsesTheResult) {
    const Answers sad = Endorsed({17, 22, 33});
    const ReportSet set = MakeSet({nullptr, nullptr, &sad});
    const CombinedRow row = CombineRow(set, D::SAD);
    EXPECT_EQ(row.reporters[kTeacher].scoreText, "Not Assessed in the TRF");
    EXPECT_TRUE(row.reporters[kTeacher].shaded);
    EXPECT_EQ(row.cutoffAttained, "YES");
    EXPECT_EQ(row.itemsMet, "{17, 22, 33}");
}

TEST(CombineRow, TeacherAllowanceAppliesOnlyInTheTeacherColumn) {
    const Answers ptsd = Endorsed({2, 111});
    const ReportSet set = MakeSet({&ptsd, &ptsd, &ptsd});
    const CombinedRow row = CombineRow(set, D::PTSD);
    EXPECT_EQ(row.reporters[kSelf].shaded, false);
    EXPECT_EQ(row.reporters[kParent].shaded, false);
    EXPECT_EQ(row.reporters[kTeacher].shaded, true);
    EXPECT_EQ(row.itemsMet, "{2, 111}");
}

// A slot without a last name is absent, whatever answers its record holds.
TEST(CombineRow, AbsentSlotNeverContributes) {
    ReportSet set;
    set.Record(kParent) = MakeRecord(kParent, kOcdThree, "");
    const CombinedRow row = CombineRow(set, D::OCD);
    EXPECT_FALSE(row.reporters[kParent].present);
    EXPECT_EQ(row.reporters[kParent].scoreText, "");
    EXPECT_EQ(row.cutoffAttained, "NO");
    EXPECT_EQ(row.itemsMet, "");
    EXPECT_EQ(CountPositiveScreens(set, kParent), "");
}

struct CountCase {
    const char* name;
    Answers answers;
    std::string count;
};

void PrintTo(const CountCase& c, std::ostream* os) { *os << c.name; }

Answers AllItems(int value) {
    Answers answers;
    for (int item = 1; item <= kItemCount; ++item) answers.emplace_back(item, value);
    return answers;
}

const std::vector<CountCase> kCounts = {
    {"NothingEndorsed", {}, "0"},
    {"CombinedAdhdConductAndTourette",
     testing::Join(Endorsed({12, 29, 37, 43, 47, 68, 3, 6, 39, 54, 71, 77, 52, 56}), Endorsed({4, 15, 83})), "3"},
    {"EverythingEndorsed", AllItems(5), "16"},
};

class PositiveScreens : public ::testing::TestWithParam<CountCase> {};

TEST_P(PositiveScreens, CountsPositiveRowsOfThePresentReporter) {
    for (int slot = 0; slot < 3; ++slot) {
        ReportSet set;
        set.Record(slot) = MakeRecord(slot, GetParam().answers);
        for (int other = 0; other < 3; ++other) {
            if (other == slot) continue;
            EXPECT_EQ(CountPositiveScreens(set, other), "");
        }
        // The Teacher allowance makes no difference here: none of the cases has exactly two PTSD items.
        EXPECT_EQ(CountPositiveScreens(set, slot), GetParam().count) << "slot " << slot;
    }
}

INSTANTIATE_TEST_SUITE_P(Records, PositiveScreens, ::testing::ValuesIn(kCounts),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orva
