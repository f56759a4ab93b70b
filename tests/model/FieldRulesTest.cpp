// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "model/FieldRules.h"

namespace orva {
namespace {

const Date kToday{2007, 6, 15};

DetailsEntry Valid() {
    DetailsEntry e;
    e.firstName = "Jane";
    e.lastName = "Smith";
    e.birthDay = "10";
    e.birthMonth = "05";
    e.birthYear = "1995";
    e.completionDay = "15";
    e.completionMonth = "06";
    e.completionYear = "2007";
    return e;
}

struct DetailsCase {
    const char* name;
    void (*change)(DetailsEntry&);
    int step;  // 0: passes
    const char* caption;
    const char* message;
    FocusField focus;
};

void PrintTo(const DetailsCase& c, std::ostream* os) { *os << c.name; }

constexpr const char* kMandatory = "Mandatory Field";
constexpr const char* kIncorrect = "Incorrect Date";
constexpr const char* kNames = "'First Name' and 'Last Name' are mandatory.";
constexpr const char* kBirthMandatory = "'Date Of Birth' is mandatory.";
constexpr const char* kBirthWrong =
    "The 'Date Of Birth' is not correct.\n\nThe date must have a valid day for the month,\nand have a four digit "
    "year greater than 1900.";
constexpr const char* kOneYear = "The person must be at least one year old";
constexpr const char* kDoneMandatory = "'Date Of Completion' is mandatory.";
constexpr const char* kDoneWrong =
    "The 'Date Of Completion' is not correct.\n\nThe date must have a valid day for the month,\nand have a four "
    "digit year greater than 1900.";
constexpr const char* kWindow = "The date of completion cannot be a future date\nand cannot be more than two years ago";
constexpr const char* kAge = "The person must be aged at least 1 and at most 17 at the date of completion";

class RespondentDetails : public ::testing::TestWithParam<DetailsCase> {};

TEST_P(RespondentDetails, StopsAtTheFirstFailingCheck) {
    const DetailsCase c = GetParam();
    DetailsEntry e = Valid();
    c.change(e);
    const std::optional<RuleFailure> failure = CheckRespondentDetails(e, kToday);
    if (c.step == 0) {
        EXPECT_FALSE(failure.has_value()) << failure->message;
        return;
    }
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->step, c.step);
    EXPECT_STREQ(failure->caption, c.caption);
    EXPECT_STREQ(failure->message, c.message);
    EXPECT_EQ(failure->focus, c.focus);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, RespondentDetails,
    ::testing::Values(
        DetailsCase{"valid", [](DetailsEntry&) {}, 0, "", "", FocusField::None},
        DetailsCase{"blankFirstName", [](DetailsEntry& e) { e.firstName = "   "; }, 1, kMandatory, kNames,
                    FocusField::FirstName},
        DetailsCase{"emptyLastName", [](DetailsEntry& e) { e.lastName = ""; }, 2, kMandatory, kNames,
                    FocusField::LastName},
        DetailsCase{"bothNamesEmpty", [](DetailsEntry& e) { e.firstName = e.lastName = ""; }, 1, kMandatory, kNames,
                    FocusField::FirstName},
        DetailsCase{"birthMonthMissing", [](DetailsEntry& e) { e.birthMonth = ""; }, 3, kMandatory, kBirthMandatory,
                    FocusField::BirthMonth},
        DetailsCase{"birthDayAndYearMissing", [](DetailsEntry& e) { e.birthDay = e.birthYear = ""; }, 3, kMandatory,
                    kBirthMandatory, FocusField::BirthDay},
        DetailsCase{"birth29Feb2003", [](DetailsEntry& e) { e.birthDay = "29", e.birthMonth = "02", e.birthYear = "2003"; },
                    4, kIncorrect, kBirthWrong, FocusField::BirthDay},
        DetailsCase{"birth29Feb2004", [](DetailsEntry& e) { e.birthDay = "29", e.birthMonth = "02", e.birthYear = "2004"; },
                    0, "", "", FocusField::None},
        DetailsCase{"birth31Dec1900", [](DetailsEntry& e) { e.birthDay = "31", e.birthMonth = "12", e.birthYear = "1900"; },
                    4, kIncorrect, kBirthWrong, FocusField::BirthDay},
        DetailsCase{"bornToday", [](DetailsEntry& e) { e.birthDay = "15", e.birthMonth = "06", e.birthYear = "2007"; },
                    5, kIncorrect, kOneYear, FocusField::BirthDay},
        DetailsCase{"bornOneYearAndOneDayLater",
                    [](DetailsEntry& e) { e.birthDay = "16", e.birthMonth = "06", e.birthYear = "2006"; }, 5, kIncorrect,
                    kOneYear, FocusField::BirthDay},
        DetailsCase{"firstBirthdayToday",
                    [](DetailsEntry& e) { e.birthDay = "15", e.birthMonth = "06", e.birthYear = "2006"; }, 0, "", "",
                    FocusField::None},
        DetailsCase{"completionYearMissing", [](DetailsEntry& e) { e.completionYear = ""; }, 6, kMandatory,
                    kDoneMandatory, FocusField::CompletionYear},
        DetailsCase{"completion31Apr", [](DetailsEntry& e) { e.completionDay = "31", e.completionMonth = "04"; }, 7,
                    kIncorrect, kDoneWrong, FocusField::CompletionDay},
        DetailsCase{"completionTomorrow", [](DetailsEntry& e) { e.completionDay = "16"; }, 8, kIncorrect, kWindow,
                    FocusField::CompletionDay},
        DetailsCase{"completionExactlyTwoYearsAgo",
                    [](DetailsEntry& e) { e.completionDay = "15", e.completionYear = "2005"; }, 8, kIncorrect, kWindow,
                    FocusField::CompletionDay},
        DetailsCase{"completionTwoYearsLessADayAgo",
                    [](DetailsEntry& e) { e.completionDay = "16", e.completionYear = "2005"; }, 0, "", "",
                    FocusField::None},
        DetailsCase{"age16AtCompletion",
                    [](DetailsEntry& e) { e.birthYear = "1990", e.completionDay = "09", e.completionMonth = "05"; }, 0,
                    "", "", FocusField::None},
        DetailsCase{"age17AtCompletion",
                    [](DetailsEntry& e) { e.birthYear = "1990", e.completionDay = "10", e.completionMonth = "05"; }, 0,
                    "", "", FocusField::None},
        DetailsCase{"age18AtCompletion",
                    [](DetailsEntry& e) { e.birthYear = "1989", e.completionDay = "10", e.completionMonth = "05"; }, 9,
                    kIncorrect, kAge, FocusField::CompletionDay},
        DetailsCase{"age0AtCompletion",
                    [](DetailsEntry& e) {
                        e.birthDay = "01", e.birthMonth = "01", e.birthYear = "2006";
                        e.completionDay = "31", e.completionMonth = "12", e.completionYear = "2006";
                    },
                    9, kIncorrect, kAge, FocusField::CompletionDay},
        DetailsCase{"completionBeforeBirth",
                    [](DetailsEntry& e) {
                        e.birthDay = "01", e.birthMonth = "01", e.birthYear = "2006";
                        e.completionDay = "01", e.completionMonth = "07", e.completionYear = "2005";
                    },
                    9, kIncorrect, kAge, FocusField::CompletionDay}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RespondentDetails, KeptCompletionDateMayBeOldButNeverInTheFuture) {
    DetailsEntry e = Valid();
    e.completionYear = "2003";
    const Date kept{2003, 6, 15};
    EXPECT_FALSE(CheckRespondentDetails(e, kToday, kept).has_value());
    // Another old date is refused as before, and so is the kept date when it lies ahead.
    e.completionDay = "14";
    ASSERT_TRUE(CheckRespondentDetails(e, kToday, kept).has_value());
    EXPECT_EQ(CheckRespondentDetails(e, kToday, kept)->step, 8);
    e.completionDay = "16";
    e.completionYear = "2007";
    const auto future = CheckRespondentDetails(e, kToday, Date{2007, 6, 16});
    ASSERT_TRUE(future.has_value());
    EXPECT_STREQ(future->message, kWindow);
    // The other checks still hold for a kept date.
    e = Valid();
    e.completionYear = "1995";
    const auto age = CheckRespondentDetails(e, kToday, Date{1995, 6, 15});
    ASSERT_TRUE(age.has_value());
    EXPECT_EQ(age->step, 9);
}

TEST(SelectionPerson, UsesItsOwnAgeMessageAndTrimsNames) {
    PersonEntry e{"Jane ", "Smith", "15", "06", "2007"};
    auto failure = CheckSelectionPerson(e, kToday);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->step, 5);
    EXPECT_STREQ(failure->message, "The age of the person must be 1 or more");
    EXPECT_EQ(failure->focus, FocusField::BirthDay);
    e.birthYear = "2006";
    EXPECT_FALSE(CheckSelectionPerson(e, kToday));
    e.lastName = " ";
    failure = CheckSelectionPerson(e, kToday);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->focus, FocusField::LastName);
}

TEST(TrimTrailingSpaces, RemovesOnlyTrailingBlanks) {
    EXPECT_EQ(TrimTrailingSpaces("  Ann  "), "  Ann");
    EXPECT_EQ(TrimTrailingSpaces("   "), "");
    EXPECT_EQ(TrimTrailingSpaces("Ann\t"), "Ann\t");
}

TEST(Tidying, DayAndMonthAreTwoDigitsOrEmptied) {
    EXPECT_EQ(TidyDay("7"), "07");
    EXPECT_EQ(TidyDay("31"), "31");
    EXPECT_EQ(TidyDay("32"), "");
    EXPECT_EQ(TidyDay("0"), "");
    EXPECT_EQ(TidyDay(""), "");
    EXPECT_EQ(TidyMonth("7"), "07");
    EXPECT_EQ(TidyMonth("12"), "12");
    EXPECT_EQ(TidyMonth("13"), "");
}

TEST(Tidying, TwoDigitYearsTakeTheCurrentCenturyButNeverTheFuture) {
    EXPECT_EQ(TidyYear("95", 2026), "1995");
    EXPECT_EQ(TidyYear("26", 2026), "2026");
    EXPECT_EQ(TidyYear("27", 2026), "1927");
    EXPECT_EQ(TidyYear("", 2026), "2000");
    EXPECT_EQ(TidyYear("0", 2026), "2000");
    EXPECT_EQ(TidyYear("2005", 2026), "2005");
    EXPECT_EQ(TidyYear("100", 2026), "0100");
    EXPECT_EQ(TidyYear("2100", 2026), "");
    EXPECT_EQ(TidyYear("9999", 2026), "");
}

TEST(AgeDisplay, ShownOnlyForOneToNinetyEight) {
    EXPECT_EQ(AgeText(0), "");
    EXPECT_EQ(AgeText(1), " 1");
    EXPECT_EQ(AgeText(17), "17");
    EXPECT_EQ(AgeText(98), "98");
    EXPECT_EQ(AgeText(99), "");
    EXPECT_EQ(AgeText(-1), "");
    EXPECT_EQ(AgeTextFor({1995, 5, 10}, {2007, 6, 15}), "12");
    EXPECT_EQ(AgeTextFor({1995, 2, 30}, {2007, 6, 15}), "");
}

TEST(SchoolYear, CapitalisesLettersAndRefusesTheRest) {
    EXPECT_EQ(NormaliseSchoolYear("r").value, "R");
    EXPECT_EQ(NormaliseSchoolYear("k").value, "K");
    EXPECT_TRUE(NormaliseSchoolYear("").valid);
    EXPECT_TRUE(NormaliseSchoolYear("12").valid);
    for (const char* bad : {"13", "0", "Y", "01", "k1", " 1"}) {
        const SchoolYearCheck check = NormaliseSchoolYear(bad);
        EXPECT_FALSE(check.valid) << bad;
        EXPECT_EQ(check.value, "") << bad;
    }
}

TEST(DisplayForms, ShortLongAndSaveDates) {
    EXPECT_EQ(ShortDate(2007, 3, 5), "05/03/2007");
    EXPECT_EQ(ShortDateFromStored("20070305"), "05/03/2007");
    EXPECT_EQ(ShortDateFromStored("2007030"), "");
    EXPECT_EQ(SaveDateTimeFromStored("20070315090507"), "15/03/2007 09:05:07");
    EXPECT_EQ(SaveDateTimeFromStored("2007031509050"), "");
    EXPECT_EQ(LongDateFromStored("20070315"), "15 March 2007");
    EXPECT_EQ(LongDateFromStored("20071205"), "05 December 2007");
    EXPECT_EQ(LongDateFromStored("20071305"), "");
    EXPECT_EQ(LongDateFromStored(""), "");
}

TEST(DisplayForms, DateValuesShownAndStored) {
    EXPECT_EQ(ShortDate(Date{2007, 3, 5}), "05/03/2007");
    EXPECT_EQ(ShortDateTime(LocalDateTime{2007, 3, 15, 9, 5, 7}), "15/03/2007 09:05:07");
    EXPECT_EQ(StoredDate(Date{2007, 3, 5}), "20070305");
    EXPECT_EQ(StoredDateTime(LocalDateTime{2007, 3, 15, 9, 5, 7}), "20070315090507");
    EXPECT_EQ(ShortDate(std::nullopt), "");
    EXPECT_EQ(ShortDateTime(std::nullopt), "");
    EXPECT_EQ(StoredDate(std::nullopt), "");
    EXPECT_EQ(StoredDateTime(std::nullopt), "");
}

}  // namespace
}  // namespace orva
