#pragma once

#include <array>
#include <vector>

#include "screening/CombinedRow.h"
#include "screening/DisorderId.h"
#include "screening/FollowUpItems.h"
#include "screening/Omega.h"
#include "screening/ReportSet.h"

namespace orva {

// An analysis computed once from its report set, so that the form, the reports and orva-cli
// show, count and print the same result without screening again.
struct AnalysisResult {
    std::array<bool, kReportSlots> present{};           // Self, Parent, Teacher
    std::array<CombinedRow, kDisorderCount> rows{};     // in report order
    std::array<int, kReportSlots> positiveScreens{};    // rows a present reporter screens positive on
    std::array<OmegaResult, kReportSlots> omega{};      // of each present reporter; empty otherwise
    bool reliabilityAttained = false;                   // a present report meets the Omega cutoff
    std::vector<FollowUpItem> followUp;                 // endorsed items to follow up

    bool AnyPresent() const { return present[kSelf] || present[kParent] || present[kTeacher]; }
    const CombinedRow& Row(DisorderId id) const { return rows[RowIndex(id)]; }

    bool operator==(const AnalysisResult&) const = default;
};

AnalysisResult ComputeAnalysis(const ReportSet& reports);

}  // namespace orva
