// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "store/OutputFile.h"
#include "reports/support/ReportsTestSupport.h"
#include "reports/RtfReportWriter.h"

namespace orva {
namespace {

using reports_test::HasProgram;
using testsupport::TempFolder;

// Runs of white space become one blank, so that text wrapped in a cell reads as one line.
std::string Squeezed(const std::string& text) {
    std::istringstream words(text);
    std::string word;
    std::string result;
    while (words >> word) result += (result.empty() ? "" : " ") + word;
    return result;
}

// One page of the PDF as its lines, each with runs of white space made one blank; the layout
// is kept, so a table row reads left to right, cell after cell.
struct Page {
    std::vector<std::string> lines;
    std::string text;  // all lines, one blank between them

    bool HasLine(const std::string& part) const {
        for (const std::string& line : lines) {
            if (line.find(part) != std::string::npos) return true;
        }
        return false;
    }
};

class RtfRenderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!HasProgram("soffice") || !HasProgram("pdftotext"))
            GTEST_SKIP() << "LibreOffice or pdftotext missing";
    }

    // Writes the report, has LibreOffice turn it into a PDF and reads back the text of each page.
    std::vector<Page> RenderPages(const ReportSet& set) {
        OutputFile file;
        file.SetPath(folder_.Path("report.rtf"));
        EXPECT_TRUE(file.Open(true).Ok());
        EXPECT_TRUE(WriteRtfReport(set, file).Ok());
        EXPECT_TRUE(file.Close().Ok());
        const std::string convert = "cd '" + folder_.Path() +
                                    "' && soffice --headless -env:UserInstallation=file://" +
                                    folder_.Path("profile") + " --convert-to pdf report.rtf >/dev/null 2>&1";
        EXPECT_EQ(std::system(convert.c_str()), 0);
        std::vector<Page> pages;
        for (int number = 1;; ++number) {
            const std::string text = folder_.Path("page.txt");
            const std::string extract = "pdftotext -layout -enc UTF-8 -f " + std::to_string(number) + " -l " +
                                        std::to_string(number) + " '" + folder_.Path("report.pdf") + "' '" +
                                        text + "' 2>/dev/null";
            if (std::system(extract.c_str()) != 0) break;
            Page page;
            std::istringstream lines(testsupport::ReadFile(text));
            for (std::string line; std::getline(lines, line);) {
                line = Squeezed(line);
                if (line.empty()) continue;
                page.lines.push_back(line);
                page.text += (page.text.empty() ? "" : " ") + line;
            }
            pages.push_back(page);
        }
        return pages;
    }

    static void ExpectLines(const Page& page, const std::vector<std::string>& parts) {
        for (const std::string& part : parts) EXPECT_TRUE(page.HasLine(part)) << part << "\n" << page.text;
    }

    TempFolder folder_;
};

TEST_F(RtfRenderTest, FullAnalysisOpensInAWordProcessorWithEveryTextInItsCell) {
    const std::vector<Page> pages = RenderPages(reports_test::FullAnalysis());
    ASSERT_EQ(pages.size(), 3u);
    // The title page has no footer.
    EXPECT_EQ(pages[0].text, "Strictly Confidential Child and Adolescent Orvantis Report Form");
    EXPECT_NE(
        pages[1].text.find("BRIEF OUTLINE OF THE ORVA The Child and Adolescent Orvantis (ORVA) is an "
                           "instrument comprising screening criteria for 20 of the most common disorders"),
        std::string::npos);
    ExpectLines(pages[1],
                {"(DSM-IV-TR; APA 2000).", "ORVA RESULTS", "Name: Zo\xC3\xAB O'Brien {Jr} Gender: Female",
                 "Address: 12 Harbour St Date of Birth: 15 March 2010", "Fremantle WA 6160", "Australia",
                 "Phone: 08 9335 1234 Age at 14", "Parent: Maria O'Brien Completion Date: 02 May 2024",
                 "Teacher: Mr Hale School Year: 8", "School: Beaconsfield High",
                 "# indicates mutually Screen Report Report Report", "ANXIETY DISORDERS",
                 "Generalised anxiety disorder YES [1, 14, 23, 27]; <14, 27, 87, 103>",
                 "Conduct disorder (#2) >=3 3 3 0 YES [4, 15, 83]; (4, 15, 83)",
                 "Separation anxiety disorder >=3 0 0 NO", "Child and Adolescent Orvantis Report Form"});
    EXPECT_EQ(pages[1].lines.back(), "2");
    ExpectLines(pages[2],
                {"Phonological disorder =2 0 0 0 NO", "Anorexia nervosa >=3 0 0 NO", "TIC DISORDERS",
                 "Number of positive screens 2 1 1", "Range: -1 to +1 >0.07 0.54 0.54 0.54 YES",
                 "Comments:", "[Self: Feels C:\\worried\\ most days]", "(Parent: Sleeps badly, {often} late)",
                 "{No additional 'Teacher-Report' comments were supplied}"});
    EXPECT_EQ(pages[2].lines.back(), "3");
}

TEST_F(RtfRenderTest, TeacherOnlyAnalysisOpensWithTheTeachersDetailsAndEmptyOtherCells) {
    const std::vector<Page> pages = RenderPages(reports_test::TeacherOnlyAnalysis());
    ASSERT_EQ(pages.size(), 3u);
    ExpectLines(pages[1], {"Name: Sam Nguyen Gender: Male", "Address: 4 Elm Rd Date of Birth: 15 March 2010",
                           "Bendigo 3550", "Phone: 03 5444 0000 Age at 14",
                           "Parent: Completion Date: 02 May 2024", "Teacher: Ms Park School Year: K",
                           "School: Not Specified", "Conduct disorder (#2) >=3 0 NO"});
    // The Teacher's "Not Assessed in the TRF" wraps in its narrow cell, beside the empty Self and Parent
    // cells.
    EXPECT_NE(pages[2].text.find("Not Assessed Anorexia nervosa >=3 NO in the TRF"), std::string::npos);
    ExpectLines(pages[2], {"Phonological disorder =2 0 NO", "Number of positive screens 1",
                           "Range: -1 to +1 >0.07 0.54 YES",
                           "{No additional 'Teacher-Report' comments were supplied}"});
    EXPECT_EQ(pages[2].text.find("[No additional"), std::string::npos);
}

}  // namespace
}  // namespace orva
