// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "model/ItemCatalogue.h"
#include "screening/FollowUpItems.h"
#include "screening/ScreenDisorder.h"
#include "support/RecordBuilder.h"

namespace orva {
namespace {

using testing::MakeRecord;
using Answers = std::vector<std::pair<int, int>>;

// The screening row that counts each follow-up item: the follow-up list must endorse exactly
// what that row counts.
DisorderId RowCounting(int item) {
    switch (item) {
        case 2:
        case 7:
        case 111:
            return DisorderId::PTSD;
        case 20:
        case 79:
            return DisorderId::AN;
        default:
            return DisorderId::CD;
    }
}

int CountOf(const AssessmentRecord& record, DisorderId id) {
    const ScreeningResult result = ScreenDisorder(record, id);
    return result.counts[0] + result.counts[1] + result.counts[2];
}

// The lowest answer that endorses: "Sometimes" for the conduct items where it counts.
int Threshold(int item) {
    for (int twoEndorses : ItemCatalogue::AnswerTwoEndorsedItems())
        if (twoEndorses == item) return 2;
    return 3;
}

ReportSet AllReporters(const Answers& answers) {
    ReportSet reports;
    for (int slot = 0; slot < kReportSlots; ++slot) reports.Record(slot) = MakeRecord(slot, answers);
    return reports;
}

class EachFollowUpItem : public ::testing::TestWithParam<int> {};

// At the threshold each reporter asked the item is listed with its answer; one below, none is.
TEST_P(EachFollowUpItem, IsListedForEveryReporterAskedIt_AtTheThresholdAndNotBelow) {
    const int item = GetParam();
    const bool askedOfTeachers = ItemCatalogue::InTeacherReport(item);

    std::vector<FollowUpItem> expected = {{item, kSelf, Threshold(item)}, {item, kParent, Threshold(item)}};
    if (askedOfTeachers) expected.push_back({item, kTeacher, Threshold(item)});
    EXPECT_EQ(ItemsToFollowUp(AllReporters({{item, Threshold(item)}})), expected);

    EXPECT_TRUE(ItemsToFollowUp(AllReporters({{item, Threshold(item) - 1}})).empty());
}

// Every answer, blank included: listed exactly when the item's screening row counts it, except
// that a Teacher-report is never listed on an item teachers are not asked.
TEST_P(EachFollowUpItem, IsListedExactlyWhenTheScreeningCountsIt) {
    const int item = GetParam();
    for (int reporter = kSelf; reporter <= kTeacher; ++reporter) {
        for (int answer = -1; answer <= 5; ++answer) {
            ReportSet reports;
            reports.Record(reporter) = MakeRecord(reporter, {{item, answer}});
            const bool counted = CountOf(reports.Record(reporter), RowCounting(item)) == 1;
            const bool asked = reporter != kTeacher || ItemCatalogue::InTeacherReport(item);
            EXPECT_EQ(ItemsToFollowUp(reports).size(), counted && asked ? 1U : 0U)
                << "item " << item << ", reporter " << reporter << ", answer " << answer;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Items, EachFollowUpItem, ::testing::ValuesIn(kFollowUpItems));

TEST(ItemsToFollowUp, AreOrderedByItem_ThenSelfParentTeacher) {
    Answers answers;
    for (int item : kFollowUpItems) answers.emplace_back(item, 5);
    answers.emplace_back(82, 4);
    const std::vector<FollowUpItem> items = ItemsToFollowUp(AllReporters(answers));
    ASSERT_EQ(items.size(), 11U + 11U + 6U);
    for (std::size_t i = 1; i < items.size(); ++i) {
        const FollowUpItem& before = items[i - 1];
        const FollowUpItem& after = items[i];
        EXPECT_TRUE(before.item < after.item ||
                    (before.item == after.item && before.reporter < after.reporter))
            << i;
    }
    EXPECT_EQ(items.front(), (FollowUpItem{2, kSelf, 5}));
    EXPECT_EQ(items.back(), (FollowUpItem{111, kTeacher, 5}));
    const FollowUpItem parent82 = {82, kParent, 4};
    EXPECT_NE(std::find(items.begin(), items.end(), parent82), items.end());
}

// A teacher record that holds answers to the items teachers are not asked (as an edited or
// imported record may) still lists none of them.
TEST(ItemsToFollowUp, TeacherIsNeverListedOnAnItemTeachersAreNotAsked) {
    ReportSet reports;
    reports.Record(kTeacher) = MakeRecord(kTeacher, {{7, 5}, {16, 5}, {20, 5}, {30, 5}, {41, 5}, {82, 3}});
    EXPECT_EQ(ItemsToFollowUp(reports), (std::vector<FollowUpItem>{{82, kTeacher, 3}}));
}

TEST(ItemsToFollowUp, OtherItemsAndAbsentReportsAddNothing) {
    Answers everyOtherItem;
    for (int item = 1; item <= 111; ++item)
        if (std::find(kFollowUpItems.begin(), kFollowUpItems.end(), item) == kFollowUpItems.end())
            everyOtherItem.emplace_back(item, 5);
    EXPECT_TRUE(ItemsToFollowUp(AllReporters(everyOtherItem)).empty());

    // A slot without a last name is absent, whatever its record holds.
    ReportSet absent;
    absent.Record(kParent) = MakeRecord(kParent, {{88, 5}}, "");
    EXPECT_TRUE(ItemsToFollowUp(absent).empty());
    EXPECT_TRUE(ItemsToFollowUp(ReportSet{}).empty());
}

}  // namespace
}  // namespace orva
