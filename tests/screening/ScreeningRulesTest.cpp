// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "model/ItemCatalogue.h"
#include "support/RecordBuilder.h"
#include "screening/ScreenDisorder.h"
#include "screening/ScreeningRules.h"
#include "screening/ScreeningTexts.h"

namespace orva {
namespace {

using D = DisorderId;

// What every row shows: label, group heading and cutoff label, as the product words them.
struct RowTexts {
    DisorderId id;
    const char* name;
    const char* group;
    const char* label;
    const char* cutoff;
};

const RowTexts kRowTexts[kDisorderCount] = {
    {D::GAD, "GAD", "ANXIETY DISORDERS", "Generalised anxiety disorder", ">=1\n>=3"},
    {D::OCD, "OCD", "ANXIETY DISORDERS", "Obsessive-compulsive disorder", ">=3"},
    {D::PTSD, "PTSD", "ANXIETY DISORDERS", "Post-traumatic stress disorder", ">=3\n{TRS>=2}"},
    {D::SAD, "SAD", "ANXIETY DISORDERS", "Separation anxiety disorder", ">=3"},
    {D::ADHD_HI, "ADHD_HI", "ATTENTION-DEFICIT and DISRUPTIVE BEHAVIOUR DISORDERS",
     "Attention-deficit/hyperactivity disorder,\nhyperactive-impulsive type (#1)", ">=6\n<6"},
    {D::ADHD_I, "ADHD_I", "ATTENTION-DEFICIT and DISRUPTIVE BEHAVIOUR DISORDERS",
     "Attention-deficit/hyperactivity disorder,\ninattentive type (#1)", ">=6\n<6"},
    {D::ADHD_C, "ADHD_C", "ATTENTION-DEFICIT and DISRUPTIVE BEHAVIOUR DISORDERS",
     "Attention-deficit/hyperactivity disorder,\ncombined type (#1)", ">=6\n>=6"},
    {D::CD, "CD", "ATTENTION-DEFICIT and DISRUPTIVE BEHAVIOUR DISORDERS", "Conduct disorder (#2)", ">=3"},
    {D::ODD, "ODD", "ATTENTION-DEFICIT and DISRUPTIVE BEHAVIOUR DISORDERS", "Oppositional defiant disorder (#2)",
     ">=4\n<3"},
    {D::ELD, "ELD", "COMMUNICATION DISORDERS", "Expressive language disorder (#3)", ">=2\n=0"},
    {D::MRELD, "MRELD", "COMMUNICATION DISORDERS", "Mixed receptive-expressive language\ndisorder (#3)",
     ">=2\n>=1"},
    {D::PD, "PD", "COMMUNICATION DISORDERS", "Phonological disorder", "=2"},
    {D::DD, "DD", "DEPRESSIVE DISORDERS", "Dysthymic disorder", ">=1\n>=2"},
    {D::AN, "AN", "EATING DISORDERS", "Anorexia nervosa", ">=3"},
    {D::BN, "BN", "EATING DISORDERS", "Bulimia nervosa", ">=3"},
    {D::DWE, "DWE", "LEARNING DISORDERS", "Disorder of written expression", ">=3"},
    {D::MD, "MD", "LEARNING DISORDERS", "Mathematics disorder", ">=3"},
    {D::RD, "RD", "LEARNING DISORDERS", "Reading disorder", ">=2"},
    {D::AsD, "AsD", "PERVASIVE DEVELOPMENTAL DISORDERS", "Asperger's disorder (#4)\n(Total score also evaluated)",
     ">=2\n>=1\n=0"},
    {D::AD, "AD", "PERVASIVE DEVELOPMENTAL DISORDERS", "Autistic disorder (#4)\n(Total score also evaluated)",
     ">=2\n>=1\n>=1"},
    {D::TicD_M, "TicD_M", "TIC DISORDERS", "Tic disorder-motor (#5)", "=1\n=0"},
    {D::TicD_V, "TicD_V", "TIC DISORDERS", "Tic disorder-vocal (#5)", "=1\n=0"},
    {D::TD, "TD", "TIC DISORDERS", "Tourette's disorder (#5)", "=1\n=1"},
};

TEST(ScreeningRules, RowsCarryTheirExactTextsInReportOrder) {
    for (int i = 0; i < kDisorderCount; ++i) {
        const RowTexts& t = kRowTexts[i];
        EXPECT_EQ(kAllDisorders[i], t.id);
        EXPECT_STREQ(DisorderName(t.id), t.name);
        EXPECT_STREQ(RowLabel(t.id), t.label);
        EXPECT_STREQ(GroupHeading(t.id), t.group);
        EXPECT_STREQ(CutoffLabel(t.id), t.cutoff);
    }
}

TEST(ScreeningRules, GroupHeadingsStartEightGroups) {
    std::vector<std::string> headings;
    for (DisorderId id : kAllDisorders) {
        if (StartsGroup(id)) headings.emplace_back(GroupHeading(id));
    }
    EXPECT_EQ(headings, (std::vector<std::string>{"ANXIETY DISORDERS",
                                                  "ATTENTION-DEFICIT and DISRUPTIVE BEHAVIOUR DISORDERS",
                                                  "COMMUNICATION DISORDERS", "DEPRESSIVE DISORDERS",
                                                  "EATING DISORDERS", "LEARNING DISORDERS",
                                                  "PERVASIVE DEVELOPMENTAL DISORDERS", "TIC DISORDERS"}));
}

TEST(ScreeningRules, CutoffLabelHasOneLinePerCountExceptTheTeacherAllowanceLine) {
    for (const RowRule& rule : ScreeningRules()) {
        const std::string label = rule.cutoffLabel;
        const int lines = 1 + static_cast<int>(std::count(label.begin(), label.end(), '\n'));
        const int extra = rule.extra == ExtraTest::TeacherAllowance ? 1 : 0;
        EXPECT_EQ(lines, rule.categoryCount + extra) << DisorderName(rule.id);
    }
}

TEST(ScreeningRules, ItemSetsAreAscendingAndNoItemServesTwoCategoriesOfOneRow) {
    for (const RowRule& rule : ScreeningRules()) {
        std::set<int> seen;
        for (int c = 0; c < rule.categoryCount; ++c) {
            const auto items = rule.categories[c].items;
            EXPECT_FALSE(items.empty()) << DisorderName(rule.id);
            EXPECT_TRUE(std::is_sorted(items.begin(), items.end())) << DisorderName(rule.id);
            for (int item : items) {
                EXPECT_TRUE(item >= 1 && item <= kItemCount);
                EXPECT_TRUE(seen.insert(item).second) << DisorderName(rule.id) << " item " << item;
            }
        }
    }
}

// "Not Assessed in the TRF" follows the catalogue: the rows most of whose items teachers are
// not asked.
TEST(ScreeningRules, NotAssessedByTeacherRowsAreThoseMostlyMissingFromTheTeacherReport) {
    std::vector<DisorderId> expected;
    for (const RowRule& rule : ScreeningRules()) {
        int total = 0;
        int missing = 0;
        for (int c = 0; c < rule.categoryCount; ++c) {
            for (int item : rule.categories[c].items) {
                ++total;
                if (!ItemCatalogue::InTeacherReport(item)) ++missing;
            }
        }
        if (2 * missing > total) expected.push_back(rule.id);
        EXPECT_EQ(NotAssessedByTeacher(rule.id), 2 * missing > total) << DisorderName(rule.id);
    }
    EXPECT_EQ(expected, (std::vector<DisorderId>{D::SAD, D::AN, D::BN}));
}

// An independent statement of every rule, written straight from the product's rule table,
// against which random records are screened.
struct OracleRow {
    std::vector<std::vector<int>> sets;  // label order
    std::vector<bool> listed;
    bool listOnlyWhenPositive;
    std::function<bool(const std::vector<int>&, int reporter)> positive;
};

const std::vector<int> kHI = {12, 29, 37, 43, 47, 68, 70, 75, 80};
const std::vector<int> kIN = {3, 6, 39, 54, 71, 77, 90, 93, 97};
const std::vector<int> kCD = {4, 15, 16, 30, 41, 50, 59, 69, 73, 82, 83, 88};
const std::vector<int> kEXP = {10, 105, 106};
const std::vector<int> kREC = {74};
const std::vector<int> kSOC = {5, 32, 67, 107};
const std::vector<int> kRRB = {38, 58, 94, 108};
const std::vector<int> kCOM = {9, 46, 78, 91};
const std::vector<int> kMOT = {56};
const std::vector<int> kVOC = {52};

const std::vector<OracleRow>& Oracle() {
    using C = const std::vector<int>&;
    static const std::vector<OracleRow> rows = {
        {{{1, 103}, {14, 23, 27, 51, 87, 109}}, {true, true}, false, [](C c, int) { return c[0] >= 1 && c[1] >= 3; }},
        {{{21, 61, 72, 110}}, {true}, false, [](C c, int) { return c[0] >= 3; }},
        {{{2, 7, 23, 111}}, {true}, false, [](C c, int r) { return c[0] >= 3 || (r == kTeacher && c[0] >= 2); }},
        {{{17, 22, 33, 40, 48, 60, 66, 102}}, {true}, false, [](C c, int) { return c[0] >= 3; }},
        {{kHI, kIN}, {true, false}, true, [](C c, int) { return c[0] >= 6 && c[1] <= 5; }},
        {{kIN, kHI}, {true, false}, true, [](C c, int) { return c[0] >= 6 && c[1] <= 5; }},
        {{kHI, kIN}, {true, true}, false, [](C c, int) { return c[0] >= 6 && c[1] >= 6; }},
        {{kCD}, {true}, false, [](C c, int) { return c[0] >= 3; }},
        {{{13, 25, 76, 85, 92, 95, 101, 104}, kCD}, {true, false}, false,
         [](C c, int) { return c[0] >= 4 && c[1] <= 2; }},
        {{kEXP, kREC}, {true, true}, false, [](C c, int) { return c[0] >= 2 && c[1] == 0; }},
        {{kEXP, kREC}, {true, true}, false, [](C c, int) { return c[0] >= 2 && c[1] >= 1; }},
        {{{45, 64}}, {true}, false, [](C c, int) { return c[0] >= 2; }},
        {{{51, 84}, {18, 26, 27, 34, 35}}, {true, true}, false, [](C c, int) { return c[0] >= 1 && c[1] >= 2; }},
        {{{20, 63, 79, 98}}, {true}, false, [](C c, int) { return c[0] >= 3; }},
        {{{8, 20, 28, 42}}, {true}, false, [](C c, int) { return c[0] >= 3; }},
        {{{31, 55, 89, 99}}, {true}, false, [](C c, int) { return c[0] >= 3; }},
        {{{11, 44, 53, 96}}, {true}, false, [](C c, int) { return c[0] >= 3; }},
        {{{24, 62, 81}}, {true}, false, [](C c, int) { return c[0] >= 2; }},
        {{kSOC, kRRB, kCOM}, {true, true, true}, false,
         [](C c, int) { return c[0] >= 2 && c[1] >= 1 && (c[2] == 0 || (c[2] >= 1 && c[0] + c[1] + c[2] <= 5)); }},
        {{kSOC, kRRB, kCOM}, {true, true, true}, false,
         [](C c, int) { return c[0] >= 2 && c[1] >= 1 && c[2] >= 1 && c[0] + c[1] + c[2] >= 6; }},
        {{kMOT, kVOC}, {true, true}, false, [](C c, int) { return c[0] == 1 && c[1] == 0; }},
        {{kVOC, kMOT}, {true, true}, false, [](C c, int) { return c[0] == 1 && c[1] == 0; }},
        {{kMOT, kVOC}, {true, true}, false, [](C c, int) { return c[0] == 1 && c[1] == 1; }},
    };
    return rows;
}

bool OracleEndorsed(int answer, int item) {
    static const std::set<int> kAnswerTwo = {15, 16, 30, 69, 73, 82, 88};
    return (answer >= 3 && answer <= 5) || (answer == 2 && kAnswerTwo.count(item) != 0);
}

ScreeningResult OracleScreen(DisorderId id, const std::vector<int>& answers, int reporter) {
    const OracleRow& row = Oracle()[RowIndex(id)];
    ScreeningResult result;
    result.countCount = static_cast<int>(row.sets.size());
    std::vector<int> counts(row.sets.size(), 0);
    std::vector<int> listed;
    for (std::size_t c = 0; c < row.sets.size(); ++c) {
        for (int item : row.sets[c]) {
            if (!OracleEndorsed(answers[item], item)) continue;
            ++counts[c];
            if (row.listed[c]) listed.push_back(item);
        }
    }
    for (std::size_t c = 0; c < counts.size(); ++c) result.counts[c] = counts[c];
    result.positive = row.positive(counts, reporter);
    std::sort(listed.begin(), listed.end());
    if (row.listOnlyWhenPositive && !result.positive) listed.clear();
    for (int item : listed) result.itemsMet.Add(item);
    return result;
}

// Random records dense enough to hit every cutoff region, with blanks, "Sometimes" and
// every reporter, agree with the independent statement in every row; no record is positive
// for two rows of one exclusive group.
TEST(ScreeningRules, RandomRecordsAgreeWithTheRuleTableInEveryRow) {
    std::mt19937 random(20240611);
    const std::vector<std::vector<DisorderId>> exclusiveGroups = {
        {D::ADHD_HI, D::ADHD_I, D::ADHD_C}, {D::CD, D::ODD}, {D::ELD, D::MRELD}, {D::AsD, D::AD},
        {D::TicD_M, D::TicD_V, D::TD}};
    for (int n = 0; n < 4000; ++n) {
        const int reporter = static_cast<int>(random() % 4) - 1;
        // The share of endorsing answers varies per record so that low and high counts both occur.
        const int endorseShare = static_cast<int>(random() % 101);
        std::vector<int> answers(kItemCount + 1, -1);
        std::vector<std::pair<int, int>> held;
        for (int item = 1; item <= kItemCount; ++item) {
            const int roll = static_cast<int>(random() % 100);
            answers[item] = roll < endorseShare ? 3 + static_cast<int>(random() % 3)
                                                : static_cast<int>(random() % 4) - 1;  // blank, 0, 1, 2
            held.emplace_back(item, answers[item]);
        }
        AssessmentRecord record = testing::MakeRecord(reporter, held);
        std::vector<bool> positive(kDisorderCount);
        for (DisorderId id : kAllDisorders) {
            const ScreeningResult actual = ScreenDisorder(record, id);
            ASSERT_EQ(actual, OracleScreen(id, answers, reporter)) << DisorderName(id) << " record " << n;
            positive[RowIndex(id)] = actual.positive;
        }
        for (const auto& group : exclusiveGroups) {
            int members = 0;
            for (DisorderId id : group) members += positive[RowIndex(id)] ? 1 : 0;
            EXPECT_LE(members, 1);
        }
    }
}

}  // namespace
}  // namespace orva
