#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/AssessmentRecord.h"
#include "model/Clock.h"

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
    int code = 0;  // 0, or kImportBadHeader, kImportBadRow, kImportNoRows, kImportFileFull
    std::vector<AssessmentRecord> records;
    std::optional<CsvImportProblem> problem;
};

// The header name of a 0-based column ("Birth Day"), empty outside the row.
std::string CsvColumnName(int column);
// The whole problem as one line: "line 7, column Birth Day: is not a day of that month".
std::string DescribeProblem(const CsvImportProblem& problem);

// Reads a CSV in exactly the export's format (its header row first; lines end in CR LF or
// LF) into records, checking every row before any is taken: field lengths, characters a
// record file can keep, names present, gender code, reporter, data entry, the birth date
// (required) and the completion date (optional, never after today), answers 0..5 or empty.
// The save columns are not read: records get their save time when they are written. Stops at
// the first problem and then returns no records. Safe on any bytes.
CsvImportResult DecodeCsvImport(std::string_view bytes, const Clock& clock);

}  // namespace orva
