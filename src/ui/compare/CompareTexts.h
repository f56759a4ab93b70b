#pragma once

// Fixed texts of the Compare Reporters window.
namespace orva::texts::compare {

inline constexpr const char* kCaption = "Compare Reporters";
// Followed by the young person's name.
inline constexpr const char* kHeadingPrefix = "Where the reporters agree and disagree: ";

// The reporters' answer columns: Self, Parent, Teacher.
inline constexpr const char* kReportNames[3] = {"Self-report", "Parent-report", "Teacher-report"};

// Table headings.
inline constexpr const char* kItemHeading = "Item";
inline constexpr const char* kWordingHeading = "Wording (Parent and Teacher)";
inline constexpr const char* kRowsHeading = "Screening rows";
inline constexpr const char* kCountedHeading = "Counted towards a positive screen";
inline constexpr const char* kDisagreementHeading = "2+ points apart";

// Cells; the answers, the row ids and the agreement figures are the screening layer's texts.
inline constexpr const char* kDisagreement = "Yes";
inline constexpr const char* kOtherWordingPrefix = "Parent- and Teacher-report: ";
inline constexpr const char* kSelfWordingPrefix = "Self-report: ";
inline constexpr const char* kCountedPrefix = "Counted towards a positive screen: ";
inline constexpr const char* kReporterSeparator = ": ";
inline constexpr const char* kGroupSeparator = "; ";

// The filter.
inline constexpr const char* kShow = "&Show:";
inline constexpr const char* kShowAll = "All items";
inline constexpr const char* kShowDisagreements = "Disagreements only (answers 2 or more points apart)";
inline constexpr const char* kShowPositiveRows = "Items of rows that screened positive";
inline constexpr const char* kShowFollowUp = "Items to follow up that a reporter endorsed";
inline constexpr const char* kShowRowPrefix = "Items of one row: ";
// "%1 of 111 items shown".
inline constexpr const char* kShownCount = "%1 of %2 items shown";

// The agreement of each pair of reporters.
inline constexpr const char* kAgreementGroup = "Agreement between reporters";
inline constexpr const char* kPairHeading = "Reporters";
inline constexpr const char* kBothAnsweredHeading = "Items both answered";
inline constexpr const char* kIdenticalHeading = "Answered identically";
inline constexpr const char* kCorrelationHeading = "Correlation r";

inline constexpr const char* kClose = "Close";

}  // namespace orva::texts::compare
