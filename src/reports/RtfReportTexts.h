#pragma once

#include <array>
#include <string>
#include <vector>

#include "reports/PersonDetailTexts.h"
#include "screening/AnalysisResult.h"
#include "screening/ScreeningPresentation.h"
#include "screening/ReportSet.h"
#include "screening/ScreeningResult.h"

namespace orva {

inline constexpr int kReportRows = 24;          // the 23 disorder rows, then the positive-screen count
inline constexpr int kPositiveScreensRow = 23;  // 0-based index of the count row

// One row of the results table: each reporter's value lines, the "Cutoff Attained" text and
// the items-met text.
struct ReportRowTexts {
    std::array<std::array<std::string, kMaxCounts>, kReportSlots> values;  // [Self, Parent, Teacher][line]
    std::string cutoffAttained;
    std::string itemsMet;

    bool operator==(const ReportRowTexts&) const = default;
};

// Every variable text of the RTF report, ready to be inserted: the person's details and the
// comments are escaped for RTF; counts, "YES"/"NO", items-met and Omega texts cannot hold an
// RTF special character and are kept as they are.
struct RtfReportTexts {
    std::array<ReportRowTexts, kReportRows> rows;
    PersonDetailTexts person;
    std::array<std::string, kReportSlots> omega;  // empty for an empty slot
    std::string reliabilityAttained;
    std::string reliabilityComment;
    std::vector<FollowUpTexts> followUp;  // the wordings escaped for RTF

    bool operator==(const RtfReportTexts&) const = default;
};

// The texts of an analysis already computed from the report set; every text it does not set
// is empty.
RtfReportTexts PrepareRtfReportTexts(const ReportSet& reports, const AnalysisResult& analysis);
// The same, analysing the report set once.
RtfReportTexts PrepareRtfReportTexts(const ReportSet& reports);

// The person's details and comments with every text passed through EscapeRtfText.
PersonDetailTexts EscapeForRtf(const PersonDetailTexts& details);

}  // namespace orva
