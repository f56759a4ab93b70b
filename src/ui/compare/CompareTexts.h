#pragma once

// Fixed texts of the Compare Reporters window.
namespace orva::texts::compare {

inline constexpr const char* kCaption = "Compare Reporters";
// Followed by the young person's name.
inline constexpr const char* kHeadingPrefix = "Where the reporters agree and disagree: ";

// The reporters, Self, Parent, Teacher: as column headings and in the agreement table.
inline constexpr const char* kReportNames[3] = {"Self-report", "Parent-report", "Teacher-report"};
// Before the list of rows an item counted towards, per reporter.
inline constexpr const char* kReporterShortNames[3] = {"Self", "Parent", "Teacher"};

// The screening rows as the table names them, in report order; the full label is the tooltip.
inline constexpr const char* kRowAbbreviations[23] = {
    "GAD", "OCD", "PTSD", "SAD", "ADHD-HI", "ADHD-I", "ADHD-C", "CD",     "ODD",    "ELD",    "MRELD", "PD",
    "DD",  "AN",  "BN",   "DWE", "MD",      "RD",     "AsD",    "AD",     "TicD-M", "TicD-V", "TD",
};

// Table headings.
inline constexpr const char* kItemHeading = "Item";
inline constexpr const char* kWordingHeading = "Wording (Parent and Teacher)";
inline constexpr const char* kRowsHeading = "Screening rows";
inline constexpr const char* kCountedHeading = "Counted towards a positive screen";
inline constexpr const char* kDisagreementHeading = "2+ points apart";

// Cells.
inline constexpr const char* kNotAskedOfTeacher = "Not asked of teachers";
inline constexpr const char* kDisagreement = "Yes";
inline constexpr const char* kOtherWordingPrefix = "Parent- and Teacher-report: ";
inline constexpr const char* kSelfWordingPrefix = "Self-report: ";
inline constexpr const char* kCountedPrefix = "Counted towards a positive screen: ";
inline constexpr const char* kReporterSeparator = ": ";
inline constexpr const char* kListSeparator = ", ";
inline constexpr const char* kGroupSeparator = "; ";

// The filter.
inline constexpr const char* kShow = "&Show:";
inline constexpr const char* kShowAll = "All items";
inline constexpr const char* kShowDisagreements = "Disagreements only (answers 2 or more points apart)";
inline constexpr const char* kShowPositiveRows = "Items of rows that screened positive";
inline constexpr const char* kShowRowPrefix = "Items of one row: ";
// "%1 of 111 items shown".
inline constexpr const char* kShownCount = "%1 of %2 items shown";

// The agreement of each pair of reporters.
inline constexpr const char* kAgreementGroup = "Agreement between reporters";
inline constexpr const char* kPairHeading = "Reporters";
inline constexpr const char* kBothAnsweredHeading = "Items both answered";
inline constexpr const char* kIdenticalHeading = "Answered identically";
inline constexpr const char* kCorrelationHeading = "Correlation r";
inline constexpr const char* kPairJoin = " and ";
inline constexpr const char* kNoValue = "\u2014";
inline constexpr const char* kAgreementNote =
    "Only items both reporters answered count. \"Answered identically\" is the share of them given the same "
    "answer. r is the Pearson correlation of the two reporters' answers (0 to 5) over those items: +1 when "
    "their answers rise and fall together, 0 when they are unrelated, -1 when they run opposite. "
    "\u2014 means it cannot be worked out: fewer than three items, or one reporter gave the same answer to all. "
    "These figures describe this assessment only; they are not a statistical test.";

inline constexpr const char* kClose = "Close";

}  // namespace orva::texts::compare
