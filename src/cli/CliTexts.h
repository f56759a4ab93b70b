// SPDX-License-Identifier: Apache-2.0
#pragma once

// Texts of the command-line companion that the product itself does not word: messages, the
// usage and each command's help.
namespace orva::texts::cli {

inline constexpr const char* kProgram = "orva-cli";

// The usage: "Usage:", a line per command (its synopsis), then these lines and the notes.
inline constexpr const char* kUsageHeading = "Usage:\n";
inline constexpr const char* kUsageIndent = "  ";
inline constexpr const char* kUsageCommonLines =
    "  orva-cli --help | --version\n"
    "  orva-cli COMMAND --help\n";
inline constexpr const char* kUsageNotes =
    "\n"
    "FILE is a record file, named with or without \".rpc\". POS is the 0-based position of a record\n"
    "in the file, as \"list\" shows it; at most one record of each reporter can be analysed.\n"
    "compare sets the answers of two or three such reports side by side, item by item, with how\n"
    "far each pair of reporters agrees. history lists every record of one person in the file by\n"
    "completion date, each screened alone; the person is found by the names and date of birth\n"
    "given, as the selection dialogs find one (capitals and blanks after a name do not matter).\n"
    "\n"
    "export asks for an export password; set-export-password (1 to 3) asks twice for the new one.\n"
    "\n"
    "Exit status: 0 success; 1 done, but some records of the file failed to load or export;\n"
    "2 usage error, refused input or file error.\n"
    "The status tells what happened to the files. After 0, export and report wrote their file in\n"
    "full, import appended its rows and set-export-password saved the password, even when the\n"
    "summary could not be printed (that is reported on the error output); after 1 the export\n"
    "holds the rows its counts name. After 2 no record file and no password was changed, and no\n"
    "output file was written (an output is written whole or not at all). list, analyse, compare,\n"
    "history and --help exit with 2 when their output cannot be written. check exits with 0 for a\n"
    "sound file and with 1 when it found damage. history exits with 3 when the file holds no\n"
    "record of the person named.\n";

inline constexpr const char* kUnknownCommand = "unknown command";
inline constexpr const char* kMissingCommand = "no command given";
inline constexpr const char* kMissingFile = "no record file given";
inline constexpr const char* kExtraArgument = "unexpected argument";
inline constexpr const char* kUnknownOption = "unknown option";
inline constexpr const char* kMissingPosition = "--record needs a record position";
inline constexpr const char* kBadPosition = "a record position is a whole number 0, 1, 2, ...";
inline constexpr const char* kNoRecordChosen = "choose the records to analyse with --record POS";
inline constexpr const char* kOutputFailed = "the output could not be written in full";
inline constexpr const char* kOutputFailedAfterChange =
    "the summary could not be written in full; the command itself was carried out";
inline constexpr const char* kRecordFileIsFolder = "The record file named is a folder, not a file: ";

inline constexpr const char* kFailedPositions = "Positions of the records that failed to load: ";
// The file's capacity (kMaxRecords) stands between the parts of the capacity messages.
inline constexpr const char* kBeyondCapacity = " records after the first ";
inline constexpr const char* kBeyondCapacityEnd = " were not loaded.";
inline constexpr const char* kPositionBeyondEnd = "There is no record at position ";
inline constexpr const char* kRecordFailsChecks = "The record failed its checks and cannot be read: position ";
inline constexpr const char* kNoLastName = "The record has no last name, so an analysis cannot show it: position ";
inline constexpr const char* kDifferentPersons =
    "The chosen records are not all of one person (first name, last name and date of birth); an analysis "
    "combines the reports of one young person only.";
inline constexpr const char* kRecordsInFile = "; the file holds ";
inline constexpr const char* kRecordsWord = " records.";

inline constexpr const char* kFileLabel = "File: ";
inline constexpr const char* kSummaryRecords = "Records: ";
inline constexpr const char* kSummaryListed = ", listed: ";
inline constexpr const char* kSummaryFailed = ", failed: ";
inline constexpr const char* kSummaryDamaged = ", damaged: ";

// orva-cli check.
inline constexpr const char* kDamagePosition = "Position ";
inline constexpr const char* kDamageFailedChecks = "the record failed its checks";
inline constexpr const char* kDamageIncomplete = "the record is incomplete";
inline constexpr const char* kDamageBeyondCapacity = "the record lies beyond the ";
inline constexpr const char* kDamageBeyondCapacityEnd = " a file holds";
inline constexpr const char* kPartialTail = "The file ends in part of a record; the next write cuts it off.";
inline constexpr const char* kFileSound = "The file is sound.";
inline constexpr const char* kFileDamaged = "Damage was found.";
inline constexpr const char* kListHeadings[8] = {"Pos",   "First name", "Last name", "Birth date",
                                                 "Saved", "Reporter",   "Observer",  "Entry"};
inline constexpr const char* kOnScreen = "On-Screen";
inline constexpr const char* kPaper = "Paper";

inline constexpr const char* kAnalysisOf = "Analysis of ";
inline constexpr const char* kComparisonOf = "Comparison of ";
inline constexpr const char* kReportLabels[3] = {"Self-report:    ", "Parent-report:  ", "Teacher-report: "};
inline constexpr const char* kNoReport = "none";
inline constexpr const char* kPositionWord = "position ";
inline constexpr const char* kSavedWord = "saved ";
inline constexpr const char* kObserverWord = "observer: ";
inline constexpr const char* kShadedMark = " *";
inline constexpr const char* kShadedLegend = "* shaded cell: a positive screen, a cutoff attained, a report present";

// orva-cli compare.
inline constexpr const char* kCompareNeedsTwo = "choose two or three records to compare with --record POS";
inline constexpr const char* kAgreementHeadings[4] = {"Reporters", "Both answered", "Identical", "Pearson r"};
inline constexpr const char* kItemHeading = "Item";
inline constexpr const char* kWordingHeading = "Wording (Parent/Teacher)";
inline constexpr const char* kAnswerHeadings[3] = {"Self", "Parent", "Teacher"};
inline constexpr const char* kRowsHeading = "Rows fed";
inline constexpr const char* kCountedHeading = "Counted towards\na positive screen";
inline constexpr const char* kDisagreementHeading = "Apart\nby 2+";
inline constexpr const char* kDisagreementMark = "YES";
inline constexpr const char* kComparisonLegend =
    "Counted towards a positive screen: the rows the item was among the items met of, for a reporter who\n"
    "screened positive on them: [Self] (Parent) {Teacher}.";

// orva-cli history.
inline constexpr const char* kFirstNameOption = "--first-name";
inline constexpr const char* kLastNameOption = "--last-name";
inline constexpr const char* kBirthDateOption = "--birth-date";
inline constexpr const char* kBadBirthDate = "a date of birth is written YYYYMMDD";
inline constexpr const char* kHistoryOf = "History of ";
inline constexpr const char* kBornWord = ", born ";
inline constexpr const char* kInWord = ", in ";
inline constexpr const char* kAssessmentsWord = "Assessments: ";
inline constexpr const char* kDisorderHeading = "Disorder";
inline constexpr const char* kOmegaLabel = "Omega";
inline constexpr const char* kPeriodsHeading = "Each completion date as one analysis:";
inline constexpr const char* kNoCompletionDate = "no completion date";

// export, import, report and set-export-password.
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
// The remedy names the platform's own owners and tools.
#ifdef _WIN32
inline constexpr const char* kPasswordsUnsafe =
    "The export passwords are not used: their file, or a folder above it, could be changed by someone\n"
    "other than the administrators (it is not owned by the Administrators group or the system, someone\n"
    "else may change it, or the file is a link). An administrator makes the file and the folders\n"
    "Kelbrin\\ORVA owned by the Administrators group and changeable by the administrators and the\n"
    "system only (in the folder's Properties, Security, Advanced).\n"
    "To be put right: ";
#else
inline constexpr const char* kPasswordsUnsafe =
    "The export passwords are not used: their file, or a folder above it, could be changed by someone\n"
    "other than the administrator (it is not owned by root, its group or others may write to it, or the\n"
    "file is a link). An administrator makes the file and every folder above it owned by root and\n"
    "writable by root only, e.g.\n"
    "  sudo chown root:root /etc/orva /etc/orva/export-passwords\n"
    "  sudo chmod 755 /etc/orva; sudo chmod 644 /etc/orva/export-passwords\n"
    "To be put right: ";
#endif
inline constexpr const char* kNoPasswordEntered = "No password was entered.";
inline constexpr const char* kUseReplace = "Give --replace to replace it.";
inline constexpr const char* kCountsLine1 = "Number of Records: ";
inline constexpr const char* kCountsWritten = ", Records Written: ";
inline constexpr const char* kCountsNotRead = ", Could Not Read: ";
inline constexpr const char* kCountsNotImported = ", Could Not Import: ";
inline constexpr const char* kCountsNotWritten = ", Could Not Write: ";

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
inline constexpr const char* kImportTooManyEnd = " more would take it past ";
inline constexpr const char* kImportTooManyFinal = ".";
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

// `orva-cli COMMAND --help`: "Usage: orva-cli " and the synopsis, the description, a line per
// argument and option (its name padded to the width of the longest), then the exit status.
inline constexpr const char* kHelpUsage = "Usage: orva-cli ";
inline constexpr const char* kHelpOption = "--help";
inline constexpr const char* kHelpHelp = "show this help";

inline constexpr const char* kFileHelp = "a record file, named with or without \".rpc\"";
inline constexpr const char* kJsonHelp = "write JSON (UTF-8) instead of a table";
inline constexpr const char* kRecordHelp = "a record's 0-based position in the file, as list shows it";
inline constexpr const char* kReplaceHelp = "replace the output file when it exists";

inline constexpr const char* kListSynopsis = "list FILE [--json]";
inline constexpr const char* kListDescription =
    "Lists the records of a record file in file order: position, names, date of birth, save\n"
    "date-time, reporter, observer and data entry. Records that fail to load are counted and named.\n";
inline constexpr const char* kListExitStatus =
    "Exit status: 0 every record was listed; 1 some records failed to load; 2 usage error or file\n"
    "error, or the output could not be written.\n";

inline constexpr const char* kAnalyseSynopsis = "analyse FILE --record POS [--record POS] [--record POS] [--json]";
inline constexpr const char* kAnalyseDescription =
    "Analyses at most one Self-report, one Parent-report and one Teacher-report of one person: the\n"
    "23 screening rows with each reporter's scores, the positive screens, each report's Omega and\n"
    "the items to follow up that a reporter endorsed, as the analysis form shows them.\n";
// analyse and compare.
inline constexpr const char* kChosenReportsExitStatus =
    "Exit status: 0 success; 1 done, but some records of the file failed to load; 2 usage error,\n"
    "refused choice or file error, or the output could not be written.\n";

inline constexpr const char* kCompareSynopsis = "compare FILE --record POS --record POS [--record POS] [--json]";
inline constexpr const char* kCompareDescription =
    "Sets the answers of two or three reports of one person side by side, item by item: each\n"
    "reporter's answer, the rows the item feeds, those it counted towards for a reporter who\n"
    "screened positive on them, and a mark where two answers differ by 2 or more; then, for each\n"
    "pair of reporters, the items both answered, the share answered identically and the Pearson\n"
    "correlation of their answers.\n";

inline constexpr const char* kHistorySynopsis =
    "history FILE --first-name NAME --last-name NAME --birth-date YYYYMMDD [--json]";
inline constexpr const char* kHistoryDescription =
    "Lists every record of one person in the file by completion date, and then Self, Parent,\n"
    "Teacher: each record screened alone, with its positive rows, counts and Omega, and the records\n"
    "each completion date gives to analyse. The person is checked and found as the selection\n"
    "dialogs check and find one.\n";
inline constexpr const char* kHistoryExitStatus =
    "Exit status: 0 success; 1 done, but some records of the file failed to load; 2 usage error,\n"
    "refused person or file error (no such file among them), or the output could not be written;\n"
    "3 the file holds no record of the person named.\n";
inline constexpr const char* kFirstNameHelp = "the person's first name";
inline constexpr const char* kLastNameHelp = "the person's last name";
inline constexpr const char* kBirthDateHelp = "the person's date of birth";

inline constexpr const char* kExportSynopsis = "export FILE CSV --accept-privacy [--replace]";
inline constexpr const char* kExportDescription =
    "Writes every record of the record file to a CSV file, after asking for an export password\n"
    "(read from standard input when it is not a terminal).\n";
inline constexpr const char* kExportExitStatus =
    "Exit status: 0 every record was written; 1 some records could not be read or decoded, and the\n"
    "CSV holds the rows its counts name; 2 refused or stopped, and no CSV was written.\n";
inline constexpr const char* kExportCsvHelp = "the CSV file to write, named with or without \".csv\"";
inline constexpr const char* kAcceptPrivacyHelp = "accept responsibility for data privacy of the export file";

inline constexpr const char* kImportSynopsis = "import CSV FILE";
inline constexpr const char* kImportDescription =
    "Appends the rows of a CSV file in the export's format to a record file. Every row is checked\n"
    "first, then all rows are appended or none; rows that are already in the file are left out.\n";
inline constexpr const char* kImportExitStatus =
    "Exit status: 0 the rows were appended; 2 refused, and the record file is unchanged.\n";
inline constexpr const char* kImportCsvHelp = "the CSV file to read";

inline constexpr const char* kReportSynopsis =
    "report FILE --record POS [--record POS] [--record POS] (--rtf OUT | --pdf OUT) [--replace]";
inline constexpr const char* kReportDescription =
    "Writes the analysis of the chosen records as a report file: an RTF document, or the printed\n"
    "pages as a PDF file, drawn without a display (eight, or nine when the items to follow up\n"
    "need a page of their own).\n";
inline constexpr const char* kReportExitStatus =
    "Exit status: 0 the report was written in full; 2 usage error, refused choice or file error,\n"
    "and no report file was written.\n";
inline constexpr const char* kRtfHelp = "write an RTF document, named with or without \".rtf\"";
inline constexpr const char* kPdfHelp = "write the printed pages as a PDF file";

inline constexpr const char* kSetExportPasswordSynopsis = "set-export-password SLOT";
inline constexpr const char* kSetExportPasswordDescription =
    "Sets one of this computer's three export passwords. The password is asked twice without\n"
    "echo; an empty one clears the slot. Needs an administrator's rights.\n";
inline constexpr const char* kSetExportPasswordExitStatus =
    "Exit status: 0 the password was saved; 2 refused, and nothing was changed.\n";
inline constexpr const char* kSlotHelp = "the password's slot: 1, 2 or 3";

inline constexpr const char* kCheckSynopsis = "check FILE [--json]";
inline constexpr const char* kCheckDescription =
    "Reads every record of a record file and names the damaged ones and why, and whether the file\n"
    "ends in part of a record. Like every command that opens a record file, it first puts back a\n"
    "change that was interrupted, when it may write the file.\n";
inline constexpr const char* kCheckExitStatus =
    "Exit status: 0 the file is sound; 1 damage was found; 2 usage error or file error, or the\n"
    "output could not be written.\n";

}  // namespace orva::texts::cli
