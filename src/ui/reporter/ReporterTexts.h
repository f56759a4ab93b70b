#pragma once

// Fixed texts of the reporter mode: the clinician hands the computer to a young person or a
// parent, who answers the items alone, and takes it back at the end (UTF-8).
namespace orva::texts::reporter {

// On the details page, beside the wizard's buttons ("&": Alt+H).
inline constexpr const char* kHandOverButton = "&Hand over to reporter";

// The clinician's choices before handing over.
inline constexpr const char* kHandOverCaption = "Hand over to reporter";
inline constexpr const char* kHandOverIntro =
    "The reporter will see only the questions, full screen, and the comment box at the end. The answers are "
    "saved to the file named on page 1 when the reporter has finished; then the screen asks for the computer to "
    "be handed back to you.";
inline constexpr const char* kTextSizeGroup = "Text size";
inline constexpr const char* kSizeNormal = "Normal";
inline constexpr const char* kSizeLarge = "Large";
inline constexpr const char* kSizeExtraLarge = "Extra large";
inline constexpr const char* kOneItemPerScreen = "One item per screen";
inline constexpr const char* kReadAutomatically = "Read each item aloud when it appears";
inline constexpr const char* kNoSpeech = "Reading aloud is not available: this computer has no speech installed.";
inline constexpr const char* kHandOver = "Hand over";
inline constexpr const char* kCancel = "Cancel";

// The key that reads the shown item aloud.
inline constexpr const char* kReadAloudKey = "R";

// Cancel while the reporter answers: the reporter is asked to fetch the clinician, whose own
// answer to the cancel question decides.
inline constexpr const char* kCallClinicianCaption = "Please call the clinician";
inline constexpr const char* kCallClinician =
    "Please ask the clinician to come to the computer.\n\nYour answers are kept until the clinician decides.";
inline constexpr const char* kBackToQuestions = "Back to the questions";
inline constexpr const char* kClinician = "Clinician";

// The last screen, after the save.
inline constexpr const char* kHandBack = "Thank you \u2014 please hand the computer back";
inline constexpr const char* kTakeBackCaption = "Clinician";
inline constexpr const char* kTakeBack = "Are you the clinician, taking the computer back from the reporter?";

}  // namespace orva::texts::reporter
