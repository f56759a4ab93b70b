// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include "model/Cp1252.h"
#include "model/ItemCatalogue.h"
#include "reports/CsvEncoding.h"
#include "reports/CsvFormat.h"
#include "reports/CsvImport.h"
#include "reports/ReportsError.h"
#include "reports/support/ReportsTestSupport.h"
#include "reports/ReportsTexts.h"
#include "support/RecordBuilder.h"

namespace orva {
namespace {

using reports_test::kToday;

const FixedClock kClock(kToday);

std::string Row(const AssessmentRecord& record) {
    return FormatCsvLine(record);
}

// The CSV row of a sound record with one column replaced.
std::string RowWith(int column, const std::string& value) {
    std::string row = Row(reports_test::AwkwardRecord());
    std::size_t start = 0;
    for (int c = 0; c < column; ++c) start = row.find(',', start) + 1;
    std::size_t end = row.find_first_of(",\r", start);
    return row.replace(start, end - start, value);
}

TEST(DecodeCsvImport, ExportedRowsReadBackToTheSameRows) {
    const std::vector<AssessmentRecord> originals = {
        reports_test::AwkwardRecord(), reports_test::PersonRecord(kTeacher, "Al", "Bo", {{5, 0}}),
        reports_test::FullAnalysis().Record(kSelf)};
    std::string csv = texts::kCsvHeader;
    for (const AssessmentRecord& record : originals) csv += Row(record);

    const CsvImportResult result = DecodeCsvImport(csv, kClock);
    ASSERT_TRUE(result.status.Ok()) << DescribeProblem(*result.problem);
    ASSERT_EQ(result.records.size(), originals.size());
    for (std::size_t i = 0; i < originals.size(); ++i) {
        EXPECT_EQ(reports_test::WithoutSaveColumns(Row(result.records[i])),
                  reports_test::WithoutSaveColumns(Row(originals[i])));
        const std::string saved = originals[i].GetText(TextField::SaveDateTime);
        EXPECT_EQ(result.records[i].GetText(TextField::SaveDateTime),
                  saved.empty() ? "20240614102030" : saved);
    }
    EXPECT_EQ(result.encoding, CsvEncoding::Windows1252);
}

TEST(DecodeCsvImport, KeepsAValidSaveTimeAndStampsNowForOneThatIsNot) {
    EXPECT_EQ(DecodeCsvImport(texts::kCsvHeader + Row(reports_test::AwkwardRecord()), kClock)
                  .records.at(0)
                  .GetText(TextField::SaveDateTime),
              "20240601080509");
    // Save year .. second are columns 21..26; the completion date is 2024-05-02.
    const std::pair<int, std::string> unusable[] = {{21, ""},   {22, "13"}, {23, "31"}, {24, "24"},
                                                    {25, "60"}, {26, "7"},  {22, "04"}, {21, "2009"}};
    for (const auto& [column, value] : unusable) {
        const CsvImportResult result = DecodeCsvImport(texts::kCsvHeader + RowWith(column, value), kClock);
        ASSERT_TRUE(result.status.Ok()) << column << " " << value;
        EXPECT_EQ(result.records[0].GetText(TextField::SaveDateTime), "20240614102030")
            << column << " " << value;
    }
}

TEST(DecodeCsvImport, NamesLoseTheirTrailingBlanks) {
    const CsvImportResult result = DecodeCsvImport(texts::kCsvHeader + RowWith(2, " Ann  "), kClock);
    ASSERT_TRUE(result.status.Ok());
    EXPECT_EQ(result.records[0].GetFirstName(), " Ann");
    const CsvImportResult last = DecodeCsvImport(texts::kCsvHeader + RowWith(3, "Lee\t "), kClock);
    ASSERT_TRUE(last.status.Ok());
    EXPECT_EQ(last.records[0].GetLastName(), "Lee\t");
    const CsvImportResult blank = DecodeCsvImport(texts::kCsvHeader + RowWith(3, "   "), kClock);
    ASSERT_TRUE(blank.problem);
    EXPECT_EQ(*blank.problem, (CsvImportProblem{2, 3, CsvProblem::EmptyName, 0}));
}

TEST(DecodeCsvImport, FormulaTextsSurviveTheRoundTripExactly) {
    AssessmentRecord record = reports_test::AwkwardRecord();
    record.SetFirstName("=1+2");
    record.SetLastName("-Smith");
    record.SetTown("@home");
    record.SetPhone("+61 2 5550");
    record.SetSchool("\tindented");
    record.SetObserverComment("=cmd|x!A0");
    const std::string row = Row(record);
    ASSERT_NE(row.find(",'=1+2,'-Smith,"), std::string::npos);
    const CsvImportResult result = DecodeCsvImport(texts::kCsvHeader + row, kClock);
    ASSERT_TRUE(result.status.Ok()) << DescribeProblem(*result.problem);
    for (TextField field : {TextField::FirstName, TextField::LastName, TextField::Town, TextField::Phone,
                            TextField::School, TextField::ObserverComment}) {
        EXPECT_EQ(result.records[0].GetText(field), record.GetText(field));
    }
    EXPECT_EQ(Row(result.records[0]), row);
}

TEST(DecodeCsvImport, AnApostropheBeforeOtherTextIsKept) {
    const CsvImportResult result = DecodeCsvImport(texts::kCsvHeader + RowWith(4, "'Elm St"), kClock);
    ASSERT_TRUE(result.status.Ok());
    EXPECT_EQ(result.records[0].GetStreetAddress(), "'Elm St");
}

TEST(DecodeCsvImport, ReadsValidUtf8AsUtf8AndAnythingElseAsWindows1252) {
    std::string csv = Cp1252::ToUtf8(texts::kCsvHeader + RowWith(2, "NAME"));
    csv.replace(csv.find("NAME"), 4,
                "Ren\xC3\xA9"
                "e \xE2\x80\x9Cx\xE2\x80\x9D");
    const CsvImportResult utf8 = DecodeCsvImport(csv, kClock);
    ASSERT_TRUE(utf8.status.Ok()) << DescribeProblem(*utf8.problem);
    EXPECT_EQ(utf8.encoding, CsvEncoding::Utf8);
    EXPECT_EQ(utf8.records[0].GetFirstName(),
              "Ren\xE9"
              "e \x93x\x94");
    EXPECT_EQ(utf8.records[0].GetTown(), reports_test::AwkwardRecord().GetTown());

    const CsvImportResult cp1252 = DecodeCsvImport(texts::kCsvHeader + RowWith(2,
                                                                               "Ren\xE9"
                                                                               "e"),
                                                   kClock);
    ASSERT_TRUE(cp1252.status.Ok());
    EXPECT_EQ(cp1252.encoding, CsvEncoding::Windows1252);
    EXPECT_EQ(cp1252.records[0].GetFirstName(),
              "Ren\xE9"
              "e");
}

TEST(DecodeCsvImport, Utf8CharactersBeyondWindows1252AreRefusedWithLineAndColumn) {
    std::string csv =
        Cp1252::ToUtf8(texts::kCsvHeader + Row(reports_test::AwkwardRecord()) + RowWith(8, "Lodz"));
    csv.replace(csv.rfind("Lodz"), 4,
                "\xC5\x81\xC3\xB3"
                "d\xC5\xBA");
    const CsvImportResult result = DecodeCsvImport(csv, kClock);
    EXPECT_EQ(result.encoding, CsvEncoding::Utf8);
    ASSERT_TRUE(result.problem);
    EXPECT_EQ(*result.problem, (CsvImportProblem{3, 8, CsvProblem::NotWindows1252, 0}));
    // The same bytes among Windows-1252 ones are Windows-1252 characters.
    EXPECT_EQ(DecodeCsvImport(texts::kCsvHeader + Row(reports_test::AwkwardRecord()) +
                                  RowWith(8,
                                          "\xC5\x81\xC3\xB3"
                                          "d\xC5\xBA"),
                              kClock)
                  .encoding,
              CsvEncoding::Windows1252);
}

TEST(DetectCsvEncoding, TakesUtf8OnlyWhenItIsWellFormedAndNotPlainAscii) {
    EXPECT_EQ(DetectCsvEncoding("plain"), CsvEncoding::Windows1252);
    EXPECT_EQ(DetectCsvEncoding("\xC3\xA9"), CsvEncoding::Utf8);
    EXPECT_EQ(DetectCsvEncoding("\xF0\x9F\x98\x80"), CsvEncoding::Utf8);
    EXPECT_EQ(DetectCsvEncoding("\xC0\xAF"), CsvEncoding::Windows1252);          // overlong
    EXPECT_EQ(DetectCsvEncoding("\xE0\x80\xAF"), CsvEncoding::Windows1252);      // overlong
    EXPECT_EQ(DetectCsvEncoding("\xED\xA0\x80"), CsvEncoding::Windows1252);      // surrogate
    EXPECT_EQ(DetectCsvEncoding("\xF4\x90\x80\x80"), CsvEncoding::Windows1252);  // past U+10FFFF
    EXPECT_EQ(DetectCsvEncoding("\xC3"), CsvEncoding::Windows1252);              // cut short
    EXPECT_EQ(DetectCsvEncoding("caf\xE9"), CsvEncoding::Windows1252);
    EXPECT_STREQ(CsvEncodingName(CsvEncoding::Utf8), "UTF-8");
    EXPECT_STREQ(CsvEncodingName(CsvEncoding::Windows1252), "Windows-1252");
}

TEST(LargestImportCsv, IsAFullFileOfTheLongestRowsSavedAsUtf8) {
    AssessmentRecord record = reports_test::AwkwardRecord();
    for (int i = 0; i < kTextFieldCount; ++i) {
        const auto field = static_cast<TextField>(i);
        if (field == TextField::BirthDate || field == TextField::CompletionDate ||
            field == TextField::SaveDateTime)
            continue;
        // The ellipsis takes three bytes in UTF-8, as long as any character Windows-1252 holds.
        record.SetText(field, std::string(MaxLength(field), '\x85'));
    }
    record.SetStoredReporter(kTeacher);
    record.SetDataEntry(kOnScreen);
    record = testsupport::RecordBuilder(record).AnswerEveryItem(5);
    EXPECT_EQ(LargestImportCsv(),
              std::string(texts::kCsvHeader).size() + 657 * Cp1252::ToUtf8(Row(record)).size());
}

TEST(DecodeCsvImport, AcceptsLineFeedEndingsAndALastLineWithoutEnding) {
    std::string row = Row(reports_test::AwkwardRecord());
    row.erase(row.size() - 2);
    std::string header = texts::kCsvHeader;
    header.erase(header.size() - 2, 1);  // CR LF -> LF
    const CsvImportResult result = DecodeCsvImport(header + row, kClock);
    EXPECT_TRUE(result.status.Ok());
    EXPECT_EQ(result.records.size(), 1u);
}

// What a spreadsheet writes when it saves as "CSV UTF-8": a byte-order mark first, and often
// an empty line or two at the end.
TEST(DecodeCsvImport, ASpreadsheetsCsvUtf8WithItsMarkAndBlankLinesAtTheEndIsRead) {
    const std::string row = Row(reports_test::PersonRecord(kSelf, "Ann", "Lee", {{5, 0}}));
    for (const std::string end : {"", "\r\n", "\r\n\r\n", "\n"}) {
        const CsvImportResult result = DecodeCsvImport("\xEF\xBB\xBF" + std::string(texts::kCsvHeader) + row + end, kClock);
        ASSERT_TRUE(result.status.Ok()) << DescribeProblem(*result.problem);
        EXPECT_EQ(result.records.size(), 1u);
        // The mark says UTF-8, even of a file that is otherwise plain ASCII.
        EXPECT_EQ(result.encoding, CsvEncoding::Utf8);
    }
    const CsvImportResult unmarked = DecodeCsvImport(std::string(texts::kCsvHeader) + row + "\r\n", kClock);
    EXPECT_TRUE(unmarked.status.Ok());
    EXPECT_EQ(unmarked.encoding, CsvEncoding::Windows1252);
    std::string utf8 = row;
    utf8.replace(utf8.find("Ann"), 3, "Ren\xC3\xA9");
    const CsvImportResult accented = DecodeCsvImport("\xEF\xBB\xBF" + std::string(texts::kCsvHeader) + utf8, kClock);
    ASSERT_TRUE(accented.status.Ok());
    EXPECT_EQ(accented.records[0].GetFirstName(), "Ren\xE9");
}

// The analysis would list such answers in rows it marks as not assessed in the Teacher-report.
TEST(DecodeCsvImport, ATeacherRowAnsweringAnItemNotAskedOfTeachersIsRefused) {
    const int notAsked = ItemCatalogue::TeacherExcludedItems().front();
    AssessmentRecord teacher = reports_test::PersonRecord(kTeacher, "Ann", "Lee", {{5, 0}});
    EXPECT_TRUE(DecodeCsvImport(texts::kCsvHeader + Row(teacher), kClock).status.Ok());
    teacher = testsupport::RecordBuilder(teacher).Answers({{notAsked, 2}});
    const CsvImportResult result = DecodeCsvImport(texts::kCsvHeader + Row(teacher), kClock);
    ASSERT_TRUE(result.problem);
    EXPECT_EQ(*result.problem, (CsvImportProblem{2, 31 + notAsked, CsvProblem::NotAskedOfTeachers, 0}));
    EXPECT_EQ(DescribeProblem(*result.problem), "line 2, column " + std::to_string(notAsked) +
                                                    ": is an item not asked of teachers; a Teacher-report leaves it "
                                                    "empty");
    AssessmentRecord parent = reports_test::PersonRecord(kParent, "Ann", "Lee", {{notAsked, 2}});
    EXPECT_TRUE(DecodeCsvImport(texts::kCsvHeader + Row(parent), kClock).status.Ok());
}

struct ProblemCase {
    const char* name;
    int column;
    std::string value;
    CsvProblem problem;
};

void PrintTo(const ProblemCase& c, std::ostream* os) { *os << c.name; }

class RowProblemTest : public ::testing::TestWithParam<ProblemCase> {};

TEST_P(RowProblemTest, RefusesTheRowNamingLineColumnAndProblem) {
    const ProblemCase& c = GetParam();
    const std::string csv =
        texts::kCsvHeader + Row(reports_test::AwkwardRecord()) + RowWith(c.column, c.value);
    const CsvImportResult result = DecodeCsvImport(csv, kClock);
    EXPECT_EQ(result.status, ReportsError::ImportBadRow);
    EXPECT_TRUE(result.records.empty());
    ASSERT_TRUE(result.problem);
    EXPECT_EQ(result.problem->line, 3);
    EXPECT_EQ(result.problem->column, c.column);
    EXPECT_EQ(result.problem->problem, c.problem);
}

INSTANTIATE_TEST_SUITE_P(
    Problems, RowProblemTest,
    ::testing::Values(ProblemCase{"Version", 0, "ORVA 4.0", CsvProblem::BadVersion},
                      ProblemCase{"DataEntry", 1, "paper", CsvProblem::BadDataEntry},
                      ProblemCase{"FirstNameEmpty", 2, "", CsvProblem::EmptyName},
                      ProblemCase{"LastNameEmpty", 3, "", CsvProblem::EmptyName},
                      ProblemCase{"StateTooLong", 6, "ABCD", CsvProblem::TooLong},
                      ProblemCase{"ControlCharacter", 4,
                                  "a\x01"
                                  "b",
                                  CsvProblem::BadCharacter},
                      ProblemCase{"Delete", 10, "555\x7f", CsvProblem::BadCharacter},
                      ProblemCase{"UndefinedInWindows1252", 5, "Q\x8F", CsvProblem::BadCharacter},
                      ProblemCase{"EuroSign", 11,
                                  "\x80"
                                  "@x.org",
                                  CsvProblem::BadCharacter},
                      ProblemCase{"DoubleQuote", 14, "\"School\"", CsvProblem::DoubleQuote},
                      ProblemCase{"Gender", 12, "Q", CsvProblem::BadGender},
                      ProblemCase{"GenderLowerCase", 12, "f", CsvProblem::BadGender},
                      ProblemCase{"SchoolYearTooLong", 13, "123", CsvProblem::TooLong},
                      ProblemCase{"BirthYearShort", 15, "10", CsvProblem::BadYear},
                      ProblemCase{"BirthMonthLetters", 16, "Mar", CsvProblem::BadMonth},
                      ProblemCase{"BirthDayMissing", 17, "", CsvProblem::BadDay},
                      ProblemCase{"BirthYearOutOfRange", 15, "1900", CsvProblem::YearOutOfRange},
                      ProblemCase{"BirthMonthOutOfRange", 16, "13", CsvProblem::MonthOutOfRange},
                      ProblemCase{"BirthDayNotInMonth", 17, "32", CsvProblem::DayNotInMonth},
                      ProblemCase{"CompletionInFuture", 18, "2025", CsvProblem::CompletionInFuture},
                      ProblemCase{"CompletionMonthOutOfRange", 19, "13", CsvProblem::MonthOutOfRange},
                      ProblemCase{"Reporter", 27, "Teachers", CsvProblem::BadReporter},
                      ProblemCase{"ObserverCommentTooLong", 31, std::string(201, 'c'), CsvProblem::TooLong},
                      ProblemCase{"AnswerSix", 33, "6", CsvProblem::BadAnswer},
                      ProblemCase{"AnswerTwoDigits", 142, "01", CsvProblem::BadAnswer},
                      ProblemCase{"AnswerBlank", 40, " ", CsvProblem::BadAnswer},
                      ProblemCase{"BirthAfterToday", 15, "2025", CsvProblem::BirthInFuture},
                      ProblemCase{"CompletionBeforeBirth", 18, "2009", CsvProblem::CompletionBeforeBirth},
                      ProblemCase{"SaveAfterNow", 21, "2099", CsvProblem::SaveInFuture}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecodeCsvImport, MissingBirthDateIsRefused) {
    std::string row = RowWith(15, "");
    const std::size_t at = row.find(",,03,15,");
    row.replace(at, 8, ",,,,");
    const CsvImportResult result = DecodeCsvImport(texts::kCsvHeader + row, kClock);
    ASSERT_TRUE(result.problem);
    EXPECT_EQ(result.problem->problem, CsvProblem::BirthDateMissing);
    EXPECT_EQ(DescribeProblem(*result.problem),
              "line 2, column Birth Year: is empty; the date of birth is required");
}

TEST(DecodeCsvImport, CompletionDateMayBeEmptyAndTodayIsAccepted) {
    AssessmentRecord record = reports_test::AwkwardRecord();
    record.SetText(TextField::CompletionDate, "");
    EXPECT_TRUE(DecodeCsvImport(texts::kCsvHeader + Row(record), kClock).status.Ok());
    record.SetText(TextField::CompletionDate, "20240614");
    EXPECT_TRUE(DecodeCsvImport(texts::kCsvHeader + Row(record), kClock).status.Ok());
}

TEST(DecodeCsvImport, LinesOfTheWrongShapeAreRefused) {
    const std::string row = Row(reports_test::AwkwardRecord());
    const std::pair<std::string, CsvImportProblem> cases[] = {
        {"", {1, -1, CsvProblem::EmptyFile, 0}},
        {"Version,Data Entry\r\n" + row, {1, -1, CsvProblem::BadHeader, 0}},
        {"\xEF\xBB\xBF\xEF\xBB\xBF" + std::string(texts::kCsvHeader) + row, {1, -1, CsvProblem::BadHeader, 0}},
        {texts::kCsvHeader + row + "\r\n\r\n" + row, {3, -1, CsvProblem::ColumnCount, 1}},
        {texts::kCsvHeader, {1, -1, CsvProblem::NoRows, 0}},
        {texts::kCsvHeader + row + "\r\n" + row, {3, -1, CsvProblem::ColumnCount, 1}},
        {texts::kCsvHeader + row.substr(0, row.size() - 4) + "\r\n", {2, -1, CsvProblem::ColumnCount, 142}},
        {texts::kCsvHeader + row.substr(0, row.size() - 2) + ",\r\n", {2, -1, CsvProblem::ColumnCount, 144}},
    };
    for (const auto& [csv, problem] : cases) {
        const CsvImportResult result = DecodeCsvImport(csv, kClock);
        EXPECT_FALSE(result.status.Ok());
        ASSERT_TRUE(result.problem);
        EXPECT_EQ(*result.problem, problem) << DescribeProblem(*result.problem);
    }
}

TEST(DecodeCsvImport, MoreRowsThanARecordFileHoldsAreRefused) {
    std::string csv = texts::kCsvHeader;
    const std::string row = Row(reports_test::AwkwardRecord());
    for (int i = 0; i < 658; ++i) csv += row;
    const CsvImportResult result = DecodeCsvImport(csv, kClock);
    EXPECT_EQ(result.status, ReportsError::ImportFileFull);
    EXPECT_EQ(DescribeProblem(*result.problem),
              "line 659: is one row too many: a record file holds at most 657 records");
}

TEST(DescribeProblem, NamesTheLineTheColumnAndWhatIsWrong) {
    EXPECT_EQ(DescribeProblem({7, 6, CsvProblem::TooLong, 3}),
              "line 7, column State: is longer than 3 characters");
    EXPECT_EQ(DescribeProblem({9, 142, CsvProblem::BadAnswer, 0}),
              "line 9, column 111: must be one digit 0 to 5, or empty");
    EXPECT_EQ(DescribeProblem({4, -1, CsvProblem::ColumnCount, 12}),
              "line 4: has 12 columns; every row of an ORVA export has 143");
}

}  // namespace
}  // namespace orva
