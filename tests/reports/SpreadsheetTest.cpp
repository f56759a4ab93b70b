// SPDX-License-Identifier: Apache-2.0
// The CSV export as a clinic opens it: LibreOffice Calc reads it and saves a workbook. Every
// column arrives in its place, every record is a row, and a text that a spreadsheet would take
// for a formula arrives as text with its guard apostrophe.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "model/Cp1252.h"
#include "reports/ExportRun.h"
#include "reports/support/ReportsTestSupport.h"
#include "reports/ReportsTexts.h"

namespace orva {
namespace {

using reports_test::CommandOutput;
using reports_test::HasProgram;
using reports_test::TempFolder;

std::string XmlText(std::string text) {
    text = std::regex_replace(text, std::regex("<[^>]*>"), "");
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, character] : entities) {
        text = std::regex_replace(text, std::regex(entity), character);
    }
    return text;
}

// The cells of a worksheet by reference ("C2"), shared strings resolved.
std::map<std::string, std::string> Cells(const std::string& sheet, const std::string& sharedStrings) {
    std::vector<std::string> strings;
    const std::regex item("<si>([\\s\\S]*?)</si>");
    for (auto it = std::sregex_iterator(sharedStrings.begin(), sharedStrings.end(), item);
         it != std::sregex_iterator(); ++it) {
        strings.push_back(XmlText((*it)[1]));
    }
    std::map<std::string, std::string> cells;
    const std::regex cell("<c r=\"([A-Z]+[0-9]+)\"([^>]*?)(/>|>([\\s\\S]*?)</c>)");
    const std::regex value("<v>([^<]*)</v>");
    for (auto it = std::sregex_iterator(sheet.begin(), sheet.end(), cell); it != std::sregex_iterator(); ++it) {
        const std::string attributes = (*it)[2];
        const std::string content = (*it)[4];
        std::smatch found;
        std::string text = XmlText(content);
        if (attributes.find("t=\"s\"") != std::string::npos && std::regex_search(content, found, value)) {
            text = strings.at(std::stoul(found[1]));
        }
        cells[(*it)[1]] = text;
    }
    return cells;
}

// Column name of a 1-based column number: 1 A, 26 Z, 27 AA.
std::string Column(int number) {
    std::string name;
    for (; number > 0; number = (number - 1) / 26) name.insert(name.begin(), static_cast<char>('A' + (number - 1) % 26));
    return name;
}

std::vector<std::string> HeaderNames() {
    std::string header = texts::kCsvHeader;
    header.erase(header.find('\r'));
    std::vector<std::string> names;
    std::istringstream cells(header);
    for (std::string name; std::getline(cells, name, ',');) names.push_back(name);
    return names;
}

class SpreadsheetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!HasProgram("soffice") || !HasProgram("unzip")) GTEST_SKIP() << "LibreOffice or unzip missing";
    }

    // Exports the records, has LibreOffice read the CSV as Windows-1252 text separated by
    // commas and save it as a workbook, and gives the cells of its one sheet.
    std::map<std::string, std::string> ExportedWorkbook(const std::vector<AssessmentRecord>& records) {
        reports_test::WriteRecordFile(folder_.Path("clinic.rpc"), records);
        const ExportOutcome outcome =
            RunExport({folder_.Path("clinic"), folder_.Path("export"), true}, [] { return false; });
        EXPECT_TRUE(outcome.exported);
        const std::string convert = "cd '" + folder_.Path() +
                                    "' && soffice --headless -env:UserInstallation=file://" +
                                    folder_.Path("profile") +
                                    " --infilter=CSV:44,34,1 --convert-to xlsx export.csv >/dev/null 2>&1";
        EXPECT_EQ(std::system(convert.c_str()), 0);
        const std::string workbook = "'" + folder_.Path("export.xlsx") + "'";
        members_ = CommandOutput("unzip -Z1 " + workbook);
        sheet_ = CommandOutput("unzip -p " + workbook + " xl/worksheets/sheet1.xml");
        return Cells(sheet_, CommandOutput("unzip -p " + workbook + " xl/sharedStrings.xml"));
    }

    TempFolder folder_;
    std::string members_;
    std::string sheet_;
};

TEST_F(SpreadsheetTest, EveryColumnAndRowArrives_AndFormulaTextsStayText) {
    const ReportSet analysis = reports_test::FullAnalysis();
    AssessmentRecord guarded = analysis.Record(kSelf);
    guarded.SetFirstName("=1+1");
    guarded.SetLastName("@SUM(A1)");
    guarded.SetText(TextField::Town, "+Town");
    guarded.SetText(TextField::Phone, "+61 2 9999 000");
    guarded.SetText(TextField::Email, "-2+3");
    guarded.SetText(TextField::ObserverComment, "=HYPERLINK(1)");
    const std::map<std::string, std::string> cells =
        ExportedWorkbook({guarded, analysis.Record(kParent), analysis.Record(kTeacher)});
    ASSERT_FALSE(cells.empty()) << "no workbook was made";

    // One sheet, no formula in it; the header and three records.
    EXPECT_EQ(members_.find("xl/worksheets/sheet2.xml"), std::string::npos);
    EXPECT_EQ(sheet_.find("<f>"), std::string::npos);
    EXPECT_EQ(sheet_.find("<f "), std::string::npos);
    EXPECT_NE(sheet_.find("<dimension ref=\"A1:EM4\"/>"), std::string::npos) << sheet_.substr(0, 600);

    const std::vector<std::string> names = HeaderNames();
    ASSERT_EQ(names.size(), 143u);
    for (int column = 1; column <= 143; ++column) {
        EXPECT_EQ(cells.at(Column(column) + "1"), names[static_cast<std::size_t>(column - 1)]) << column;
    }
    for (const char* row : {"2", "3", "4"}) {
        EXPECT_EQ(cells.count(std::string("A") + row), 1u) << row;
        EXPECT_EQ(cells.count(std::string("EM") + row), 1u) << "item 111 of row " << row;
    }

    EXPECT_EQ(cells.at("C2"), "'=1+1");
    EXPECT_EQ(cells.at("D2"), "'@SUM(A1)");
    EXPECT_EQ(cells.at("F2"), "'+Town");
    EXPECT_EQ(cells.at("J2"), "'+61 2 9999 000");
    EXPECT_EQ(cells.at("L2"), "'-2+3");
    EXPECT_EQ(cells.at("AF2"), "'=HYPERLINK(1)");
    // The export's Windows-1252, read as such.
    EXPECT_EQ(cells.at("C3"), Cp1252::ToUtf8(analysis.Record(kParent).GetFirstName()));
    EXPECT_EQ(cells.at("AB4"), "Teacher");
}

}  // namespace
}  // namespace orva
