#pragma once

#include <string>

#include "model/AssessmentRecord.h"
#include "screening/ReportSet.h"

namespace orva {

inline constexpr double kDifferenceWeight = 0.2;
inline constexpr int kMinimumOmegaPairs = 4;            // fewer answered pairs give no Omega
inline constexpr double kOmegaCutoffTest = 0.06500001;  // "0.07 or more" after rounding

struct OmegaResult {
    std::string text;  // "%5.2f" of the rounded value, or "---"
    bool reliable = false;

    bool operator==(const OmegaResult&) const = default;
};

void ClearReliability(AssessmentRecord& record);
// Adds one repeated pair; answers outside 0..5 (blank included) leave the pair out.
void AddReliabilityPair(AssessmentRecord& record, int a, int b);
// Clears the record's accumulators, adds its seven pairs and evaluates them.
OmegaResult ComputeOmega(AssessmentRecord& record);

// "YES" when a present report is reliable, "NO" when none is, empty without reports.
std::string ReliabilityAttained(const ReportSet& reports);
// One sentence per present report (Self, Parent, Teacher), joined by three blanks.
std::string ReliabilityComment(const ReportSet& reports);
// The Omega cell of one slot: a single blank for an empty slot, else the Omega text.
std::string OmegaCellText(const ReportSet& reports, int slot);

}  // namespace orva
