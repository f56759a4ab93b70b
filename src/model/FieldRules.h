// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/Clock.h"
#include "model/Date.h"

namespace orva {

// The fields a failed check hands the keyboard focus to.
enum class FocusField {
    None,
    FirstName,
    LastName,
    BirthDay,
    BirthMonth,
    BirthYear,
    CompletionDay,
    CompletionMonth,
    CompletionYear,
    SchoolYear,
};

// The first failing check of a rule set: which step, the message box it shows (always with
// the stop icon) and the field that gets the focus.
struct RuleFailure {
    int step = 0;
    const char* caption = "";
    const char* message = "";
    FocusField focus = FocusField::None;
};

// The person as typed in the selection dialogs.
struct PersonEntry {
    std::string firstName;
    std::string lastName;
    std::string birthDay;
    std::string birthMonth;
    std::string birthYear;
};

// The person as typed on the details page of the questionnaire wizards.
struct DetailsEntry : PersonEntry {
    std::string completionDay;
    std::string completionMonth;
    std::string completionYear;
};

// Removes trailing blanks (the space character only), as the pages do before checking names.
std::string TrimTrailingSpaces(std::string_view text);

// A date field's text as a number: its leading digits, 0 when there are none.
int FieldNumber(std::string_view text);

// Checks of the details page, in order; the names are trimmed before they are checked. A
// completion date equal to `keptCompletion` (the date of a stored record being edited) may lie
// more than two years back, so that old records can be corrected; it may not lie in the future.
std::optional<RuleFailure> CheckRespondentDetails(const DetailsEntry& entry, const Date& today,
                                                  const std::optional<Date>& keptCompletion = std::nullopt);

// Checks of the person in the two selection dialogs, in order (the file name comes after).
std::optional<RuleFailure> CheckSelectionPerson(const PersonEntry& entry, const Date& today);

// Tidying of the date fields when they lose the focus: the rewritten text, or empty.
std::string TidyDay(std::string_view text);
std::string TidyMonth(std::string_view text);
// A year of 0..99 is completed with the current century (never later than this year);
// an empty field reads as 0 and so becomes the century's year 00.
std::string TidyYear(std::string_view text, int currentYear);

// The age shown beside the dates: right-aligned in two places for 1..98, otherwise empty.
std::string AgeText(int age);
// The age as the details page shows it for the dates as entered; empty unless both are valid.
std::string AgeTextFor(const Date& birth, const Date& completion);

// School year: empty is accepted; k, p and r become capitals; else one of K P R 1..12.
struct SchoolYearCheck {
    bool valid = true;
    std::string value;  // the normalised value, or empty when refused
};
SchoolYearCheck NormaliseSchoolYear(std::string_view text);

// Display forms; those of an optional date are empty when there is none.
std::string ShortDate(int year, int month, int day);                  // dd/mm/yyyy
std::string ShortDate(const std::optional<Date>& date);               // dd/mm/yyyy
std::string ShortDateTime(const std::optional<LocalDateTime>& when);  // dd/mm/yyyy hh:mm:ss
std::string ShortDateFromStored(std::string_view yyyymmdd);           // empty unless 8 digits
std::string SaveDateTimeFromStored(std::string_view yyyymmddhhmmss);  // empty unless 14 digits
std::string LongDateFromStored(std::string_view yyyymmdd);            // "15 March 2007"

// Stored forms, as records and file headers hold dates; empty when there is none.
std::string StoredDate(const std::optional<Date>& date);               // YYYYMMDD
std::string StoredDateTime(const std::optional<LocalDateTime>& when);  // YYYYMMDDhhmmss

}  // namespace orva
