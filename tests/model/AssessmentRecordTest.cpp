// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <string>

#include "model/AssessmentRecord.h"

namespace orva {
namespace {

struct FieldCase {
    const char* name;
    TextField field;
    std::size_t max;
};

void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.name; }

class TextFieldCutting : public ::testing::TestWithParam<FieldCase> {};

TEST_P(TextFieldCutting, LongerValueIsCutToTheFieldMaximum_ShorterKeptWhole) {
    const auto [name, field, max] = GetParam();
    AssessmentRecord r;
    const std::string longValue(max + 5, 'a');
    r.SetText(field, longValue);
    EXPECT_EQ(r.GetText(field), std::string(max, 'a'));
    r.SetText(field, "ab");
    EXPECT_EQ(r.GetText(field), "ab");
    r.SetText(field, std::string(max, 'z'));
    EXPECT_EQ(r.GetText(field), std::string(max, 'z'));
}

INSTANTIATE_TEST_SUITE_P(
    AllFields, TextFieldCutting,
    ::testing::Values(
        FieldCase{"FirstName", TextField::FirstName, 20}, FieldCase{"LastName", TextField::LastName, 20},
        FieldCase{"StreetAddress", TextField::StreetAddress, 40}, FieldCase{"Town", TextField::Town, 20},
        FieldCase{"State", TextField::State, 3}, FieldCase{"Postcode", TextField::Postcode, 10},
        FieldCase{"Country", TextField::Country, 20}, FieldCase{"Phone", TextField::Phone, 14},
        FieldCase{"Phone2", TextField::Phone2, 14}, FieldCase{"Email", TextField::Email, 40},
        FieldCase{"ObserverName", TextField::ObserverName, 20},
        FieldCase{"ObserverRelationship", TextField::ObserverRelationship, 20},
        FieldCase{"ObserverContact", TextField::ObserverContact, 60},
        FieldCase{"ObserverComment", TextField::ObserverComment, 200},
        FieldCase{"SchoolYear", TextField::SchoolYear, 2}, FieldCase{"School", TextField::School, 30}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AssessmentRecord, NeighbouringFieldsDoNotBleedIntoEachOther) {
    AssessmentRecord r;
    r.SetFirstName(std::string(25, 'F'));
    r.SetLastName("Li");
    r.SetState("NSWX");
    r.SetPostcode("2000");
    EXPECT_EQ(r.GetFirstName(), std::string(20, 'F'));
    EXPECT_EQ(r.GetLastName(), "Li");
    EXPECT_EQ(r.GetState(), "NSW");
    EXPECT_EQ(r.GetPostcode(), "2000");
}

TEST(AssessmentRecord, KeepsWindows1252BytesUnchanged) {
    AssessmentRecord r;
    const std::string name = "Ren\xE9" "e M\xFC" "ller\x92s";
    r.SetFirstName(name);
    EXPECT_EQ(r.GetFirstName(), name);
}

TEST(AssessmentRecord, ResetEmptiesEveryField_ItemTextsFollowTheReporter) {
    AssessmentRecord r;
    r.SetFirstName("Ann");
    ASSERT_TRUE(r.SetReporter(kParent));
    ASSERT_TRUE(r.SetGender('F'));
    r.SetDataEntry(kPaper);
    ASSERT_TRUE(r.SetResponse(5, 3));
    ASSERT_TRUE(r.SetBirthDate(2001, 2, 3));
    r.Reset();
    EXPECT_EQ(r.GetFirstName(), "");
    EXPECT_EQ(r.GetText(TextField::BirthDate), "");
    EXPECT_EQ(r.GetGender(), 'U');
    EXPECT_EQ(r.GetReporter(), kReporterNotSet);
    EXPECT_EQ(r.GetDataEntry(), kOnScreen);
    for (int item = 0; item < kResponseSlots; ++item) {
        EXPECT_EQ(r.GetResponse(item), -1) << item;
        EXPECT_EQ(r.GetHeldResponse(item), kHeldNeverSet) << item;
    }
    EXPECT_STREQ(r.GetItemText(0), "");
    r.SetStoredReporter(kParent);
    EXPECT_STREQ(r.GetItemText(0), "My child:");
}

// Each refusal names its own cause and leaves the field as it was.
TEST(AssessmentRecord, CodedSettersAcceptOnlyTheirValues) {
    AssessmentRecord r;
    EXPECT_EQ(r.SetGender('m'), RecordFieldError::UnknownGender);
    EXPECT_EQ(r.GetGender(), 'U');
    for (char g : {'F', 'M', 'U', 'X'}) {
        EXPECT_TRUE(r.SetGender(g)) << g;
        EXPECT_EQ(r.GetGender(), g);
    }
    EXPECT_EQ(r.SetGender('Q'), RecordFieldError::UnknownGender);
    EXPECT_EQ(r.GetGender(), 'X');

    EXPECT_EQ(r.SetReporter(3), RecordFieldError::UnknownReporter);
    EXPECT_EQ(r.SetReporter(-1), RecordFieldError::UnknownReporter);
    EXPECT_EQ(r.GetReporter(), kReporterNotSet);
    EXPECT_TRUE(r.SetReporter(kTeacher));
    EXPECT_EQ(r.GetReporter(), kTeacher);
    EXPECT_EQ(r.SetReporter(3), RecordFieldError::UnknownReporter);
    EXPECT_EQ(r.GetReporter(), kTeacher);

    r.SetDataEntry('1');
    EXPECT_EQ(r.GetDataEntry(), '1');
    r.SetDataEntry('7');
    EXPECT_EQ(r.GetDataEntry(), '0');
}

TEST(AssessmentRecord, ResponsesNeedAReporterAndValidItemsAndValues) {
    AssessmentRecord r;
    EXPECT_EQ(r.SetResponse(5, 3), RecordFieldError::NoReporter);
    EXPECT_EQ(r.GetResponse(5), -1);
    ASSERT_TRUE(r.SetReporter(kSelf));
    EXPECT_EQ(r.SetResponse(0, 2), RecordFieldError::ItemOutOfRange);
    EXPECT_EQ(r.SetResponse(191, 2), RecordFieldError::ItemOutOfRange);
    EXPECT_EQ(r.GetResponse(0), -1);
    EXPECT_TRUE(r.SetResponse(190, 5));
    EXPECT_EQ(r.GetResponse(190), 5);
    EXPECT_TRUE(r.SetResponse(4, 1));
    EXPECT_EQ(r.SetResponse(4, 6), RecordFieldError::AnswerOutOfRange);
    EXPECT_EQ(r.SetResponse(4, -2), RecordFieldError::AnswerOutOfRange);
    EXPECT_EQ(r.GetResponse(4), 1);
    EXPECT_TRUE(r.SetResponse(5, 3));
    EXPECT_EQ(r.GetResponse(5), 3);
    EXPECT_EQ(r.GetResponseChar(5), '3');
}

// A refusal the caller had ruled out stops a debug build instead of passing unseen.
TEST(AssumeAcceptedDeathTest, StopsADebugBuildOnARefusal) {
    AssessmentRecord r;
    AssumeAccepted(r.SetReporter(kParent));
    EXPECT_EQ(r.GetReporter(), kParent);
    EXPECT_DEBUG_DEATH(AssumeAccepted(r.SetReporter(3)), "Ok");
}

TEST(AssessmentRecord, ExplicitBlankIsHeldAsSevenAndReadsAsBlank) {
    AssessmentRecord r;
    ASSERT_TRUE(r.SetReporter(kSelf));
    EXPECT_TRUE(r.SetResponse(5, -1));
    EXPECT_EQ(r.GetHeldResponse(5), kHeldBlank);
    EXPECT_EQ(r.GetResponse(5), -1);
    EXPECT_EQ(r.GetResponseChar(5), ' ');
}

TEST(AssessmentRecord, OutOfRangeHeldValuesReadAsBlank) {
    AssessmentRecord r;
    for (int held : {6, 7, 8, 15, -1, 99}) {
        r.SetHeldResponse(9, held);
        EXPECT_EQ(r.GetResponse(9), -1) << held;
        EXPECT_EQ(r.GetResponseChar(9), ' ') << held;
    }
    EXPECT_EQ(r.GetResponse(-5), -1);
    EXPECT_EQ(r.GetResponse(500), -1);
}

TEST(AssessmentRecord, ParseResponseTakesOnlySingleDigitsZeroToFive) {
    for (int v = 0; v <= 5; ++v) EXPECT_EQ(AssessmentRecord::ParseResponse(std::string(1, char('0' + v))), v);
    for (const char* t : {"", " ", "6", "9", "00", "-1", "a", "3 "}) EXPECT_EQ(AssessmentRecord::ParseResponse(t), -1) << t;
}

TEST(AssessmentRecord, BirthDateIsStoredOnlyWhenValid) {
    AssessmentRecord r;
    EXPECT_TRUE(r.SetBirthDate(2004, 2, 29));
    EXPECT_EQ(r.GetText(TextField::BirthDate), "20040229");
    EXPECT_EQ(r.SetBirthDate(2003, 2, 29), RecordFieldError::InvalidDate);
    EXPECT_EQ(r.GetText(TextField::BirthDate), "20040229");
    const std::optional<Date> birth = r.GetBirthDate();
    ASSERT_TRUE(birth.has_value());
    EXPECT_EQ(birth->year, 2004);
    EXPECT_EQ(birth->month, 2);
    EXPECT_EQ(birth->day, 29);
}

TEST(AssessmentRecord, CompletionDateMayBeTodayButNotTomorrow) {
    const FixedClock clock({2007, 6, 15, 10, 0, 0});
    AssessmentRecord r;
    EXPECT_EQ(r.SetCompletionDate(2007, 6, 16, clock), RecordFieldError::DateInFuture);
    EXPECT_EQ(r.GetText(TextField::CompletionDate), "");
    EXPECT_TRUE(r.SetCompletionDate(2007, 6, 15, clock));
    EXPECT_EQ(r.GetText(TextField::CompletionDate), "20070615");
    EXPECT_EQ(r.SetCompletionDate(2007, 13, 1, clock), RecordFieldError::InvalidDate);
    EXPECT_EQ(r.SetCompletionDate(2007, 6, 16, clock), RecordFieldError::DateInFuture);
    EXPECT_EQ(r.GetText(TextField::CompletionDate), "20070615");
}

TEST(AssessmentRecord, StoredDatesReadBackOnlyWhenWellFormed) {
    AssessmentRecord r;
    EXPECT_FALSE(r.GetBirthDate().has_value());
    r.SetText(TextField::BirthDate, "2004011");
    EXPECT_FALSE(r.GetBirthDate().has_value());
    r.SetText(TextField::BirthDate, "2004a101");
    EXPECT_FALSE(r.GetBirthDate().has_value());
    EXPECT_FALSE(r.GetSaveDateTime().has_value());
    r.SetStoredSaveDateTime({2007, 3, 15, 9, 5, 7});
    EXPECT_EQ(r.GetText(TextField::SaveDateTime), "20070315090507");
    const std::optional<LocalDateTime> when = r.GetSaveDateTime();
    ASSERT_TRUE(when.has_value());
    EXPECT_EQ(when->hour, 9);
    EXPECT_EQ(when->second, 7);
}

TEST(AssessmentRecord, AgeAtCompletionNeedsBothDates) {
    const FixedClock clock({2010, 12, 31, 0, 0, 0});
    AssessmentRecord r;
    EXPECT_EQ(r.AgeAtCompletion(), std::nullopt);
    ASSERT_TRUE(r.SetBirthDate(2000, 3, 15));
    EXPECT_EQ(r.AgeAtCompletion(), std::nullopt);
    ASSERT_TRUE(r.SetCompletionDate(2010, 3, 14, clock));
    EXPECT_EQ(r.AgeAtCompletion(), 9);
    ASSERT_TRUE(r.SetCompletionDate(2010, 3, 15, clock));
    EXPECT_EQ(r.AgeAtCompletion(), 10);
}

TEST(AssessmentRecord, SameContentIgnoresSaveTimeAndDataEntryOnly) {
    AssessmentRecord a;
    ASSERT_TRUE(a.SetReporter(kParent));
    a.SetFirstName("Jane");
    a.SetLastName("Smith");
    ASSERT_TRUE(a.SetResponse(10, 4));
    AssessmentRecord b = a;
    b.SetStoredSaveDateTime({2020, 1, 1, 1, 1, 1});
    b.SetDataEntry(kPaper);
    EXPECT_TRUE(a.SameContent(b));

    AssessmentRecord c = a;
    c.SetFirstName("jane");
    EXPECT_FALSE(a.SameContent(c));
    AssessmentRecord d = a;
    ASSERT_TRUE(d.SetResponse(10, 3));
    EXPECT_FALSE(a.SameContent(d));
    AssessmentRecord e = a;
    ASSERT_TRUE(e.SetGender('F'));
    EXPECT_FALSE(a.SameContent(e));
    AssessmentRecord f = a;
    f.SetObserverComment("x");
    EXPECT_FALSE(a.SameContent(f));
}

TEST(AssessmentRecord, SameContentTreatsBlankAndNeverSetAsEqual) {
    AssessmentRecord a;
    ASSERT_TRUE(a.SetReporter(kSelf));
    AssessmentRecord b = a;
    ASSERT_TRUE(b.SetResponse(12, -1));
    EXPECT_TRUE(a.SameContent(b));
}

TEST(AssessmentRecord, CopiesAreIndependentValues) {
    AssessmentRecord a;
    a.SetFirstName("Original");
    AssessmentRecord b = a;
    b.SetFirstName("Changed");
    EXPECT_EQ(a.GetFirstName(), "Original");
}

TEST(DisplayLabels, GenderAndReporterWords) {
    EXPECT_STREQ(GenderLabel('m'), "Male");
    EXPECT_STREQ(GenderLabel('F'), "Female");
    EXPECT_STREQ(GenderLabel('x'), "Other");
    EXPECT_STREQ(GenderLabel('U'), "Not Specified");
    EXPECT_STREQ(ReporterListLabel(kReporterNotSet), "Self Assessment");
    EXPECT_STREQ(ReporterListLabel(kParent), "Parent");
    EXPECT_STREQ(ReporterListLabel(kTeacher), "Teacher");
    EXPECT_STREQ(ReporterCsvLabel(kReporterNotSet), "Self");
    EXPECT_STREQ(ReporterCsvLabel(kTeacher), "Teacher");
}

}  // namespace
}  // namespace orva
