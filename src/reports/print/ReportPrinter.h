#pragma once

#include "reports/PersonDetailTexts.h"
#include "reports/print/PageCanvas.h"
#include "reports/print/PrintImages.h"
#include "screening/AnalysisGrid.h"
#include "screening/ReportSet.h"

namespace orva {

// The eight pages of the printed report of one analysis. Built for one print job, it takes
// the cells from the analysis grid and the person's details from the report texts, so paper,
// screen and the other reports always agree.
class ReportPrinter {
  public:
    static constexpr int kPageCount = 8;

    ReportPrinter(const ReportSet& reports, PrintImages images);

    // Draws page 1 .. 8 from scratch; any other number draws nothing.
    void DrawPage(int pageNumber, PageCanvas& canvas) const;

  private:
    AnalysisGrid grid_;
    PersonDetailTexts details_;
    PrintImages images_;
};

}  // namespace orva
