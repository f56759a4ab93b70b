#pragma once

// Fixed texts of the record store's save and load flows, as the product documents word them.
namespace orva::texts {

// Saving a record.
inline constexpr const char* kSaveHasFailedCaption = "Save Has Failed";
inline constexpr const char* kSaveFileFull =
    "The file has reached its maximum number of records.\nPlease use another file or create a new file.";
inline constexpr const char* kSaveAccessError =
    "An error occurred while accessing the file.\nPlease contact your system administrator.";
inline constexpr const char* kSaveNotOrvaFormat =
    "The file is not in the correct format for an Child and Adolescent Orvantis file.";
inline constexpr const char* kSaveInUse = "The file is currently is use by someone else.";
inline constexpr const char* kSaveDirectoryFull =
    "The directory (folder) is full.\nPlease save the record in another directory of contact your system "
    "administrator.";
inline constexpr const char* kSaveWriteDenied =
    "Write access to the file has been denied.\nPlease contact your system administrator.";
inline constexpr const char* kSaveBadPath = "The path for the file is not correct.";
inline constexpr const char* kSaveDiskFull = "The disk is full.\nPlease contact your system administrator.";
// A replacement found another record in the record's place than the one opened for editing.
inline constexpr const char* kSaveRecordChanged =
    "The record has been changed since it was opened for editing,\nso it has not been replaced.\n\nUntick "
    "'Replace Existing Record' to save your edits as a new record.";
// A record file's name leaves no room for the name of the journal that keeps each change safe.
inline constexpr const char* kSaveNameTooLong =
    "The file name is too long for the changes to the file to be kept safe.\nPlease use a shorter name.";
inline constexpr const char* kSaveOtherError =
    "An error has occurred while writing the details to disk.\nPlease contact your system administrator.";

inline constexpr const char* kSaveWasSuccessfulCaption = "Save Was Successful";
inline constexpr const char* kSavedFirstName =
    "The save has been successful.  The responses for\n\n\tFirst Name:\t";
inline constexpr const char* kSavedLastName = "\n\tLast Name:\t";
inline constexpr const char* kSavedBirthDate = "\n\tDate of Birth:\t";
inline constexpr const char* kSavedInFile = "\n\nhave been saved in the file\n\n\t";

// Loading a file for selection.
inline constexpr const char* kPartialFileCorruptionCaption = "Partial File Corruption";
inline constexpr const char* kRecordsFailedToLoad =
    "Unfortunately %u records failed to load from the file,\nindicating some file corruption.\n\nPlease "
    "contact "
    "your system administrator for assistance.";
inline constexpr const char* kReadOrValidationError =
    "There was a read error or file validation error,\nindicating some file corruption.\n\nPlease contact "
    "your "
    "system administrator for assistance.";
inline constexpr const char* kFileInUseCaption = "File In Use";
inline constexpr const char* kLockedBefore = "The file '";
inline constexpr const char* kLockedAfter = ".rpc' is locked by another application.";
inline constexpr const char* kFileAccessErrorCaption = "File Access Error";
inline constexpr const char* kNoEditAccessBefore = "The file\n\t'";
inline constexpr const char* kNoEditAccessAfter =
    ".rpc'\n is not available for edit access.\n\nPlease contact your system administrator for assistance.";
inline constexpr const char* kFileNotFoundCaption = "File Not Found";
inline constexpr const char* kNotFoundBefore = "The file '";
inline constexpr const char* kNotFoundAfter = ".rpc' was not found.";
inline constexpr const char* kOpenErrorBefore = "There was an error attempting to open the file\n'";
inline constexpr const char* kOpenErrorAfter =
    ".rpc'\n\nPlease contact your system administrator for assistance.";

inline constexpr const char* kNoMatchingRecordsCaption = "No Matching Records";
inline constexpr const char* kNoMatchingRecordsText =
    "There were no records in the specified ORVA file\nwith the requested name and date of birth.";
inline constexpr const char* kFileIsReadOnlyCaption = "File is Read Only";
inline constexpr const char* kReadOnlyEditWarning =
    "Warning:  The file you are attempting to edit is read-only.\n\nYou will have to either have the "
    "read-only "
    "security\non the file removed or save any edits to a new file.";

// A journal beside a record file that does not belong to the file as it is now.
inline constexpr const char* kUnmatchedJournalCaption = "Unfinished Change Not Applied";
inline constexpr const char* kUnmatchedJournalBefore = "The file\n\t'";
inline constexpr const char* kUnmatchedJournalMiddle =
    "'\nhad beside it the journal of an unfinished change that\ndoes not belong to the file as it is "
    "now: the journal is\ndamaged, or the file was copied, put back from a backup\nor changed since.\n\n"
    "The journal was not applied, and the file was left as it is.";
inline constexpr const char* kUnmatchedJournalKeptAs = "\nThe journal was kept as\n\t'";
inline constexpr const char* kUnmatchedJournalNotMoved =
    "\nThe journal could not be moved aside and stays beside the file.";
inline constexpr const char* kUnmatchedJournalAdvice =
    "\n\nPlease check that the file holds every record it should,\nor contact your system administrator.";

}  // namespace orva::texts
