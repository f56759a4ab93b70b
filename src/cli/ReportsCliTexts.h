#pragma once

// Texts of the orva-cli commands for the report outputs (export, import, report,
// set-export-password) that the product itself does not word.
namespace orva::cli::texts {

inline constexpr const char* kMissingArguments = "missing arguments";
inline constexpr const char* kMissingValue = "the option needs a value";
inline constexpr const char* kNoRtfFile = "name the report file with --rtf OUT or --pdf OUT";
inline constexpr const char* kRtfOrPdf = "write one report at a time: --rtf OUT or --pdf OUT";
inline constexpr const char* kNoPdfInThisBuild = "this orva-cli was built without the printed report; use --rtf OUT";
inline constexpr const char* kPdfNotWritten = "the PDF report could not be written: ";
inline constexpr const char* kPdfWritten = "Printed report written: ";
inline constexpr const char* kBadSlot = "the slot is 1, 2 or 3";

// export
inline constexpr const char* kNoPasswordsSet =
    "No export password is set on this computer. An administrator sets one with\n"
    "  orva-cli set-export-password SLOT\n"
    "(see \"Export passwords\" in the administrator's guide, admin.md).";
inline constexpr const char* kPasswordsUnreadable = "The export passwords could not be read from ";
inline constexpr const char* kPasswordsUnsafe =
    "The export passwords file can be changed by users other than its owner, so it is not used.\n"
    "An administrator makes it and its folder writable by the administrator only, e.g.\n"
    "  chmod 644 /etc/orva/export-passwords; chmod 755 /etc/orva\nThe file: ";
inline constexpr const char* kNoPasswordEntered = "No password was entered.";
inline constexpr const char* kUseReplace = "Give --replace to replace it.";
inline constexpr const char* kCountsLine1 = "Number of Records: ";
inline constexpr const char* kCountsWritten = ", Records Written: ";
inline constexpr const char* kCountsNotRead = ", Could Not Read: ";
inline constexpr const char* kCountsNotImported = ", Could Not Import: ";
inline constexpr const char* kCountsNotWritten = ", Could Not Write: ";
inline constexpr const char* kWriteStopped = "Writing the CSV file stopped with error ";
inline constexpr const char* kWriteStoppedTail = "; it ends after the last row that was written.";

// import
inline constexpr const char* kCsvUnreadable = "The CSV file could not be read: ";
inline constexpr const char* kCsvTooLarge = "The CSV file is larger than any export of a record file: ";
inline constexpr const char* kCsvIsFolder = "The CSV file named is a folder, not a file: ";
inline constexpr const char* kCsvNotRegular =
    "The CSV file named is not an ordinary file (a device, pipe or socket), so it is not read: ";
// Why a CSV file could not be read, after its name.
inline constexpr const char* kCauseNotFound = "no such file";
inline constexpr const char* kCauseAccessDenied = "access denied";
inline constexpr const char* kCauseInUse = "in use by another program";
inline constexpr const char* kCauseOther = "file error ";
inline constexpr const char* kImportRepeated =
    " rows were left out: the same records (same details, answers and save time) are already in the file "
    "or earlier in the CSV.";
inline constexpr const char* kImportEncoding = "The CSV was read as ";
inline constexpr const char* kImportRefused = "Nothing was imported. ";
inline constexpr const char* kImportTooMany = "Nothing was imported: the record file holds ";
inline constexpr const char* kImportTooManyMiddle = " records, and ";
inline constexpr const char* kImportTooManyEnd = " more would take it past 657.";
inline constexpr const char* kImported = "Imported ";
inline constexpr const char* kImportedInto = " records into ";
inline constexpr const char* kImportedPositions = " (positions ";
inline constexpr const char* kImportedEnd = ").";
inline constexpr const char* kSentenceEnd = ".";

// report
inline constexpr const char* kReportIncompleteCode = "Error ";

// set-export-password
inline constexpr const char* kNewPasswordPrompt = "New export password (empty to clear the slot): ";
inline constexpr const char* kRepeatPasswordPrompt = "The same password again: ";
inline constexpr const char* kPasswordsDiffer = "The two entries differ; nothing was changed.";
inline constexpr const char* kPasswordHasCapitals =
    "The password has capital letters. The export password box turns every letter typed into a small\n"
    "letter, so such a password could never be entered. Nothing was changed.";
inline constexpr const char* kPasswordNotPlainText =
    "The password may hold only letters a-z, digits, blanks and the punctuation of an English keyboard.\n"
    "Nothing was changed.";
inline constexpr const char* kPasswordTooLong =
    "The password is longer than 64 characters. Nothing was changed.";
inline constexpr const char* kPasswordTooShort =
    "The password is shorter than 8 characters. Nothing was changed.";
inline constexpr const char* kPasswordNotSaved = "The export passwords could not be saved to ";
inline constexpr const char* kPasswordNotSavedHint =
    "Setting export passwords needs an administrator's rights.";
inline constexpr const char* kPasswordHashFailed = "The password could not be hashed (out of memory?).";
inline constexpr const char* kPasswordSet = "Export password ";
inline constexpr const char* kPasswordSetEnd = " is set.";
inline constexpr const char* kPasswordClearedEnd = " is cleared.";
inline constexpr const char* kErrorCode = " (error ";
inline constexpr const char* kErrorCodeEnd = ")";

}  // namespace orva::cli::texts
