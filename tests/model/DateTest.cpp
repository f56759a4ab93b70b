// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <string>

#include "model/Clock.h"
#include "model/Date.h"

namespace orva {
namespace {

struct ValidityCase {
    int year, month, day, expected;
};

void PrintTo(const ValidityCase& c, std::ostream* os) { *os << c.year << '-' << c.month << '-' << c.day; }

// Test names take only letters, digits and '_': the date as 2004_2_29.
std::string CaseName(const ::testing::TestParamInfo<ValidityCase>& info) {
    return std::to_string(info.param.year) + '_' + std::to_string(info.param.month) + '_' +
           std::to_string(info.param.day);
}

class DateValidity : public ::testing::TestWithParam<ValidityCase> {};

TEST_P(DateValidity, ChecksYearThenMonthThenDay) {
    const auto c = GetParam();
    EXPECT_EQ(IsValidDate(c.year, c.month, c.day), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, DateValidity,
    ::testing::Values(ValidityCase{2004, 2, 29, 0}, ValidityCase{2003, 2, 29, -3}, ValidityCase{2003, 2, 28, 0},
                      ValidityCase{2000, 2, 29, 0}, ValidityCase{1900, 1, 1, -1}, ValidityCase{1901, 1, 1, 0},
                      ValidityCase{2099, 12, 31, 0}, ValidityCase{2100, 1, 1, -1}, ValidityCase{2005, 0, 1, -2},
                      ValidityCase{2005, 13, 1, -2}, ValidityCase{2005, 4, 31, -3}, ValidityCase{2005, 4, 30, 0},
                      ValidityCase{2005, 6, 31, -3}, ValidityCase{2005, 9, 31, -3}, ValidityCase{2005, 11, 31, -3},
                      ValidityCase{2005, 12, 31, 0}, ValidityCase{2005, 1, 0, -3}, ValidityCase{2005, 1, 32, -3},
                      ValidityCase{1900, 13, 40, -1}),
    CaseName);

TEST(AgeInYears, CountsWholeYearsAndGoesNegativeBackwards) {
    EXPECT_EQ(AgeInYears({2000, 3, 15}, {2010, 3, 14}), 9);
    EXPECT_EQ(AgeInYears({2000, 3, 15}, {2010, 3, 15}), 10);
    EXPECT_EQ(AgeInYears({2000, 3, 15}, {2000, 3, 14}), -1);
    EXPECT_EQ(AgeInYears({2000, 3, 15}, {2000, 3, 15}), 0);
    EXPECT_EQ(AgeInYears({2004, 2, 29}, {2005, 2, 28}), 0);
    EXPECT_EQ(AgeInYears({2004, 2, 29}, {2005, 3, 1}), 1);
}

TEST(AgeInYears, RefusesInvalidDates) {
    EXPECT_EQ(AgeInYears({2003, 2, 29}, {2010, 1, 1}), std::nullopt);
    EXPECT_EQ(AgeInYears({2003, 2, 1}, {2100, 1, 1}), std::nullopt);
}

TEST(CompareDates, OrdersByYearMonthDay) {
    EXPECT_EQ(CompareDates({2001, 12, 31}, {2002, 1, 1}), 1);
    EXPECT_EQ(CompareDates({2002, 1, 1}, {2002, 1, 1}), 0);
    EXPECT_EQ(CompareDates({2002, 2, 1}, {2002, 1, 31}), -1);
    EXPECT_EQ(CompareDates({2002, 2, 30}, {2002, 1, 31}), std::nullopt);
}

// Dates and date-times order as their stored texts do: year, then month, then day, then time.
TEST(DateOrder, FollowsTheCalendar) {
    EXPECT_LT((Date{2007, 12, 31}), (Date{2008, 1, 1}));
    EXPECT_LT((Date{2008, 1, 31}), (Date{2008, 2, 1}));
    EXPECT_EQ((Date{2008, 2, 1}), (Date{2008, 2, 1}));
    EXPECT_LT((LocalDateTime{2024, 1, 1, 23, 59, 59}), (LocalDateTime{2024, 1, 2, 0, 0, 0}));
    EXPECT_LT((LocalDateTime{2024, 1, 2, 9, 59, 59}), (LocalDateTime{2024, 1, 2, 10, 0, 0}));
    EXPECT_LT((LocalDateTime{2024, 1, 2, 10, 0, 59}), (LocalDateTime{2024, 1, 2, 10, 1, 0}));
    EXPECT_EQ((LocalDateTime{2024, 1, 2, 10, 1, 0}), (LocalDateTime{2024, 1, 2, 10, 1, 0}));
}

}  // namespace
}  // namespace orva
