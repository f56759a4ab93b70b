// SPDX-License-Identifier: Apache-2.0
#include "model/Date.h"

namespace orva {

int IsValidDate(int year, int month, int day) {
    if (year < 1901 || year > 2099) return kBadYear;
    if (month < 1 || month > 12) return kBadMonth;
    int last = 31;
    if (month == 4 || month == 6 || month == 9 || month == 11) {
        last = 30;
    } else if (month == 2) {
        last = (year % 4 == 0) ? 29 : 28;
    }
    if (day < 1 || day > last) return kBadDay;
    return kValidDate;
}

std::optional<int> AgeInYears(const Date& from, const Date& to) {
    if (IsValidDate(from) != kValidDate || IsValidDate(to) != kValidDate) return std::nullopt;
    int age = to.year - from.year;
    if (to.month < from.month || (to.month == from.month && to.day < from.day)) --age;
    return age;
}

std::optional<int> CompareDates(const Date& first, const Date& second) {
    if (IsValidDate(first) != kValidDate || IsValidDate(second) != kValidDate) return std::nullopt;
    auto key = [](const Date& d) { return d.year * 10000 + d.month * 100 + d.day; };
    const int a = key(first);
    const int b = key(second);
    return a < b ? 1 : (a == b ? 0 : -1);
}

}  // namespace orva
