// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include "screening/Endorsement.h"

namespace orva {
namespace {

TEST(IsEndorsed, CountsThreeToFiveAndTwoOnTheConductItems) {
    AssessmentRecord r;
    r.SetReporter(kSelf);
    for (int item = 1; item <= 111; ++item) r.SetResponse(item, 2);
    r.SetResponse(1, 3);
    r.SetResponse(2, 4);
    r.SetResponse(3, 5);
    r.SetResponse(4, 1);
    r.SetResponse(6, -1);
    r.SetHeldResponse(150, 6);
    EXPECT_TRUE(IsEndorsed(r, 1));
    EXPECT_TRUE(IsEndorsed(r, 2));
    EXPECT_TRUE(IsEndorsed(r, 3));
    EXPECT_FALSE(IsEndorsed(r, 4));
    EXPECT_FALSE(IsEndorsed(r, 6));
    EXPECT_TRUE(IsEndorsed(r, 150));
    EXPECT_FALSE(IsEndorsed(r, 151));
    int answerTwoEndorsed = 0;
    for (int item = 7; item <= 111; ++item) answerTwoEndorsed += IsEndorsed(r, item) ? 1 : 0;
    EXPECT_EQ(answerTwoEndorsed, 7);
    for (int item : {15, 16, 30, 69, 73, 82, 88}) EXPECT_TRUE(IsEndorsed(r, item)) << item;
    EXPECT_FALSE(IsEndorsed(r, 14));
    // Nothing to compute after a change: the answer as it stands decides.
    r.SetResponse(1, 0);
    EXPECT_FALSE(IsEndorsed(r, 1));
    EXPECT_FALSE(IsEndorsed(AssessmentRecord(), 1));
}

}  // namespace
}  // namespace orva
