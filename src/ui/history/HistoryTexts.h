#pragma once

// Fixed texts of the Person History command: its selection dialog and the history window.
namespace orva::texts::history {

// The selection dialog: the Analysis dialog's fields, with its own caption and confirm button.
inline constexpr const char* kSelectionCaption = "Select Person for History";
inline constexpr const char* kSelectionHeading =
    "Please enter the details of the person whose ORVA history you wish to see.";
inline constexpr const char* kListInstruction =
    "Every ORVA record of this person in the file is shown in the history:";
inline constexpr const char* kShowHistory = "Show History";
inline constexpr const char* kNotLoadedCaption = "No Records Loaded";
inline constexpr const char* kNotLoaded =
    "No records of this person have been loaded.\n\nEnter the name, date of birth and file to search\nthen click "
    "the 'Load/Reload Matching ORVA Records' button.";

// The history window.
inline constexpr const char* kCaption = "Person History";
// "ALEX CITIZEN, born 15/03/2012: 6 assessments".
inline constexpr const char* kHeading = "%1, born %2: %3 assessments";
inline constexpr const char* kDateFormat = "%1/%2/%3";  // day, month, year
inline constexpr const char* kNoDate = "No date";
inline constexpr const char* kReportNames[3] = {"Self-report", "Parent-report", "Teacher-report"};
inline constexpr const char* kAssessmentBy = "Assessment by: ";
inline constexpr const char* kItemsMet = "Items met: ";
inline constexpr const char* kCutoff = "Positive screen cutoff: ";
inline constexpr const char* kCountsOpen = " (";
inline constexpr const char* kCountsJoin = " / ";
inline constexpr const char* kCountsClose = ")";
inline constexpr const char* kInstruction =
    "To open the ordinary analysis of one assessment, select the columns of one completion date (at most one "
    "Self-report, one Parent-report and one Teacher-report; Ctrl+click adds a column) and click Open Analysis.";
inline constexpr const char* kOpenAnalysis = "&Open Analysis";
inline constexpr const char* kClose = "Close";

// Refusals of the columns chosen to open as an analysis.
inline constexpr const char* kNoColumnCaption = "No Assessment Chosen";
inline constexpr const char* kNoColumn =
    "Please select the columns of the assessments to analyse: all of one completion date, and at most one "
    "Self-report, one Parent-report and one Teacher-report.";
inline constexpr const char* kMixedDatesCaption = "Different Completion Dates";
inline constexpr const char* kMixedDates =
    "The assessments you have selected were completed on different dates.\n\nAn analysis combines the reports "
    "of one completion date: please select columns of one date only.";

}  // namespace orva::texts::history
