#pragma once

#include <array>
#include <string>
#include <vector>

#include "screening/AnalysisResult.h"
#include "screening/CombinedRow.h"
#include "screening/ItemList.h"
#include "screening/Omega.h"

// The texts of an analysis, made from its numbers in this one place for the analysis form,
// the reports and orva-cli alike.
namespace orva {

// The brackets around each reporter's items-met list: Self, Parent, Teacher.
struct ItemsMetBrackets {
    std::array<char, kReportSlots> open;
    std::array<char, kReportSlots> close;
};
// As the column heading of the analysis grid shows them.
inline constexpr ItemsMetBrackets kGridBrackets = {{'[', '(', '{'}, {']', ')', '}'}};

// A reporter's score, one line per count in cutoff-label order; "Not Assessed in the TRF" as
// the only line of a row teachers are not asked; no line for an absent reporter. Unused lines
// are empty.
std::array<std::string, kMaxCounts> ScoreLines(const ReporterScore& score);
// The same lines joined by line breaks: "", "3", "1\n3", "Not Assessed in the TRF".
std::string ScoreText(const ReporterScore& score);
// "YES" or "NO".
const char* CutoffAttainedText(const CombinedRow& row);
// "1, 14, 23".
std::string ItemListText(const ItemList& items);
// The lists of the reporters that have one, each in its brackets, joined by "; ":
// "[self]; (parent); {teacher}".
std::string ItemsMetText(const CombinedRow& row, const ItemsMetBrackets& brackets = kGridBrackets);

// The number of rows a reporter screens positive on, or empty for an absent reporter.
std::string PositiveScreensText(const AnalysisResult& analysis, int slot);

// "%5.2f" of the value (" 0.57", "-1.00"), or "---" without enough pairs; the same whatever
// the C library's number format.
std::string OmegaText(const OmegaResult& omega);
// The Omega cell of the analysis grid: a single blank for an absent reporter.
std::string OmegaCellText(const AnalysisResult& analysis, int slot);
// "YES" when a present report is reliable, "NO" when none is, empty without reports.
std::string ReliabilityAttainedText(const AnalysisResult& analysis);
// One sentence per present report (Self, Parent, Teacher), joined by three blanks.
std::string ReliabilityCommentText(const AnalysisResult& analysis);

// One item to follow up as every output shows it: "82", "Parent", "Often" and the item's
// wording for that reporter (Windows-1252, as the catalogue holds it).
struct FollowUpTexts {
    std::string item;
    std::string reporter;
    std::string answer;
    std::string wording;

    bool operator==(const FollowUpTexts&) const = default;
};
// In the order of the analysis's list; empty when no reporter endorsed any of the items.
std::vector<FollowUpTexts> FollowUpRows(const AnalysisResult& analysis);

}  // namespace orva
