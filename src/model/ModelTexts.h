// SPDX-License-Identifier: Apache-2.0
#pragma once

// Fixed texts of the assessment data model, as the product documents word them.
namespace orva::texts {

inline constexpr const char* kLeadInSelf = "";
inline constexpr const char* kLeadInParent = "My child:";
inline constexpr const char* kLeadInTeacher = "This student:";
inline constexpr const char* kNotInTeacherReport = "(this item is not included in the ORVA Teacher-report)";

inline constexpr const char* kAnswerLabels[6] = {"Never", "Rarely", "Sometimes", "Regularly", "Often", "Very Often"};
inline constexpr const char* kNoResponse = "No Response";

inline constexpr const char* kMale = "Male";
inline constexpr const char* kFemale = "Female";
inline constexpr const char* kOther = "Other";
inline constexpr const char* kNotSpecified = "Not Specified";

inline constexpr const char* kSelfAssessment = "Self Assessment";
inline constexpr const char* kParent = "Parent";
inline constexpr const char* kTeacher = "Teacher";
inline constexpr const char* kSelf = "Self";

// Field rules of the details pages and the selection dialogs.
inline constexpr const char* kMandatoryField = "Mandatory Field";
inline constexpr const char* kIncorrectDate = "Incorrect Date";
inline constexpr const char* kNamesMandatory = "'First Name' and 'Last Name' are mandatory.";
inline constexpr const char* kBirthDateMandatory = "'Date Of Birth' is mandatory.";
inline constexpr const char* kBirthDateIncorrect =
    "The 'Date Of Birth' is not correct.\n\nThe date must have a valid day for the month,\nand have a four digit "
    "year greater than 1900.";
inline constexpr const char* kAtLeastOneYearOld = "The person must be at least one year old";
inline constexpr const char* kCompletionMandatory = "'Date Of Completion' is mandatory.";
inline constexpr const char* kCompletionIncorrect =
    "The 'Date Of Completion' is not correct.\n\nThe date must have a valid day for the month,\nand have a four "
    "digit year greater than 1900.";
inline constexpr const char* kCompletionWindow =
    "The date of completion cannot be a future date\nand cannot be more than two years ago";
inline constexpr const char* kAgeAtCompletion =
    "The person must be aged at least 1 and at most 17 at the date of completion";
inline constexpr const char* kSelectionAgeOneOrMore = "The age of the person must be 1 or more";

inline constexpr const char* kSchoolYearCaption = "School Year Not Valid";
inline constexpr const char* kSchoolYearMessage =
    "You have not entered a valid value for School Year.\n\nPlease enter one of the following:\n\nK, P, R, 1, 2, 3, "
    "4, 5, 6, 7, 8, 9, 10, 11, 12";

inline constexpr const char* kMonthNames[12] = {" January ", " February ", " March ",     " April ",
                                                 " May ",     " June ",     " July ",      " August ",
                                                 " September ", " October ", " November ", " December "};

}  // namespace orva::texts
