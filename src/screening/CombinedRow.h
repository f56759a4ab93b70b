// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>

#include "screening/DisorderId.h"
#include "screening/ReportSet.h"
#include "screening/ScreeningResult.h"

namespace orva {

// One reporter's part of a combined row.
struct ReporterScore {
    bool present = false;     // the slot is not empty
    ScreeningResult result;   // its items-met list is emptied when the result is not positive
    bool notAssessed = false; // a present Teacher report on a row teachers are not asked

    bool operator==(const ReporterScore&) const = default;
};

// One row's three reporter results, before any text is made of them.
struct CombinedRow {
    DisorderId id = DisorderId::GAD;
    std::array<ReporterScore, kReportSlots> reporters;  // Self, Parent, Teacher
    bool cutoffAttained = false;                        // a present reporter screens positive

    bool operator==(const CombinedRow&) const = default;
};

CombinedRow CombineRow(const ReportSet& reports, DisorderId id);

}  // namespace orva
