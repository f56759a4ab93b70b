// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include "screening/Endorsement.h"
#include "support/RecordBuilder.h"

namespace orva {
namespace {

TEST(IsEndorsed, CountsThreeToFiveAndTwoOnTheConductItems) {
    AssessmentRecord r = testsupport::RecordBuilder(kSelf).AnswerEveryItem(2).Answers(
        {{1, 3}, {2, 4}, {3, 5}, {4, 1}, {6, -1}});
    r.SetHeldResponse(150, 6);
    EXPECT_TRUE(IsEndorsed(r, 1));
    EXPECT_TRUE(IsEndorsed(r, 2));
    EXPECT_TRUE(IsEndorsed(r, 3));
    EXPECT_FALSE(IsEndorsed(r, 4));
    EXPECT_FALSE(IsEndorsed(r, 6));
    EXPECT_TRUE(IsEndorsed(r, 150));
    EXPECT_FALSE(IsEndorsed(r, 151));
    int answerTwoEndorsed = 0;
    for (int item = 7; item <= kItemCount; ++item) answerTwoEndorsed += IsEndorsed(r, item) ? 1 : 0;
    EXPECT_EQ(answerTwoEndorsed, 7);
    for (int item : {15, 16, 30, 69, 73, 82, 88}) EXPECT_TRUE(IsEndorsed(r, item)) << item;
    EXPECT_FALSE(IsEndorsed(r, 14));
    // Nothing to compute after a change: the answer as it stands decides.
    EXPECT_FALSE(IsEndorsed(testsupport::RecordBuilder(r).Answers({{1, 0}}), 1));
    EXPECT_FALSE(IsEndorsed(AssessmentRecord(), 1));
}

}  // namespace
}  // namespace orva
