#pragma once

// Texts of the command-line companion that the product itself does not word.
namespace orva::cli::texts {

inline constexpr const char* kProgram = "orva-cli";

inline constexpr const char* kUsage =
    "Usage:\n"
    "  orva-cli list FILE [--json]\n"
    "  orva-cli analyse FILE --record POS [--record POS] [--record POS] [--json]\n"
    "  orva-cli compare FILE --record POS --record POS [--record POS] [--json]\n"
    "  orva-cli history FILE --first-name NAME --last-name NAME --birth-date YYYYMMDD [--json]\n"
    "  orva-cli export FILE CSV --accept-privacy [--replace]\n"
    "  orva-cli import CSV FILE\n"
    "  orva-cli report FILE --record POS [--record POS] [--record POS] (--rtf OUT | --pdf OUT) [--replace]\n"
    "  orva-cli set-export-password SLOT\n"
    "  orva-cli check FILE [--json]\n"
    "  orva-cli --help | --version\n"
    "\n"
    "FILE is a record file, named with or without \".rpc\". POS is the 0-based position of a record\n"
    "in the file, as \"list\" shows it; at most one record of each reporter can be analysed.\n"
    "compare sets the answers of two or three such reports side by side, item by item, with how\n"
    "far each pair of reporters agrees. history lists every record of one person in the file by\n"
    "completion date, each screened alone; the person is found only by the exact names and date of\n"
    "birth given.\n"
    "\n"
    "export asks for an export password; set-export-password (1 to 3) asks twice for the new one.\n"
    "\n"
    "Exit status: 0 success; 1 done, but some records of the file failed to load or export;\n"
    "2 usage error, refused input or file error.\n"
    "The status tells what happened to the files. After 0, export and report wrote their file in\n"
    "full, import appended its rows and set-export-password saved the password, even when the\n"
    "summary could not be printed (that is reported on the error output); after 1 the export\n"
    "holds the rows its counts name. After 2 no record file and no password was changed; an\n"
    "output file was left only when the message says it is incomplete. list, analyse, compare,\n"
    "history and --help exit with 2 when their output cannot be written. check exits with 0 for a\n"
    "sound file and with 1 when it found damage.\n";

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
inline constexpr const char* kBeyondCapacity = " records after the first 657 were not loaded.";
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
inline constexpr const char* kDamageBeyondCapacity = "the record lies beyond the 657 a file holds";
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

}  // namespace orva::cli::texts
