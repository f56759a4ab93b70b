#pragma once

#include <vector>

#include "reports/PersonDetailTexts.h"
#include "reports/print/PageCanvas.h"
#include "reports/print/PrintImages.h"
#include "screening/AnalysisGrid.h"
#include "screening/ReportSet.h"
#include "screening/ScreeningPresentation.h"

namespace orva {

class PrintPage;

// The pages of the printed report of one analysis. Built for one print job, it takes the cells
// from the analysis grid, the person's details from the report texts and the items to follow up
// from the screening presentation, so paper, screen and the other reports always agree.
//
// The items to follow up stand below the comments on page 5 when they fit there; otherwise a
// ninth page holds them, so the eight pages keep their layout.
class ReportPrinter {
  public:
    static constexpr int kFollowUpPage = 9;
    static constexpr int kMaxPageCount = kFollowUpPage;

    ReportPrinter(const ReportSet& reports, PrintImages images);

    // 8, or 9 when the items to follow up do not fit on page 5 as `canvas` measures them.
    int PageCount(const PageCanvas& canvas) const;
    // Draws a page of the report from scratch; any other number, and page 9 when the items to
    // follow up fit on page 5, draws nothing.
    void DrawPage(int pageNumber, PageCanvas& canvas) const;

  private:
    ReportPrinter(const ReportSet& reports, const AnalysisResult& analysis, PrintImages images);
    bool FollowUpFitsPage5(const PageCanvas& canvas) const;
    // Page 5's results, reliability table and comments; returns the row below the comments.
    double DrawPage5(PrintPage& page) const;

    AnalysisGrid grid_;
    PersonDetailTexts details_;
    std::vector<FollowUpTexts> followUp_;
    PrintImages images_;
};

}  // namespace orva
