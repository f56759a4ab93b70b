#pragma once

// Fixed texts of the two record selection dialogs, as the product documents word them. The
// refusals of a choice ("No Selection", "Multiple ... Assessments") come with the screening
// layer's classification, and the load messages with the record store.
namespace orva::texts::selection {

inline constexpr const char* kAnalysisCaption = "Select ORVA Response for Analysis";
inline constexpr const char* kEditCaption = "Select ORVA Response to Edit";
inline constexpr const char* kAnalysisHeading =
    "Please enter the details of the ORVA Questionnaire Response you wish to analyse.";
inline constexpr const char* kEditHeading =
    "Please enter the details of the ORVA Questionnaire Response you wish to edit.";

inline constexpr const char* kFirstName = "First Name:";
inline constexpr const char* kLastName = "Last Name:";
inline constexpr const char* kDateOfBirth = "Date of Birth:";
inline constexpr const char* kDay = "Day";
inline constexpr const char* kMonth = "Month";
inline constexpr const char* kYear = "Year";
inline constexpr const char* kDateSeparator = "/";
inline constexpr const char* kFromDataFile = "From the data file:";
inline constexpr const char* kRecordSuffix = ".rpc";
inline constexpr const char* kBrowse = "Browse ...";
inline constexpr const char* kBrowseFilter = "ORVA Files (*.rpc)";

inline constexpr const char* kNoteGroup = "Note";
inline constexpr const char* kPrivacyNote =
    "For data privacy reasons a lookup facility has not been provided.";
inline constexpr const char* kFeedbackInvitation =
    "Your suggestions help us improve ORVA.\nPlease send your feedback to Kelbrin at ";

inline constexpr const char* kSelectGroup = "Select";
inline constexpr const char* kLoadButton = "Load/Reload Matching ORVA Records";
inline constexpr const char* kSelectInstruction =
    "Select a Self-report, Parent-report and/or Teacher-report from the list of Matching ORVA Records:";

// The list's name for a screen reader, and what is said when a load has filled it.
inline constexpr const char* kMatchingRecords = "Matching ORVA Records";
inline constexpr const char* kMatchingRecordsFound = "Matching ORVA Records found: %1";

inline constexpr const char* kAnalyse = "Analyse";
inline constexpr const char* kEdit = "Edit";
inline constexpr const char* kCancel = "Cancel";

inline constexpr const char* kEditMethodQuestion = "How would you like to\nedit the ORVA response?";
inline constexpr const char* kCompleteOnScreen = "Complete On-Screen";
inline constexpr const char* kEnterResponses = "Enter Responses";

// A list entry: "Saved: " date-time, three blanks, the reporter label, and for a Parent or
// Teacher report the observer.
inline constexpr const char* kSavedPrefix = "Saved: ";
inline constexpr const char* kLabelGap = "   ";
inline constexpr const char* kAssessmentBy = " Assessment by: ";

inline constexpr const char* kChangedCriteriaCaption = "Changed Selection Criteria";
inline constexpr const char* kChangedCriteria =
    "Warning:  You have changed the selection criteria for the list of ORVA responses but have not reloaded "
    "the "
    "list.";
inline constexpr const char* kContinue = "Continue";

}  // namespace orva::texts::selection
