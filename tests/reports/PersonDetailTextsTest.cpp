// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include "reports/PersonDetailTexts.h"
#include "reports/support/ReportsTestSupport.h"

namespace orva {
namespace {

using reports_test::PersonRecord;

struct AddressCase {
    const char* name;
    const char* street;
    const char* town;
    const char* state;
    const char* postcode;
    const char* country;
    std::array<const char*, 3> lines;
};

void PrintTo(const AddressCase& c, std::ostream* os) { *os << c.name; }

class AddressLinesTest : public ::testing::TestWithParam<AddressCase> {};

TEST_P(AddressLinesTest, JoinsThePartsIntoAtMostThreeLines) {
    const AddressCase& c = GetParam();
    ReportSet set;
    AssessmentRecord& record = set.Record(kSelf);
    record = PersonRecord(kSelf, "Ann", "Lee");
    record.SetStreetAddress(c.street);
    record.SetTown(c.town);
    record.SetState(c.state);
    record.SetPostcode(c.postcode);
    record.SetCountry(c.country);
    const PersonDetailTexts details = PreparePersonDetailTexts(set);
    EXPECT_EQ(details.addressLines[0], c.lines[0]);
    EXPECT_EQ(details.addressLines[1], c.lines[1]);
    EXPECT_EQ(details.addressLines[2], c.lines[2]);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, AddressLinesTest,
    ::testing::Values(
        AddressCase{
            "StreetTownPostcode", "1 High St", "Perth", "", "6000", "", {"1 High St", "Perth   6000", ""}},
        AddressCase{"AllFiveParts",
                    "1 High St",
                    "Perth",
                    "WA",
                    "6000",
                    "Australia",
                    {"1 High St", "Perth   WA   6000", "Australia"}},
        AddressCase{"Nothing", "", "", "", "", "", {"Not Specified", "", ""}},
        AddressCase{"StreetOnly", "1 High St", "", "", "", "", {"1 High St", "", ""}},
        AddressCase{"NoStreet", "", "Perth", "WA", "6000", "", {"Perth", "WA   6000", ""}},
        AddressCase{"CountryOnly", "", "", "", "", "Australia", {"", "Australia", ""}},
        AddressCase{
            "StreetAndCountry", "1 High St", "", "", "", "Australia", {"1 High St", "Australia", ""}}),
    [](const auto& info) { return std::string(info.param.name); });

struct PhoneCase {
    const char* name;
    const char* phone;
    const char* phone2;
    const char* line1;
    const char* line2;
};

void PrintTo(const PhoneCase& c, std::ostream* os) { *os << c.name; }

class PhoneLinesTest : public ::testing::TestWithParam<PhoneCase> {};

TEST_P(PhoneLinesTest, PutsEachGivenPhoneOnALine) {
    ReportSet set;
    set.Record(kParent) = PersonRecord(kParent, "Ann", "Lee");
    set.Record(kParent).SetPhone(GetParam().phone);
    set.Record(kParent).SetPhone2(GetParam().phone2);
    const PersonDetailTexts details = PreparePersonDetailTexts(set);
    EXPECT_EQ(details.phoneLines[0], GetParam().line1);
    EXPECT_EQ(details.phoneLines[1], GetParam().line2);
    EXPECT_EQ(details.phoneLines[2], "");
}

INSTANTIATE_TEST_SUITE_P(Phones, PhoneLinesTest,
                         ::testing::Values(PhoneCase{"Both", "111", "222", "111", "222"},
                                           PhoneCase{"FirstOnly", "111", "", "111", ""},
                                           PhoneCase{"SecondOnly", "", "222", "222", ""},
                                           PhoneCase{"Neither", "", "", "Not Specified", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PersonDetailTexts, GenderLabelsFollowTheStoredCodeInEitherCase) {
    const std::pair<char, const char*> cases[] = {
        {'F', "Female"}, {'f', "Female"}, {'M', "Male"},          {'m', "Male"},
        {'X', "Other"},  {'x', "Other"},  {'U', "Not Specified"}, {'?', "Not Specified"}};
    for (const auto& [code, label] : cases) {
        ReportSet set;
        set.Record(kSelf) = PersonRecord(kSelf, "Ann", "Lee");
        set.Record(kSelf).SetStoredGender(code);
        EXPECT_EQ(PreparePersonDetailTexts(set).gender, label) << code;
    }
}

TEST(PersonDetailTexts, TeacherOnlyAnalysisTakesThePersonFromTheTeacherReport) {
    const PersonDetailTexts details = PreparePersonDetailTexts(reports_test::TeacherOnlyAnalysis());
    EXPECT_EQ(details.name, "Sam Nguyen");
    EXPECT_EQ(details.addressLines[0], "4 Elm Rd");
    EXPECT_EQ(details.addressLines[1], "Bendigo   3550");
    EXPECT_EQ(details.phoneLines[0], "03 5444 0000");
    EXPECT_EQ(details.gender, "Male");
    EXPECT_EQ(details.birthDate, "15 March 2010");
    EXPECT_EQ(details.completionDate, "02 May 2024");
    EXPECT_EQ(details.ageAtCompletion, "14");
    EXPECT_EQ(details.parentName, "");
    EXPECT_EQ(details.teacherName, "Ms Park");
    EXPECT_EQ(details.schoolYear, "K");
    EXPECT_EQ(details.school, "Not Specified");
    EXPECT_EQ(details.comments[kSelf], "");
    EXPECT_EQ(details.comments[kParent], "");
    EXPECT_EQ(details.comments[kTeacher], "{No additional 'Teacher-Report' comments were supplied}");
}

TEST(PersonDetailTexts, SelfReportGivesThePersonAndEachReportItsObserverAndComment) {
    ReportSet set = reports_test::FullAnalysis();
    set.Record(kSelf).SetSchoolYear("");
    set.Record(kParent).SetSchoolYear("9");
    const PersonDetailTexts details = PreparePersonDetailTexts(set);
    EXPECT_EQ(details.name, "Zo\xEB O'Brien {Jr}");
    EXPECT_EQ(details.parentName, "Maria O'Brien");
    EXPECT_EQ(details.teacherName, "Mr Hale");
    EXPECT_EQ(details.schoolYear, "9");  // the first one given, Self before Parent
    EXPECT_EQ(details.school, "Beaconsfield High");
    EXPECT_EQ(details.comments[kSelf], "[Self: Feels C:\\worried\\ most days]");
    EXPECT_EQ(details.comments[kParent], "(Parent: Sleeps badly, {often} late)");
}

TEST(PersonDetailTexts, ObserverOfAnEmptySlotIsNotShown) {
    ReportSet set;
    set.Record(kSelf) = PersonRecord(kSelf, "Ann", "Lee");
    set.Record(kParent).SetObserverName("Left over");  // no last name: the slot is empty
    EXPECT_EQ(PreparePersonDetailTexts(set).parentName, "");
}

TEST(PersonDetailTexts, UnreadableDatesLeaveDatesAndAgeEmpty) {
    ReportSet set;
    set.Record(kSelf) = PersonRecord(kSelf, "Ann", "Lee");
    set.Record(kSelf).SetText(TextField::BirthDate, "2010");
    set.Record(kSelf).SetText(TextField::CompletionDate, "20241302");
    const PersonDetailTexts details = PreparePersonDetailTexts(set);
    EXPECT_EQ(details.birthDate, "");
    EXPECT_EQ(details.completionDate, "");
    EXPECT_EQ(details.ageAtCompletion, "");
}

TEST(PersonDetailTexts, WithoutAnyReportOnlyTheNotSpecifiedTextsAreSet) {
    const PersonDetailTexts details = PreparePersonDetailTexts(ReportSet());
    EXPECT_EQ(FirstPresentSlot(ReportSet()), -1);
    EXPECT_EQ(details.name, "");
    EXPECT_EQ(details.addressLines[0], "");
    EXPECT_EQ(details.gender, "Not Specified");
    EXPECT_EQ(details.schoolYear, "Not Specified");
    EXPECT_EQ(details.comments[kSelf], "");
}

}  // namespace
}  // namespace orva
