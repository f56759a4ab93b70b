// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <numeric>

#include "model/ItemCatalogue.h"
#include "reports/RtfDocument.h"
#include "reports/RtfReportTexts.h"
#include "reports/support/ReportsTestSupport.h"
#include "reports/support/RtfText.h"
#include "support/RecordBuilder.h"

namespace orva {
namespace {

using reports_test::TableRows;
using reports_test::VisibleText;

std::string Whole(const std::vector<std::string>& chunks) {
    return std::accumulate(chunks.begin(), chunks.end(), std::string());
}

class RtfDocumentTest : public ::testing::Test {
  protected:
    void SetUp() override {
        chunks_ = BuildRtfReport(PrepareRtfReportTexts(reports_test::FullAnalysis()));
        rtf_ = Whole(chunks_);
        rows_ = TableRows(rtf_);
    }

    // The table row whose first cell starts with `label`.
    std::vector<std::string> RowStartingWith(const std::string& label) const {
        for (const auto& row : rows_) {
            if (!row.empty() && row[0].rfind(label, 0) == 0) return row;
        }
        ADD_FAILURE() << "no row " << label;
        return {};
    }

    std::vector<std::string> chunks_;
    std::string rtf_;
    std::vector<std::vector<std::string>> rows_;
};

TEST_F(RtfDocumentTest, IsOneBalancedGroupWithTheFixedHeader) {
    EXPECT_TRUE(reports_test::GroupsBalanced(rtf_));
    EXPECT_EQ(rtf_.rfind("{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0", 0), 0u);
    EXPECT_NE(rtf_.find("\\deflang1033"), std::string::npos);
    EXPECT_NE(rtf_.find("\\lang3081"), std::string::npos);
    EXPECT_EQ(rtf_.substr(rtf_.size() - 3), "}\r\n");
}

TEST_F(RtfDocumentTest, DeclaresTheThreeFontsAndTheirCharacterSetVariants) {
    EXPECT_NE(rtf_.find("{\\f0\\froman\\fcharset0"), std::string::npos);
    EXPECT_NE(rtf_.find("}Times New Roman;}"), std::string::npos);
    EXPECT_NE(rtf_.find("{\\f35\\fswiss\\fcharset0"), std::string::npos);
    EXPECT_NE(rtf_.find("}Tahoma;}"), std::string::npos);
    EXPECT_NE(rtf_.find("{\\f36\\froman\\fcharset0"), std::string::npos);
    EXPECT_NE(rtf_.find("}Garamond;}"), std::string::npos);
    for (const char* variant :
         {"Times New Roman CE;", "Times New Roman Cyr;", "Times New Roman Greek;", "Times New Roman Tur;",
          "Times New Roman (Hebrew);", "Times New Roman (Arabic);", "Times New Roman Baltic;",
          "Times New Roman (Vietnamese);", "Tahoma (Thai);", "Garamond CE;", "Garamond Baltic;"}) {
        EXPECT_NE(rtf_.find(variant), std::string::npos) << variant;
    }
}

TEST_F(RtfDocumentTest, ColourTableHoldsTheTwentyColoursInOrder) {
    EXPECT_NE(rtf_.find("{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green255\\blue255;"
                        "\\red0\\green255\\blue0;\\red255\\green0\\blue255;\\red255\\green0\\blue0;"
                        "\\red255\\green255\\blue0;\\red255\\green255\\blue255;\\red0\\green0\\blue128;"
                        "\\red0\\green128\\blue128;\\red0\\green128\\blue0;\\red128\\green0\\blue128;"
                        "\\red128\\green0\\blue0;\\red128\\green128\\blue0;\\red128\\green128\\blue128;"
                        "\\red192\\green192\\blue192;\\red153\\green153\\blue153;\\red224\\green224\\blue224;"
                        "\\red230\\green230\\blue230;\\red217\\green217\\blue217;}"),
              std::string::npos);
}

TEST_F(RtfDocumentTest, StyleSheetInformationAndPageGeometry) {
    for (const char* style : {" Normal;}", "Default Paragraph Font;}", "Normal Table;}", "hyperlink;}",
                              " header;}", " footer;}", "Table Grid;}", "Balloon Text;}", "page number;}"}) {
        EXPECT_NE(rtf_.find(style), std::string::npos) << style;
    }
    EXPECT_NE(rtf_.find("{\\title Strictly Confidential}{\\author ORVA}{\\operator User}"),
              std::string::npos);
    EXPECT_NE(rtf_.find("\\paperw11906\\paperh16838\\margl851\\margr709"), std::string::npos);
    EXPECT_NE(rtf_.find("\\footery902"), std::string::npos);
    EXPECT_NE(rtf_.find("\\titlepg"), std::string::npos);
}

TEST_F(RtfDocumentTest, FooterCarriesTheTitleAndThePageField) {
    const std::size_t footer = rtf_.find("{\\footer ");
    ASSERT_NE(footer, std::string::npos);
    const std::string text =
        rtf_.substr(footer, rtf_.find("\\pard", rtf_.find("\\par\r\n", footer)) - footer);
    EXPECT_NE(text.find("{\\i\\f36\\fs22 Child and Adolescent Orvantis}{\\f36\\fs22  Report Form}"),
              std::string::npos);
    EXPECT_NE(text.find("\\brdrb"), std::string::npos);  // the rule under it
    EXPECT_NE(rtf_.find("{\\field{\\*\\fldinst {\\cs20\\fs20  PAGE }}", footer), std::string::npos);
    // The first page's own footer is empty.
    const std::size_t first = rtf_.find("{\\footerf ");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(VisibleText("{" + rtf_.substr(first + 10, rtf_.find('}', first) - first - 9)), "\n");
}

TEST_F(RtfDocumentTest, PagesShowTitleOutlineAndHeadingsInOrder) {
    const std::string text = VisibleText(rtf_);
    const std::vector<std::string> inOrder = {
        "Strictly Confidential\n",
        "Child and Adolescent Orvantis\nReport Form|",
        "BRIEF OUTLINE OF THE ORVA\n",
        "The Child and Adolescent Orvantis (ORVA) is an instrument comprising screening criteria for 20 of "
        "the "
        "most common disorders found in children and adolescents.\n",
        "The screening criteria of the ORVA closely resemble the diagnostic criteria listed in the "
        "Diagnostic "
        "and Statistical Manual of Mental Disorders-Fourth Edition-Text Revision (DSM-IV-TR; APA 2000).\n",
        "It is important to note that a positive screen for any of the disorders does not indicate a formal "
        "diagnosis. It merely indicates that the individual has met sufficient criteria for a disorder to "
        "warrant further investigation by an appropriate health professional.\n",
        "ORVA RESULTS\n",
        "Comments:\n[Self: Feels C:\\worried\\ most days]\n(Parent: Sleeps badly, {often} late)\n{No "
        "additional "
        "'Teacher-Report' comments were supplied}\n"};
    std::size_t at = 0;
    for (const std::string& part : inOrder) {
        const std::size_t found = text.find(part, at);
        ASSERT_NE(found, std::string::npos) << part;
        at = found + part.size();
    }
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n') >= 15, true);
    EXPECT_NE(rtf_.find("\\pagebb"), std::string::npos);
    EXPECT_NE(rtf_.find("{\\i Child and Adolescent Orvantis}"), std::string::npos);
    EXPECT_NE(rtf_.find("{\\i Diagnostic and Statistical Manual"), std::string::npos);
    EXPECT_NE(rtf_.find("{\\b\\i ORVA}{\\b  RESULTS}"), std::string::npos);
    EXPECT_NE(rtf_.find("{\\b\\ul\\cf17 Strictly Confidential}"), std::string::npos);
    EXPECT_NE(rtf_.find("\\trleft1276"), std::string::npos);
    EXPECT_NE(rtf_.find("\\clcbpat1\\cltxlrtb\\cellx9072"), std::string::npos);
    EXPECT_NE(rtf_.find("{\\b\\f36\\fs48\\cf8 Child and Adolescent Orvantis}"), std::string::npos);
    EXPECT_NE(rtf_.find("{\\b\\f36\\fs32\\cf8 Report Form}"), std::string::npos);
}

TEST_F(RtfDocumentTest, DetailsTablePutsEachValueBesideItsLabel) {
    EXPECT_EQ(RowStartingWith("Name:"),
              (std::vector<std::string>{"Name:", "Zo\xEB O'Brien {Jr}", "Gender:", "Female"}));
    EXPECT_EQ(RowStartingWith("Address:"),
              (std::vector<std::string>{"Address:", "12 Harbour St\nFremantle   WA   6160\nAustralia",
                                        "Date of Birth:", "15 March 2010"}));
    EXPECT_EQ(RowStartingWith("Phone:"),
              (std::vector<std::string>{"Phone:", "08 9335 1234\n0412 345 678", "Age at Completion:", "14"}));
    EXPECT_EQ(RowStartingWith("Parent:"),
              (std::vector<std::string>{"Parent:", "Maria O'Brien", "Completion Date:", "02 May 2024"}));
    EXPECT_EQ(RowStartingWith("Teacher:"),
              (std::vector<std::string>{"Teacher:", "Mr Hale", "School Year:", "8"}));
    EXPECT_NE(std::find(rows_.begin(), rows_.end(),
                        std::vector<std::string>{"", "", "School:", "Beaconsfield High"}),
              rows_.end());
    EXPECT_NE(
        rtf_.find("\\cellx1134\r\n\\clvertalt\\cltxlrtb\\cellx5102\r\n\\clvertalt\\cltxlrtb\\cellx6945\r\n"
                  "\\clvertalt\\cltxlrtb\\cellx10454"),
        std::string::npos);
}

TEST_F(RtfDocumentTest, ResultsTableHasHeadingGroupsDisorderRowsAndCountRow) {
    EXPECT_EQ(RowStartingWith("Disorder"),
              (std::vector<std::string>{
                  "Disorder\n# indicates mutually exclusive screens", "Positive Screen Cutoff",
                  "Self-Report Score", "Parent-Report Score", "Teacher-Report Score", "Cutoff Attained",
                  "Positive Screen Items Met\n[Self-Report Items Met]\n(Parent-Report Items "
                  "Met)\n<Teacher-Report Items Met>"}));
    EXPECT_EQ(RowStartingWith("Generalised"),
              (std::vector<std::string>{"Generalised anxiety disorder", ">=1\n>=3", "1\n3", "0\n0", "1\n3",
                                        "YES", "[1, 14, 23, 27]; <14, 27, 87, 103>"}));
    EXPECT_EQ(RowStartingWith("Post-traumatic"),
              (std::vector<std::string>{"Post-traumatic stress disorder", ">=3\n{TRS>=2}", "1", "0", "0",
                                        "NO", ""}));
    EXPECT_EQ(RowStartingWith("Separation")[4], "Not Assessed in the TRF");
    EXPECT_EQ(RowStartingWith("Attention-deficit/hyperactivity disorder, hyperactive-impulsive type (#1)")[1],
              ">=6\n<6");
    EXPECT_EQ(RowStartingWith("Asperger's")[0], "Asperger's disorder (#4)\n(Total score also evaluated)");
    EXPECT_EQ(RowStartingWith("Asperger's")[2], "0\n0\n0");
    EXPECT_EQ(RowStartingWith("Number of positive screens"),
              (std::vector<std::string>{"Number of positive screens", "", "2", "1", "1", "", ""}));

    const std::vector<std::string> groups = {"ANXIETY DISORDERS",
                                             "ATTENTION-DEFICIT and DISRUPTIVE BEHAVIOUR DISORDERS",
                                             "COMMUNICATION DISORDERS",
                                             "DEPRESSIVE DISORDERS",
                                             "EATING DISORDERS",
                                             "LEARNING DISORDERS",
                                             "PERVASIVE DEVELOPMENTAL DISORDERS",
                                             "TIC DISORDERS"};
    for (const std::string& group : groups) EXPECT_EQ(RowStartingWith(group).size(), 7u) << group;
    // 1 heading + 8 groups + 23 disorders + the count row, after the details table's 6 and the title's 1.
    EXPECT_EQ(rows_.size(), 1u + 6u + 1u + 8u + 23u + 1u + 2u);
    EXPECT_NE(rtf_.find("\\{TRS>=2\\}"), std::string::npos);
}

TEST_F(RtfDocumentTest, ResultsRowsUseTheColumnEdgesAndShadingIndices) {
    std::size_t definitions = 0;
    for (std::size_t at = rtf_.find("\\cellx2410"); at != std::string::npos;
         at = rtf_.find("\\cellx2410", at + 1)) {
        ++definitions;
    }
    EXPECT_EQ(definitions, 1u + 8u + 23u + 1u + 2u);  // results rows and the two reliability rows
    for (const char* edge : {"\\cellx3402", "\\cellx4395", "\\cellx5387", "\\cellx6379", "\\cellx7513"}) {
        std::size_t count = 0;
        for (std::size_t at = rtf_.find(edge); at != std::string::npos; at = rtf_.find(edge, at + 1)) ++count;
        EXPECT_EQ(count, definitions) << edge;
    }
    const auto shadedWith = [&](int colour) {
        return rtf_.find("\\clcbpat" + std::to_string(colour) + "\\cltxlrtb\\cellx10490") !=
               std::string::npos;
    };
    EXPECT_TRUE(shadedWith(1));
    EXPECT_TRUE(shadedWith(18));
    EXPECT_TRUE(shadedWith(19));
    EXPECT_TRUE(shadedWith(20));
    EXPECT_NE(rtf_.find("\\trhdr"), std::string::npos);
    EXPECT_NE(rtf_.find("\\fs19"), std::string::npos);
    EXPECT_NE(rtf_.find("{\\b\\cf8 Disorder}"), std::string::npos);
    EXPECT_NE(rtf_.find("\\brdrs\\brdrw10"), std::string::npos);
}

TEST_F(RtfDocumentTest, ReliabilityTableHoldsTheOmegaTexts) {
    EXPECT_EQ(RowStartingWith("Reliability Measure"),
              (std::vector<std::string>{"Reliability Measure\n(Omega Statistic)", "Omega Cutoff",
                                        "Self Report Omega", "Parent Report Omega", "Teacher Report Omega",
                                        "Reliability Attained", "Comments on Reliability"}));
    const std::vector<std::string> values = RowStartingWith("Range: -1 to +1");
    ASSERT_EQ(values.size(), 7u);
    EXPECT_EQ(values[1], ">0.07");
    EXPECT_EQ(values[2], " 0.54");
    EXPECT_EQ(values[5], "YES");
    EXPECT_EQ(values[6].rfind("The Self-report was above the Omega cutoff.", 0), 0u);
}

TEST_F(RtfDocumentTest, ChunksFollowTheBlocksAndStayBelowTheLimit) {
    // Preamble, title, outline, heading, details, table heading, 8 groups, 23 rows, count,
    // reliability, comments, the items to follow up (none here) and the end.
    EXPECT_EQ(chunks_.size(), 6u + 8u + 23u + 1u + 1u + 1u + 1u + 1u);
    for (const std::string& chunk : chunks_) {
        EXPECT_LT(chunk.size(), kRtfChunkLimit);
        EXPECT_EQ(chunk.substr(chunk.size() - 2), "\r\n");
    }
}

// The document ends with the items to follow up: a row each, in the reporter's wording, or
// "None endorsed".
TEST_F(RtfDocumentTest, EndsWithTheItemsToFollowUp) {
    const std::string text = VisibleText(rtf_);
    const std::string tail = text.substr(text.rfind("Items to follow up"));
    EXPECT_NE(tail.find("These items are listed whenever a reporter endorses them"), std::string::npos);
    EXPECT_NE(tail.find("None endorsed"), std::string::npos);

    ReportSet reports = reports_test::FullAnalysis();
    reports.Record(kParent) = testsupport::RecordBuilder(reports.Record(kParent)).Answers({{82, 2}});
    reports.Record(kTeacher) = testsupport::RecordBuilder(reports.Record(kTeacher)).Answers({{2, 3}});
    const std::vector<std::string> chunks = BuildRtfReport(PrepareRtfReportTexts(reports));
    EXPECT_EQ(chunks.size(), chunks_.size() + 2u);
    const auto rows = TableRows(Whole(chunks));
    ASSERT_GE(rows.size(), 3u);
    EXPECT_EQ(rows[rows.size() - 3], (std::vector<std::string>{"Item", "Reporter", "Answer", "Wording"}));
    EXPECT_EQ(rows[rows.size() - 2],
              (std::vector<std::string>{"2", "Teacher", "Regularly", ItemCatalogue::Wording(kTeacher, 2)}));
    EXPECT_EQ(rows.back(),
              (std::vector<std::string>{"82", "Parent", "Sometimes", ItemCatalogue::Wording(kParent, 82)}));
}

TEST(RtfDocument, TeacherOnlyReportShowsTheTeachersObserverAndEmptyOtherCells) {
    const std::string rtf = Whole(BuildRtfReport(PrepareRtfReportTexts(reports_test::TeacherOnlyAnalysis())));
    const auto rows = TableRows(rtf);
    const auto find = [&](const std::string& label) {
        for (const auto& row : rows) {
            if (!row.empty() && row[0] == label) return row;
        }
        return std::vector<std::string>{};
    };
    EXPECT_EQ(find("Parent:"), (std::vector<std::string>{"Parent:", "", "Completion Date:", "02 May 2024"}));
    EXPECT_EQ(find("Teacher:"), (std::vector<std::string>{"Teacher:", "Ms Park", "School Year:", "K"}));
    const std::vector<std::string> anorexia = find("Anorexia nervosa");
    ASSERT_EQ(anorexia.size(), 7u);
    EXPECT_EQ(anorexia[2], "");
    EXPECT_EQ(anorexia[3], "");
    EXPECT_EQ(anorexia[4], "Not Assessed in the TRF");
    EXPECT_TRUE(reports_test::GroupsBalanced(rtf));
}

TEST(RtfDocument, HostileTextsCannotBreakTheDocument) {
    ReportSet set;
    set.Record(kSelf) = reports_test::PersonRecord(kSelf, "}}}\\par{", "{\\*\\x}}");
    set.Record(kSelf).SetObserverComment("}\\rtf1{\\field }}}");
    const std::string rtf = Whole(BuildRtfReport(PrepareRtfReportTexts(set)));
    EXPECT_TRUE(reports_test::GroupsBalanced(rtf));
    EXPECT_NE(VisibleText(rtf).find("}}}\\par{ {\\*\\x}}"), std::string::npos);
    EXPECT_NE(VisibleText(rtf).find("[Self: }\\rtf1{\\field }}}]"), std::string::npos);
}

}  // namespace
}  // namespace orva
