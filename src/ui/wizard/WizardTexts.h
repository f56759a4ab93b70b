#pragma once

// Fixed texts of the questionnaire wizards, as the product documents word them (UTF-8).
namespace orva::texts::wizard {

// Captions: "ORVA Page n of m".
inline constexpr const char* kPageCaption = "ORVA Page %1 of %2";
inline constexpr int kOnScreenPageCount = 17;
inline constexpr int kPaperPageCount = 5;

// Wizard buttons, shown "< Back", "Next >", "Finish", "Cancel"; "&" marks the letter that
// Alt with it presses the button, as desktop wizards have it. Escape is Cancel.
inline constexpr const char* kBack = "< &Back";
inline constexpr const char* kNext = "&Next >";
inline constexpr const char* kFinish = "&Finish";
inline constexpr const char* kCancel = "Cancel";

// Cancel query of every questionnaire wizard (Yes / No, No the default).
inline constexpr const char* kCancelCaption = "Cancel Selected";
inline constexpr const char* kCancelText =
    "You have selected to Cancel.\n\nAre you sure you wish to cancel and lose all data you have entered?";

// Record-file field of the first and last page.
inline constexpr const char* kRecordSuffix = ".rpc";
inline constexpr const char* kBrowse = "Browse ...";
inline constexpr const char* kBrowseFilter = "ORVA Files (*.rpc)";
inline constexpr const char* kRecordFileAccessibleName = "ORVA data file";

// Page 1.
inline constexpr const char* kIntroAbout =
    "You are about to enter the responses to the Child and Adolescent Orvantis questionnaire over pages 2 to 17.";
inline constexpr const char* kIntroAfter =
    "After you have completed the ORVA, you will be able to save your responses to an encrypted data file.";
inline constexpr const char* kIntroWhere =
    "Where would you like to save the encrypted data for this Child and Adolescent Orvantis?\n(If you are a "
    "client or patient completing the Child and Adolescent Orvantis, please click 'Next >' on the bottom right "
    "to save to the default file.)";
inline constexpr const char* kFileNote =
    "Note:  Each .rpc file will hold hundreds of ORVA records.  It is recommended that you keep the number of "
    ".rpc files to a minimum.\n\nA window will appear informing you when a .rpc file has reached its capacity "
    "and prompt you to create a new file.";

// Report-type page.
inline constexpr const char* kSelfReport = "ORVA Self-report";
inline constexpr const char* kParentReport = "ORVA Parent-report";
inline constexpr const char* kTeacherReport = "ORVA Teacher-report";
inline constexpr const char* kObserverGroup = "Parent/Teacher Details";
inline constexpr const char* kObserverName = "*Name:";
inline constexpr const char* kObserverRelationship = "Relationship to the person being assessed:";
inline constexpr const char* kObserverContact = "Contact Details:";
inline constexpr const char* kObserverNote =
    "* denotes mandatory field for ORVA Parent-report and ORVA Teacher-report";
inline constexpr const char* kObserverNameMandatory =
    "The 'Name' within the Parent/Teacher Details is mandatory for the\n\n'ORVA Parent-report' and 'ORVA "
    "Teacher-report'.";

// Details page.
inline constexpr const char* kHeadingObserved = "Please provide the details of the person you have been asked to describe";
inline constexpr const char* kHeadingSelf = "Please provide your details";
inline constexpr const char* kFirstName = "*First Name:";
inline constexpr const char* kLastName = "*Last Name:";
inline constexpr const char* kDateOfBirth = "*Date of Birth:";
inline constexpr const char* kDateOfCompletion = "*Date of Completion:";
inline constexpr const char* kDay = "Day";
inline constexpr const char* kMonth = "Month";
inline constexpr const char* kYear = "Year";
inline constexpr const char* kDateSeparator = "/";
inline constexpr const char* kAgeAtCompletion = "Age at Completion:";
inline constexpr const char* kGender = "Gender:";
inline constexpr const char* kMale = "Male";
inline constexpr const char* kFemale = "Female";
inline constexpr const char* kOtherInvisible = "Other - set to invisible";
inline constexpr const char* kStreetAddress = "Street Address:";
inline constexpr const char* kTown = "Suburb/Town:";
inline constexpr const char* kState = "State:";
inline constexpr const char* kPostcodeOnScreen = "Postcode:";
inline constexpr const char* kPostcodePaper = "Post Code:";
inline constexpr const char* kCountry = "Country:";
inline constexpr const char* kPhonesOnScreen = "Phone no.(s):";
inline constexpr const char* kPhonesPaper = "Phone(s):";
inline constexpr const char* kSecondPhone = "second phone";
inline constexpr const char* kEmail = "Email:";
inline constexpr const char* kSchoolYear = "School Year:";
inline constexpr const char* kSchoolYearHint =
    "Values allowed are: K (Kinder); P (Prep/Pre-Primary); R (Reception); and 1\u201312";
inline constexpr const char* kSchool = "School:";
inline constexpr const char* kMandatoryNote = "* denotes mandatory fields";

// Item pages.
inline constexpr const char* kItemNumber = "%1.";
inline constexpr const char* kClear = "Clear";
// Accessible names: the answer "Sometimes, 3. <wording>", the button "Clear 3. <wording>".
inline constexpr const char* kAnswerAccessible = "%1, %2 %3";
inline constexpr const char* kClearAccessible = "Clear %1 %2";
// Where an answer stands among the six, "3 of 6", as a radio group would be announced.
inline constexpr const char* kAnswerPosition = "%1 of %2";
inline constexpr const char* kLeadInAccessible = "Lead-in";
inline constexpr const char* kBlankItemsCaption = "Blank Items";
inline constexpr const char* kBlankItemsWarning = "Warning";
inline constexpr const char* kBlankItemsText =
    "You have not provided a response for all of the items on this page.\n\nWhat action would you like to take?";
inline constexpr const char* kLeaveBlank = "Leave blank and go to the next page";
inline constexpr const char* kContinueCurrent = "Continue with the current page";

// The items pages as a reporter answering alone sees them: each item's "Read aloud" button, and
// "Blank Items" asked in plain words.
inline constexpr const char* kReadAloud = "Read aloud";
// Accessible name of an item's read-aloud button: "Read aloud 3. <wording>".
inline constexpr const char* kReadAloudAccessible = "Read aloud %1 %2";
inline constexpr const char* kPlainBlankItem =
    "You have not answered this question.\n\nYou can answer it now, or leave it blank and go on.";
inline constexpr const char* kPlainBlankItems =
    "You have not answered every question on this page.\n\nYou can answer them now, or leave them blank and go "
    "on.";
inline constexpr const char* kPlainLeaveBlank = "Leave blank and go on";
inline constexpr const char* kPlainAnswerNow = "Answer now";

// Comment page.
inline constexpr const char* kThankYou = "Thank you.  You have now completed the Child and Adolescent Orvantis.";
inline constexpr const char* kReviewHint =
    "If you would like to go back and review any of your responses, please use the '< Back' button located at the "
    "bottom right of this window.";
inline constexpr const char* kCommentInvitation =
    "If you would like to provide any further comments that you think may be useful to the health professional, "
    "please type them in the box below.  (Please be brief.  There is a limit of 200 characters, approximately "
    "30\u201340 words.)";
inline constexpr const char* kCommentInvitationPaper =
    "Please enter additional comments in the box below.  (Please be brief.  There is a limit of 200 characters, "
    "approximately 30\u201340 words.)";
inline constexpr const char* kCommentAccessibleName = "Comments";

// Save page.
inline constexpr const char* kSaveQuestion =
    "Where would you like to save the encrypted data for this Child and Adolescent Orvantis?";
inline constexpr const char* kSaveInstruction =
    "To save the ORVA details you have entered please click the 'Finish' button near the bottom right corner.";

// Response grid of the paper wizard.
inline constexpr const char* kGridItemLabel = "%1:";
// Accessible name of a grid field: "Item 12 <wording>".
inline constexpr const char* kGridItemAccessible = "Item %1 %2";
// The resting place of the focus after item 111, as screen readers name it.
inline constexpr const char* kGridEndAccessible = "End of the responses";
inline constexpr const char* kGridInstruction =
    "Please enter the response to each item.  Enter a number between 0 and 5, or leave blank for No Response.";
inline constexpr const char* kGridLegend =
    "Valid Responses\n\n       0   Never\n       1   Rarely\n       2   Sometimes\n       3   Regularly\n"
    "       4   Often\n       5   Very Often\n blank   No Response";
inline constexpr const char* kGridTeacherNote =
    "NOTE:\n\nFor the ORVA Teacher-Report not all questions are relevant.  Data entry for those questions has been "
    "removed.";
inline constexpr const char* kIncorrectValueCaption = "Incorrect Value";
inline constexpr const char* kIncorrectValueText = "You must enter a value between 0 and 5, or leave blank";
// A message said to a screen reader: "caption: text".
inline constexpr const char* kAnnouncedMessage = "%1: %2";

// Save page of the paper wizard.
inline constexpr const char* kPaperSaveQuestion = "Where do you wish to save the Child and Adolescent Orvantis details?";
inline constexpr const char* kPaperFileNote = "Note:  Each file will save hundreds of ORVA records.";
inline constexpr const char* kViewAnalysis = "View the ORVA Analysis after Finish";
inline constexpr const char* kAlsoViewRelated = "Also view the most recent related ORVAs for the same person";

// The edit wizards: the first page of the on-screen one (its other texts are page 1's), the
// box of their file pages and its refusal of "Browse ...".
inline constexpr const char* kEditIntroAbout =
    "You are about to edit the responses to the Child and Adolescent Orvantis questionnaire over pages 2 to 17.";
inline constexpr const char* kEditIntroAfter =
    "After you have completed editing the ORVA, you will be able to save your responses to an encrypted data file.";
inline constexpr const char* kReplaceExisting = "Replace Existing Record";
inline constexpr const char* kReplaceBrowseRefused =
    "The checkbox indicates to replace the existing record\nso you cannot change the filename.\n\nIf you wish to "
    "save the record to a new location\nthen please uncheck the checkbox.";

// The question at Finish when the record is unchanged ("Yes, Proceed" the default).
inline constexpr const char* kNoEditsCaption = "No Edits Made";
inline constexpr const char* kNoEditsText =
    "You have not made any edits.\n\nIf you replace the existing record you will simply update the date and time "
    "of the last save.";
inline constexpr const char* kNoEditsQuestion =
    "If you create a new record it will be a copy of the existing record except for a new date and time "
    "saved.\n\n\nDo you wish to proceed with saving the record?";
inline constexpr const char* kYesProceed = "Yes, Proceed";
inline constexpr const char* kDoNotSave = "Do Not Save";

}  // namespace orva::texts::wizard
