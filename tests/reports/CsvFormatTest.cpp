// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <algorithm>

#include "reports/CsvFormat.h"
#include "reports/support/ReportsTestSupport.h"
#include "reports/ReportsTexts.h"
#include "support/RecordBuilder.h"

namespace orva {
namespace {

int Columns(const std::string& line) {
    return static_cast<int>(std::count(line.begin(), line.end(), ',')) + 1;
}

std::string Commas(int n) {
    return std::string(static_cast<std::size_t>(n), ',');
}

struct SanitiseCase {
    const char* name;
    const char* text;
    const char* clean;
};

void PrintTo(const SanitiseCase& c, std::ostream* os) { *os << c.name; }

class SanitiseCsvTextTest : public ::testing::TestWithParam<SanitiseCase> {};

TEST_P(SanitiseCsvTextTest, ReplacesSeparatorsBreaksAndQuotesKeepingTheLength) {
    const std::string clean = SanitiseCsvText(GetParam().text);
    EXPECT_EQ(clean, GetParam().clean);
    EXPECT_EQ(clean.size(), std::string(GetParam().text).size());
}

INSTANTIATE_TEST_SUITE_P(Texts, SanitiseCsvTextTest,
                         ::testing::Values(SanitiseCase{"Empty", "", ""}, SanitiseCase{"Comma", "a,b", "a b"},
                                           SanitiseCase{"LineBreak", "a\r\nb", "a  b"},
                                           SanitiseCase{"DoubleQuotes", "\"q\"", "`q`"},
                                           SanitiseCase{"Apostrophe", "it's", "it`s"},
                                           SanitiseCase{"TabKept", "tab\there", "tab\there"},
                                           SanitiseCase{"Windows1252AndBackquotesKept", "caf\xE9 `x`",
                                                        "caf\xE9 `x`"},
                                           SanitiseCase{"LoneLineFeed", "\n", " "}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CsvHeader, IsTheFixedRowOf143Columns) {
    const std::string header = texts::kCsvHeader;
    EXPECT_EQ(header.size(), 696u);
    EXPECT_EQ(Columns(header), kCsvColumns);
    EXPECT_EQ(header.rfind("Version,Data Entry,First Name,", 0), 0u);
    EXPECT_NE(header.find(",Observer Comment,1,2,3,"), std::string::npos);
    EXPECT_EQ(header.substr(header.size() - 9), "110,111\r\n");
}

TEST(FormatCsvLine, RecordWithAwkwardTextsGivesTheExactRow) {
    const std::string expected =
        std::string(
            "ORVA 4.0  ,Paper,Ren\xE9"
            "e  `Jo`,D`Arcy  Smith,1  Rue de l`\xC9glise,  Montr\xE9"
            "al  ,QC,"
            "H2X 1Y4,Canada,514 555 0199,,jo@example.org,F,10,\xC9"
            "cole `Sainte`\tMarie,2010,03,15,2024,05,"
            "02,2024,06,01,08,05,09,Parent,Ana\tD`Arcy,Mother,ana@example.org  555,Line one  Line two  with "
            "`quotes` and `apostrophes`,0,5") +
        Commas(108) + ",3\r\n";
    const std::string line = FormatCsvLine(reports_test::AwkwardRecord());
    EXPECT_EQ(line, expected);
    EXPECT_EQ(Columns(line), kCsvColumns);
    EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1);
    EXPECT_EQ(line.find('"'), std::string::npos);
    EXPECT_EQ(line.find('\''), std::string::npos);
}

TEST(FormatCsvLine, DatesOfTheWrongLengthGiveEmptyColumns) {
    AssessmentRecord record = reports_test::AwkwardRecord();
    record.SetText(TextField::BirthDate, "2010031");
    record.SetText(TextField::CompletionDate, "");
    record.SetText(TextField::SaveDateTime, "2024060108050");
    const std::string line = FormatCsvLine(record);
    EXPECT_NE(line.find("\tMarie" + Commas(13) + "Parent,"), std::string::npos);
    EXPECT_EQ(Columns(line), kCsvColumns);
}

TEST(FormatCsvLine, RecordWithAllAnswersBlankEndsWith111Commas) {
    const AssessmentRecord record = testsupport::RecordBuilder(AssessmentRecord()).Reporter(kTeacher);
    const std::string line = FormatCsvLine(record);
    EXPECT_EQ(line.substr(line.size() - 113), Commas(111) + "\r\n");
    EXPECT_EQ(line.rfind("ORVA 4.0  ,On-Screen,", 0), 0u);
    EXPECT_NE(line.find(",U,"), std::string::npos);
    EXPECT_NE(line.find(",Teacher,"), std::string::npos);
    EXPECT_EQ(Columns(line), kCsvColumns);
}

TEST(FormatCsvLine, ReporterLabelsFollowTheStoredReporter) {
    const std::pair<int, const char*> cases[] = {{kSelf, ",Self,"},
                                                 {kParent, ",Parent,"},
                                                 {kTeacher, ",Teacher,"},
                                                 {kReporterNotSet, ",Self,"},
                                                 {9, ",Self,"}};
    for (const auto& [reporter, label] : cases) {
        AssessmentRecord record;
        record.SetStoredReporter(reporter);
        EXPECT_NE(FormatCsvLine(record).find(label), std::string::npos) << reporter;
    }
}

TEST(FormatCsvLine, StoredBytesFromADamagedFileCannotAddColumnsOrLines) {
    AssessmentRecord record;
    record.SetStoredGender(',');
    record.SetText(TextField::BirthDate, "20,0\n\r15");
    record.SetText(TextField::SaveDateTime, "2024,6\"01\r\n0509");
    EXPECT_EQ(Columns(FormatCsvLine(record)), kCsvColumns);
    record.SetStoredGender('\0');
    const std::string line = FormatCsvLine(record);
    EXPECT_EQ(Columns(line), kCsvColumns);
    EXPECT_EQ(line.find('\0'), std::string::npos);
    EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1);
}

struct GuardCase {
    const char* name;
    std::string cell;
    std::string guarded;
};

void PrintTo(const GuardCase& c, std::ostream* os) {
    *os << c.name;
}

class GuardFormulaTest : public ::testing::TestWithParam<GuardCase> {};

TEST_P(GuardFormulaTest, PutsAnApostropheOnlyBeforeAFormulaStartAndTheImportTakesItAway) {
    const GuardCase& c = GetParam();
    EXPECT_EQ(GuardFormula(c.cell), c.guarded);
    EXPECT_EQ(UnguardFormula(c.guarded), c.cell);
}

INSTANTIATE_TEST_SUITE_P(Cells, GuardFormulaTest,
                         ::testing::Values(GuardCase{"Equals", "=SUM(A1:A9)", "'=SUM(A1:A9)"},
                                           GuardCase{"Plus", "+61 2 5550 0199", "'+61 2 5550 0199"},
                                           GuardCase{"Minus", "-2+3", "'-2+3"},
                                           GuardCase{"At", "@home", "'@home"},
                                           GuardCase{"Tab", "\t=1", "'\t=1"},
                                           GuardCase{"CarriageReturn", "\r=1", "'\r=1"},
                                           GuardCase{"FormulaLater", "a=b-c", "a=b-c"},
                                           GuardCase{"Empty", "", ""}, GuardCase{"Blank", " =1", " =1"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UnguardFormula, TakesAwayOnlyAnApostropheBeforeAFormulaStart) {
    EXPECT_EQ(UnguardFormula("'abc"), "'abc");
    EXPECT_EQ(UnguardFormula("'"), "'");
    EXPECT_EQ(UnguardFormula("''=1"), "''=1");
    EXPECT_EQ(UnguardFormula("=1"), "=1");
}

TEST(FormatCsvLine, TextsThatASpreadsheetWouldTakeForFormulasAreGuarded) {
    AssessmentRecord record = reports_test::AwkwardRecord();
    record.SetFirstName("=HYPERLINK(x)");
    record.SetPhone("+61 2 5550");
    record.SetSchool("\tStart");
    record.SetObserverComment("@once, -twice");
    const std::string line = FormatCsvLine(record);
    EXPECT_EQ(line.rfind("ORVA 4.0  ,Paper,'=HYPERLINK(x),", 0), 0u);
    EXPECT_NE(line.find(",'+61 2 5550,"), std::string::npos);
    EXPECT_NE(line.find(",'\tStart,"), std::string::npos);
    EXPECT_NE(line.find(",'@once  -twice,"), std::string::npos);
    EXPECT_EQ(Columns(line), kCsvColumns);
}

TEST(FormatCsvLine, DoesNotChangeTheRecord) {
    const AssessmentRecord before = reports_test::AwkwardRecord();
    AssessmentRecord record = before;
    FormatCsvLine(record);
    EXPECT_TRUE(record.SameContent(before));
    EXPECT_EQ(record.GetFirstName(), before.GetFirstName());
}

}  // namespace
}  // namespace orva
