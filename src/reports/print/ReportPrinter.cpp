#include "reports/print/ReportPrinter.h"

#include <utility>

#include "reports/print/DefinitionPages.h"
#include "reports/print/DetailsBlock.h"
#include "reports/print/DryRunCanvas.h"
#include "reports/print/FollowUpSection.h"
#include "reports/print/PrintPage.h"
#include "reports/print/PrintString.h"
#include "reports/print/PrintTexts.h"
#include "reports/print/ResultsTable.h"

namespace orva {

namespace {

constexpr double kLeft = 0.5;
constexpr double kOutlineRight = 7.4;
constexpr double kFooterRight = 7.75;
constexpr double kCommentsRight = 7.65;
constexpr double kFooterTop = 10.2;
constexpr double kCommentsGap = 0.2;
constexpr double kParagraphGap = 0.08;
constexpr double kCommentSize = 9;
constexpr int kReportPages = 8;
// The ninth page starts its list where the table pages start their table.
constexpr double kFollowUpPageTop = 0.8;

void DrawTitlePage(PrintPage& page, const PrintImages& images) {
    page.PrintText(1.0, 0, kPrintBold | kPrintUnderline | kPrintAlignCenter, 12,
                   QString::fromLatin1(texts::print::kStrictlyConfidential));
    page.PrintBitmap(1.9, 2.81, 4.155, 5.14, images.logo);
    page.PrintBitmap(4.8, 0.77, 6.11, 7.27, images.reportForm);
}

void DrawOutline(PrintPage& page) {
    page.PrintBox(0, kLeft, 3.0, kOutlineRight, Border::None);
    double row = page.PrintText(0, kLeft, kPrintBold, 11, QString::fromLatin1(texts::print::kOutlineHeading));
    for (const char* paragraph : texts::print::kOutlineParagraphs) {
        row = page.PrintText(row + 2 * kParagraphGap, kLeft, 0, 10, QString::fromLatin1(paragraph));
    }
    page.PrintBox(2.5, kLeft, 2.8, kOutlineRight, Border::None);
    page.PrintText(2.5, kLeft, kPrintBold | kPrintAlignCenter | kPrintVCenter, 12,
                   QString::fromLatin1(texts::print::kResultsHeading));
}

// Below the reliability table, each present reporter's comment in its own paragraph; returns
// the row below the last.
double DrawComments(PrintPage& page, const PersonDetailTexts& details, double row) {
    page.PrintBox(row, kLeft, kFooterTop, kCommentsRight, Border::None);
    row = page.PrintText(row + kCommentsGap, kLeft, kPrintBold, 10,
                         QString::fromLatin1(texts::print::kCommentsHeading));
    for (const std::string& comment : details.comments) {
        if (comment.empty()) continue;
        row = page.PrintText(row + kParagraphGap, kLeft, 0, kCommentSize, FromCp1252(comment));
    }
    return row;
}

void DrawFooter(PrintPage& page, int pageNumber) {
    page.PrintBox(kFooterTop, kLeft, 10.4, kFooterRight, Border::None);
    page.PrintText(kFooterTop, kLeft, kPrintAlignCenter | kPrintSingleLine, 8,
                   QString::fromLatin1(texts::print::kFooter));
    page.PrintLine(10.4, kLeft, 10.4, kFooterRight, 1);
    page.PrintBox(10.45, kLeft, 10.7, kFooterRight, Border::None);
    page.PrintText(10.45, kLeft, kPrintAlignCenter | kPrintSingleLine, 8, QString::number(pageNumber));
}

}  // namespace

ReportPrinter::ReportPrinter(const ReportSet& reports, PrintImages images)
    : ReportPrinter(reports, ComputeAnalysis(reports), std::move(images)) {}

ReportPrinter::ReportPrinter(const ReportSet& reports, const AnalysisResult& analysis, PrintImages images)
    : grid_(BuildAnalysisGrid(analysis)),
      details_(PreparePersonDetailTexts(reports)),
      followUp_(FollowUpRows(analysis)),
      images_(std::move(images)) {}

double ReportPrinter::DrawPage5(PrintPage& page) const {
    return DrawComments(page, details_, DrawResultsTablePage(page, grid_, 5));
}

bool ReportPrinter::FollowUpFitsPage5(const PageCanvas& canvas) const {
    DryRunCanvas dryRun(canvas);
    PrintPage page(dryRun);
    return DrawFollowUpSection(page, DrawPage5(page), kFooterTop, followUp_) <= kFooterTop;
}

int ReportPrinter::PageCount(const PageCanvas& canvas) const {
    return FollowUpFitsPage5(canvas) ? kReportPages : kFollowUpPage;
}

void ReportPrinter::DrawPage(int pageNumber, PageCanvas& canvas) const {
    if (pageNumber < 1 || pageNumber > kMaxPageCount) return;
    if (pageNumber == kFollowUpPage && FollowUpFitsPage5(canvas)) return;
    PrintPage page(canvas);
    switch (pageNumber) {
        case 1:
            DrawTitlePage(page, images_);
            return;
        case 2:
            DrawOutline(page);
            DrawDetailsBlock(page, details_);
            DrawResultsTablePage(page, grid_, pageNumber);
            break;
        case 3:
        case 4:
            DrawResultsTablePage(page, grid_, pageNumber);
            break;
        case 5: {
            const double row = DrawPage5(page);
            if (FollowUpFitsPage5(canvas)) DrawFollowUpSection(page, row, kFooterTop, followUp_);
            break;
        }
        case 6:
        case 7:
            DrawDefinitionPage(page, pageNumber);
            return;
        case 8:
            DrawGuidelinesPage(page);
            return;
        default:
            DrawFollowUpSection(page, kFollowUpPageTop, kFooterTop, followUp_);
            break;
    }
    DrawFooter(page, pageNumber);
}

}  // namespace orva
