#pragma once

#include <array>
#include <string>

#include "screening/DisorderId.h"
#include "screening/ReportSet.h"
#include "screening/ScreeningResult.h"

namespace orva {

// One reporter's part of a combined row.
struct ReporterScore {
    bool present = false;    // the slot is not empty
    ScreeningResult result;  // its items-met list is emptied when the result is not positive
    std::string scoreText;   // empty, "Not Assessed in the TRF", or the counts one per line
    bool shaded = false;     // the result is positive
};

// One row's three reporter results as the grid and the reports show them.
struct CombinedRow {
    DisorderId id = DisorderId::GAD;
    std::array<ReporterScore, kReportSlots> reporters;  // Self, Parent, Teacher
    std::string cutoffAttained;                         // "YES" or "NO"
    bool cutoffShaded = false;                          // "YES"
    std::string itemsMet;  // "[self]; (parent); {teacher}" of the positive reporters
};

CombinedRow CombineRow(const ReportSet& reports, DisorderId id);

// The number of positive rows of one reporter as "%i", or empty when its slot is empty.
std::string CountPositiveScreens(const ReportSet& reports, int slot);

}  // namespace orva
