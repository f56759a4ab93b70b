// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <compare>
#include <optional>

namespace orva {

// A calendar date as entered: year, month and day as plain numbers.
struct Date {
    int year = 0;
    int month = 0;
    int day = 0;

    // Earlier dates order first, as their stored YYYYMMDD texts do.
    auto operator<=>(const Date&) const = default;
};

inline constexpr int kValidDate = 0;
inline constexpr int kBadYear = -1;
inline constexpr int kBadMonth = -2;
inline constexpr int kBadDay = -3;

// 0 when valid; -1 year outside 1901..2099, -2 month outside 1..12, -3 day not in the month.
// Every year divisible by four is a leap year, which holds for the whole valid range.
int IsValidDate(int year, int month, int day);
inline int IsValidDate(const Date& d) { return IsValidDate(d.year, d.month, d.day); }

// Whole years from `from` to `to` (negative when `to` lies before `from`); nothing when either
// date is invalid.
[[nodiscard]] std::optional<int> AgeInYears(const Date& from, const Date& to);

// 1 when `first` is earlier, 0 when equal and -1 when later; nothing when either date is
// invalid.
[[nodiscard]] std::optional<int> CompareDates(const Date& first, const Date& second);

}  // namespace orva
