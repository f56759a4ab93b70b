// SPDX-License-Identifier: Apache-2.0
#include "model/FieldRules.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "model/ModelTexts.h"

namespace orva {

namespace {

bool IsDigits(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

struct DateFields {
    std::string_view day;
    std::string_view month;
    std::string_view year;
    FocusField dayFocus;
    FocusField monthFocus;
    FocusField yearFocus;
};

FocusField FirstEmpty(const DateFields& f) {
    if (f.day.empty()) return f.dayFocus;
    if (f.month.empty()) return f.monthFocus;
    return f.yearFocus;
}

bool AllEntered(const DateFields& f) { return !f.day.empty() && !f.month.empty() && !f.year.empty(); }

std::string TwoDigits(int v) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02u", static_cast<unsigned>(v));
    return buffer;
}

Date ToDate(const DateFields& f) { return {FieldNumber(f.year), FieldNumber(f.month), FieldNumber(f.day)}; }

// The name and birth-date checks shared by both rule sets; `tooYoung` differs between them.
std::optional<RuleFailure> CheckNamesAndBirth(const PersonEntry& e, const Date& today, const char* tooYoung,
                                              int& step) {
    const DateFields birth{e.birthDay,          e.birthMonth,          e.birthYear,
                           FocusField::BirthDay, FocusField::BirthMonth, FocusField::BirthYear};
    step = 1;
    if (TrimTrailingSpaces(e.firstName).empty())
        return RuleFailure{step, texts::kMandatoryField, texts::kNamesMandatory, FocusField::FirstName};
    step = 2;
    if (TrimTrailingSpaces(e.lastName).empty())
        return RuleFailure{step, texts::kMandatoryField, texts::kNamesMandatory, FocusField::LastName};
    step = 3;
    if (!AllEntered(birth))
        return RuleFailure{step, texts::kMandatoryField, texts::kBirthDateMandatory, FirstEmpty(birth)};
    step = 4;
    if (IsValidDate(ToDate(birth)) != kValidDate)
        return RuleFailure{step, texts::kIncorrectDate, texts::kBirthDateIncorrect, FocusField::BirthDay};
    step = 5;
    if (AgeInYears(ToDate(birth), today).value_or(0) < 1)
        return RuleFailure{step, texts::kIncorrectDate, tooYoung, FocusField::BirthDay};
    return std::nullopt;
}

}  // namespace

std::string TrimTrailingSpaces(std::string_view text) {
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string() : std::string(text.substr(0, end + 1));
}

int FieldNumber(std::string_view text) {
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
        if (value > 1'000'000) break;  // fields hold at most four digits; stay far from overflow
    }
    return static_cast<int>(value);
}

std::optional<RuleFailure> CheckRespondentDetails(const DetailsEntry& e, const Date& today,
                                                  const std::optional<Date>& keptCompletion) {
    int step = 0;
    if (auto failure = CheckNamesAndBirth(e, today, texts::kAtLeastOneYearOld, step)) return failure;

    const DateFields completion{e.completionDay,          e.completionMonth,          e.completionYear,
                                FocusField::CompletionDay, FocusField::CompletionMonth, FocusField::CompletionYear};
    if (!AllEntered(completion))
        return RuleFailure{6, texts::kMandatoryField, texts::kCompletionMandatory, FirstEmpty(completion)};
    const Date done = ToDate(completion);
    if (IsValidDate(done) != kValidDate)
        return RuleFailure{7, texts::kIncorrectDate, texts::kCompletionIncorrect, FocusField::CompletionDay};
    const bool kept = keptCompletion && keptCompletion->year == done.year && keptCompletion->month == done.month &&
                      keptCompletion->day == done.day;
    const std::optional<int> sinceCompletion = AgeInYears(done, today);
    if (!sinceCompletion || *sinceCompletion < 0 || (*sinceCompletion > 1 && !kept))
        return RuleFailure{8, texts::kIncorrectDate, texts::kCompletionWindow, FocusField::CompletionDay};
    const DateFields birth{e.birthDay, e.birthMonth, e.birthYear, FocusField::None, FocusField::None, FocusField::None};
    const int age = AgeInYears(ToDate(birth), done).value_or(0);
    if (age < 1 || age > 17)
        return RuleFailure{9, texts::kIncorrectDate, texts::kAgeAtCompletion, FocusField::CompletionDay};
    return std::nullopt;
}

std::optional<RuleFailure> CheckSelectionPerson(const PersonEntry& e, const Date& today) {
    int step = 0;
    return CheckNamesAndBirth(e, today, texts::kSelectionAgeOneOrMore, step);
}

std::string TidyDay(std::string_view text) {
    const int v = FieldNumber(text);
    return (v >= 1 && v <= 31) ? TwoDigits(v) : std::string();
}

std::string TidyMonth(std::string_view text) {
    const int v = FieldNumber(text);
    return (v >= 1 && v <= 12) ? TwoDigits(v) : std::string();
}

std::string TidyYear(std::string_view text, int currentYear) {
    int v = FieldNumber(text);
    if (v >= 0 && v <= 99) {
        v += 100 * (currentYear / 100);
        if (v > currentYear) v -= 100;
    }
    if (v < 1 || v > 2099) return {};
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%04u", static_cast<unsigned>(v));
    return buffer;
}

std::string AgeText(int age) {
    if (age < 1 || age > 98) return {};
    char buffer[8];
    // The blank flag has no effect on an unsigned conversion: the age is right-aligned in two places.
    std::snprintf(buffer, sizeof buffer, "%2u", static_cast<unsigned>(age));
    return buffer;
}

std::string AgeTextFor(const Date& birth, const Date& completion) {
    const std::optional<int> age = AgeInYears(birth, completion);
    if (!age) return {};
    return AgeText(*age);
}

SchoolYearCheck NormaliseSchoolYear(std::string_view text) {
    if (text.empty()) return {true, {}};
    std::string value(text);
    if (value == "k" || value == "p" || value == "r") value[0] = static_cast<char>(value[0] - 'a' + 'A');
    static constexpr std::array<std::string_view, 15> kAccepted = {"K", "P", "R", "1", "2",  "3",  "4", "5",
                                                                   "6", "7", "8", "9", "10", "11", "12"};
    if (std::find(kAccepted.begin(), kAccepted.end(), value) == kAccepted.end()) return {false, {}};
    return {true, value};
}

std::string ShortDate(int year, int month, int day) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02u/%02u/%04u", static_cast<unsigned>(day), static_cast<unsigned>(month),
                  static_cast<unsigned>(year));
    return buffer;
}

std::string ShortDate(const std::optional<Date>& date) {
    return date ? ShortDate(date->year, date->month, date->day) : std::string();
}

std::string ShortDateTime(const std::optional<LocalDateTime>& when) {
    if (!when) return {};
    char time[40];
    std::snprintf(time, sizeof time, " %02u:%02u:%02u", static_cast<unsigned>(when->hour),
                  static_cast<unsigned>(when->minute), static_cast<unsigned>(when->second));
    return ShortDate(when->year, when->month, when->day) + time;
}

std::string ShortDateFromStored(std::string_view s) {
    if (s.size() != 8 || !IsDigits(s)) return {};
    return ShortDate(FieldNumber(s.substr(0, 4)), FieldNumber(s.substr(4, 2)), FieldNumber(s.substr(6, 2)));
}

std::string SaveDateTimeFromStored(std::string_view s) {
    if (s.size() != 14 || !IsDigits(s)) return {};
    auto part = [s](std::size_t at, std::size_t n) { return FieldNumber(s.substr(at, n)); };
    return ShortDateTime(LocalDateTime{part(0, 4), part(4, 2), part(6, 2), part(8, 2), part(10, 2), part(12, 2)});
}

std::string LongDateFromStored(std::string_view s) {
    if (s.size() != 8) return {};
    const int month = FieldNumber(s.substr(4, 2));
    if (!IsDigits(s.substr(4, 2)) || month < 1 || month > 12) return {};
    return std::string(s.substr(6, 2)) + texts::kMonthNames[month - 1] + std::string(s.substr(0, 4));
}

std::string StoredDate(const std::optional<Date>& date) {
    if (!date) return {};
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%04u%02u%02u", static_cast<unsigned>(date->year),
                  static_cast<unsigned>(date->month), static_cast<unsigned>(date->day));
    return buffer;
}

std::string StoredDateTime(const std::optional<LocalDateTime>& when) {
    if (!when) return {};
    char buffer[80];
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02d%02d%02d%02d", when->year, when->month, when->day, when->hour,
                  when->minute, when->second);
    return buffer;
}

}  // namespace orva
