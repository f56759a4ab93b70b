// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/AssessmentRecord.h"
#include "model/Clock.h"
#include "reports/CsvEncoding.h"
#include "reports/ReportsError.h"

namespace orva {

// What can be wrong with an imported CSV.
enum class CsvProblem {
    EmptyFile,
    BadHeader,
    NoRows,
    TooManyRows,  // more rows than a record file holds
    ColumnCount,
    BadVersion,
    BadDataEntry,
    TooLong,       // longer than the field's maximum (`limit`)
    BadCharacter,  // a control character or the byte 0x80, which a record file cannot keep
    DoubleQuote,   // quoted by another program; the export never quotes
    EmptyName,
    BadGender,
    BirthDateMissing,
    BadYear,
    BadMonth,
    BadDay,
    YearOutOfRange,
    MonthOutOfRange,
    DayNotInMonth,
    CompletionInFuture,
    BadReporter,
    BadAnswer,
    NotWindows1252,  // a UTF-8 character beyond Windows-1252
    BirthInFuture,
    CompletionBeforeBirth,
    SaveInFuture,        // a save date-time after now would count as the latest for ever
    NotAskedOfTeachers,  // an answer to an item the Teacher-report does not ask
};

// The first thing wrong with an imported CSV: the 1-based line, the 0-based column (-1 when
// the whole line is wrong), the problem, and the number it concerns (a maximum length, a
// column count).
struct CsvImportProblem {
    int line = 0;
    int column = -1;
    CsvProblem problem = CsvProblem::BadHeader;
    int limit = 0;

    bool operator==(const CsvImportProblem&) const = default;
};

struct CsvImportResult {
    Status<ReportsError> status;  // ImportBadHeader, ImportBadRow, ImportNoRows or ImportFileFull
    std::vector<AssessmentRecord> records;
    std::optional<CsvImportProblem> problem;
    CsvEncoding encoding = CsvEncoding::Windows1252;
};

// The longest CSV an export of a full record file can give, even when a program saved it again
// as UTF-8 (up to three bytes a character) with every text cell at its maximum. A longer file
// is not one to import.
std::size_t LargestImportCsv();

// The header name of a 0-based column ("Birth Day"), empty outside the row.
std::string CsvColumnName(int column);
// The whole problem as one line: "line 7, column Birth Day: is not a day of that month".
std::string DescribeProblem(const CsvImportProblem& problem);

// Reads a CSV in exactly the export's format (its header row first; lines end in CR LF or
// LF; blank lines at the end are passed over) into records, checking every row before any is
// taken: field lengths, characters a record file can keep, names present (trailing blanks
// removed), gender code, reporter, data entry, the birth date (required) and the completion
// date (optional), with birth date <= completion date <= today, answers 0..5 or empty, and
// empty for the items a Teacher-report does not ask. The file is read as UTF-8 when it starts
// with the byte-order mark a spreadsheet's "CSV UTF-8" writes, else as UTF-8 or Windows-1252
// (DetectCsvEncoding). A row keeps its save date-time when its six save columns give a valid
// one not before its dates (one after now is refused); otherwise it gets the clock's time.
// Every cell loses the apostrophe the export put before a formula character. Stops at the
// first problem and then returns no records. Safe on any bytes.
CsvImportResult DecodeCsvImport(std::string_view bytes, const Clock& clock);

}  // namespace orva
