// SPDX-License-Identifier: Apache-2.0
// The report as a PDF document: drawn by the real painter without a display (the tests' main
// makes the offscreen application) and read back with pdftotext. Writing it is the output
// writer's (OutputFileTest).
#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <QPdfWriter>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "reports/support/ReportsTestSupport.h"
#include "reports/print/PdfInformation.h"
#include "reports/print/PdfReport.h"
#include "reports/print/PrintImages.h"
#include "reports/print/PrintError.h"
#include "reports/print/support/PrintTestSupport.h"
#include "reports/print/ReportRendering.h"

namespace orva {
namespace {

using reports_test::CommandOutput;
using testsupport::TempFolder;

std::string PdfText(const std::string& path) { return CommandOutput("pdftotext -layout '" + path + "' -"); }

// pdftotext ends every page with a form feed.
long Pages(const std::string& text) {
    return std::count(text.begin(), text.end(), '\f');
}

// Draws the report and writes the document to `path`.
void WritePdf(const ReportSet& reports, const std::string& path) {
    std::string pdf;
    ASSERT_TRUE(RenderPdfReport(reports, pdf).Ok());
    testsupport::WriteFile(path, pdf);
}

// With ORVA_SNAPSHOT_DIR set, a copy of each written PDF is kept there to be looked at.
void KeepSnapshot(const std::string& path, const std::string& name) {
    if (const char* dir = std::getenv("ORVA_SNAPSHOT_DIR")) {
        std::filesystem::copy_file(path, std::string(dir) + "/" + name,
                                   std::filesystem::copy_options::overwrite_existing);
    }
}

TEST(PdfReport, DrawsEightPages_WithTheKeyTexts_WithoutADisplay) {
    TempFolder folder;
    const std::string path = folder.Path("report.pdf");
    WritePdf(reports_test::FullAnalysis(), path);
    KeepSnapshot(path, "print-full.pdf");

    const std::string text = PdfText(path);
    EXPECT_EQ(Pages(text), 8);
    for (const char* expected :
         {"Strictly Confidential", "BRIEF OUTLINE OF THE ORVA", "ORVA RESULTS", "O'Brien {Jr}",
          "ANXIETY DISORDERS", "Assessed", "TIC DISORDERS", ">=0.07",
          "Comments:", "[Self: Feels C:\\worried\\ most days]", "Items to follow up", "None endorsed",
          "Child and Adolescent Orvantis Report Form", "BRIEF DEFINITIONS FOR EACH DISORDER",
          "Definitions (continued)", "ORVA Report Interpretation Guidelines"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
}

// File managers show a PDF's properties: they name the report, never the person.
TEST(PdfReport, Properties_NameTheReportAndItsDate_NeverThePerson) {
    TempFolder folder;
    const std::string path = folder.Path("report.pdf");
    WritePdf(reports_test::FullAnalysis(), path);
    const std::string info = CommandOutput("pdfinfo '" + path + "' 2>&1");
    for (const char* expected : {"Title:           ORVA Report\n", "Author:          ORVA\n",
                                 "Subject:         Confidential\n", "Creator:         ORVA\n", "CreationDate:    ",
                                 "Pages:           8\n"})
        EXPECT_NE(info.find(expected), std::string::npos) << expected << " in\n" << info;
    EXPECT_EQ(info.find("Error"), std::string::npos) << info;
    EXPECT_EQ(info.find(reports_test::FullAnalysis().Record(kSelf).GetLastName()), std::string::npos) << info;
    EXPECT_EQ(Pages(PdfText(path)), 8);
}

TEST(PdfInformation, IsAnUpdateThatExtendsTheTableAndTrailerBeforeIt) {
    const std::string original =
        "%PDF-1.4\n1 0 obj\n<< /Type /Catalog >>\nendobj\nxref\n0 2\n0000000000 65535 f \n"
        "0000000009 00000 n \ntrailer\n<<\n/Size 2\n/Root 1 0 R\n>>\nstartxref\n44\n%%EOF\n";
    std::string pdf = original;
    ASSERT_TRUE(AppendPdfInformation(pdf, {"A (b) \\ c", "ORVA", "Confidential", "ORVA", "D:20261207101500Z"}));
    ASSERT_EQ(pdf.substr(0, original.size()), original);
    const std::string update = pdf.substr(original.size());
    const std::size_t xref = original.size() + update.find("xref\n");
    char entry[32];
    std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", original.size());
    EXPECT_EQ(update,
              "2 0 obj\n<<\n/Title (A \\(b\\) \\\\ c)\n/Author (ORVA)\n/Subject (Confidential)\n/Creator (ORVA)\n"
              "/CreationDate (D:20261207101500Z)\n>>\nendobj\nxref\n2 1\n" +
                  std::string(entry) +
                  "trailer\n<<\n/Size 3\n/Root 1 0 R\n/Info 2 0 R\n/Prev 44\n>>\nstartxref\n" +
                  std::to_string(xref) + "\n%%EOF\n");
}

TEST(PdfInformation, LeavesAFileWithoutAReadableTrailerAsItWas) {
    for (const std::string broken : {"", "%PDF-1.4\n", "%PDF-1.4\ntrailer\n<< /Root 1 0 R >>\nstartxref\n9\n%%EOF\n",
                                     "%PDF-1.4\ntrailer\n<< /Size 2 /Root 1 0 R >>\nstartxref\n%%EOF\n"}) {
        std::string pdf = broken;
        EXPECT_FALSE(AppendPdfInformation(pdf, {"t", "a", "s", "c", "D:20261207101500Z"})) << broken;
        EXPECT_EQ(pdf, broken);
    }
}

// Every item to follow up endorsed by three reporters does not fit below the comments: a ninth
// page holds them, and the eight pages stay as they are.
// Every item to follow up endorsed by three reporters does not fit below the comments: a ninth
// page holds them, and the eight pages stay as they are.
TEST(PdfReport, LongestAnalysis_PutsTheItemsToFollowUpOnANinthPage_TeacherOnlyDrawsEight) {
    TempFolder folder;
    WritePdf(print_test::LongestAnalysis(), folder.Path("long.pdf"));
    WritePdf(reports_test::TeacherOnlyAnalysis(), folder.Path("teacher.pdf"));
    KeepSnapshot(folder.Path("long.pdf"), "print-longest.pdf");
    KeepSnapshot(folder.Path("teacher.pdf"), "print-teacher.pdf");
    const std::string longest = PdfText(folder.Path("long.pdf"));
    EXPECT_EQ(Pages(longest), 9);
    const std::string ninth = longest.substr(longest.rfind('\f', longest.size() - 2));
    EXPECT_NE(ninth.find("Items to follow up"), std::string::npos);
    EXPECT_NE(ninth.find("Very Often"), std::string::npos);
    EXPECT_EQ(Pages(PdfText(folder.Path("teacher.pdf"))), 8);
}

TEST(RenderReport, DeviceThatCannotBegin_IsReported) {
    TempFolder folder;
    QPdfWriter writer(QString::fromStdString(folder.Path("no/such/folder/report.pdf")));
    EXPECT_EQ(RenderReport(reports_test::FullAnalysis(), writer), PrintError::CannotStart);
}

TEST(PrintImages, TitlePagePictures_ComeFromTheProgramsResources) {
    const PrintImages images = LoadPrintImages();
    EXPECT_EQ(images.logo.size(), QSize(466, 452));
    EXPECT_EQ(images.reportForm.size(), QSize(1300, 262));
}

TEST(PrintImages, PictureLargerThanThePageCouldNeed_IsRefused) {
    TempFolder folder;
    const QString small = QString::fromStdString(folder.Path("small.bmp"));
    const QString huge = QString::fromStdString(folder.Path("huge.bmp"));
    ASSERT_TRUE(QImage(40, 30, QImage::Format_RGB32).save(small, "BMP"));
    ASSERT_TRUE(QImage(4001, 2, QImage::Format_RGB32).save(huge, "BMP"));
    EXPECT_EQ(ReadPrintImage(small).size(), QSize(40, 30));
    EXPECT_TRUE(ReadPrintImage(huge).isNull());
    EXPECT_TRUE(ReadPrintImage(QString::fromStdString(folder.Path("missing.bmp"))).isNull());
}

TEST(RenderReport, ReportFaces_StandForInstalledFacesOfTheSameKind) {
    InstallPrintFontSubstitutes();
    // Qt keeps family names in lower case.
    EXPECT_EQ(QFont::substitute(QStringLiteral("Garamond")), QStringLiteral("eb garamond"));
    EXPECT_EQ(QFont::substitute(QStringLiteral("Times New Roman")), QStringLiteral("liberation serif"));
    EXPECT_EQ(QFont::substitute(QStringLiteral("Arial")), QStringLiteral("liberation sans"));
}

}  // namespace
}  // namespace orva
