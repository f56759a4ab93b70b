// SPDX-License-Identifier: Apache-2.0
#include "reports/CsvImport.h"

#include <array>
#include <iterator>
#include <tuple>

#include "model/Cp1252.h"
#include "model/Date.h"
#include "model/FieldRules.h"
#include "model/ItemCatalogue.h"
#include "reports/CsvFormat.h"
#include "reports/ReportsError.h"
#include "reports/ReportsTexts.h"
#include "store/RecordFormat.h"

namespace orva {

namespace {

// Columns of a row, 0-based.
enum Column : int {
    kColVersion = 0,
    kColDataEntry = 1,
    kColFirstText = 2,  // first name .. email
    kColGender = 12,
    kColSchoolYear = 13,
    kColSchool = 14,
    kColBirth = 15,       // year, month, day
    kColCompletion = 18,  // year, month, day
    kColSave = 21,        // year, month, day, hour, minute, second
    kColReporter = 27,
    kColObserverFirst = 28,
    kColFirstItem = 32,
};

constexpr TextField kContactFields[] = {
    TextField::FirstName, TextField::LastName, TextField::StreetAddress, TextField::Town,   TextField::State,
    TextField::Postcode,  TextField::Country,  TextField::Phone,         TextField::Phone2, TextField::Email,
};
constexpr TextField kObserverFields[] = {TextField::ObserverName, TextField::ObserverRelationship,
                                         TextField::ObserverContact, TextField::ObserverComment};

std::string_view HeaderRow() {
    std::string_view header = texts::kCsvHeader;
    header.remove_suffix(2);  // CR LF
    return header;
}

std::vector<std::string_view> Split(std::string_view line) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = line.find(',', start);
        parts.push_back(UnguardFormula(line.substr(start, comma - start)));
        if (comma == std::string_view::npos) return parts;
        start = comma + 1;
    }
}

bool AllDigits(std::string_view s) {
    for (char c : s) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

int Number(std::string_view s) {
    int value = 0;
    for (char c : s) value = value * 10 + (c - '0');
    return value;
}

// -1, 0 or 1 as `first` lies before, on or after `second`; both valid.
int Order(const Date& first, const Date& second) {
    return -CompareDates(first, second).value_or(0);
}

// Raised by the checks of one row; caught once per row.
struct RowError {
    int column;
    CsvProblem problem;
    int limit;
};

class RowReader {
  public:
    RowReader(const std::vector<std::string_view>& cells, CsvEncoding encoding, const Clock& clock)
        : cells_(cells), encoding_(encoding), clock_(clock) {}

    AssessmentRecord Read() {
        AssessmentRecord record;
        if (cells_[kColVersion] != texts::kCsvVersion) Fail(kColVersion, CsvProblem::BadVersion);
        const std::string_view entry = cells_[kColDataEntry];
        if (entry != texts::kCsvPaper && entry != texts::kCsvOnScreen) {
            Fail(kColDataEntry, CsvProblem::BadDataEntry);
        }
        record.SetDataEntry(entry == texts::kCsvPaper ? kPaper : kOnScreen);

        for (int i = 0; i < 10; ++i)
            record.SetText(kContactFields[i], Text(kColFirstText + i, kContactFields[i]));
        // Names keep no trailing blanks, as the details page stores them.
        record.SetFirstName(TrimTrailingSpaces(record.GetFirstName()));
        record.SetLastName(TrimTrailingSpaces(record.GetLastName()));
        if (record.GetFirstName().empty()) Fail(kColFirstText, CsvProblem::EmptyName);
        if (record.GetLastName().empty()) Fail(kColFirstText + 1, CsvProblem::EmptyName);

        const std::string_view gender = cells_[kColGender];
        if (gender.size() != 1 || !record.SetGender(gender[0])) Fail(kColGender, CsvProblem::BadGender);
        record.SetSchoolYear(Text(kColSchoolYear, TextField::SchoolYear));
        record.SetSchool(Text(kColSchool, TextField::School));

        ReadDates(record);

        const std::string_view reporter = cells_[kColReporter];
        for (int type : {kSelf, kParent, kTeacher}) {
            if (reporter == ReporterCsvLabel(type)) AssumeAccepted(record.SetReporter(type));
        }
        if (record.GetReporter() == kReporterNotSet) Fail(kColReporter, CsvProblem::BadReporter);
        for (int i = 0; i < 4; ++i)
            record.SetText(kObserverFields[i], Text(kColObserverFirst + i, kObserverFields[i]));

        for (int item = 1; item <= kItemCount; ++item) {
            const int column = kColFirstItem + item - 1;
            const std::string_view answer = cells_[column];
            const int value = answer.empty() ? -1 : AssessmentRecord::ParseResponse(answer);
            if (!answer.empty() && value < 0) Fail(column, CsvProblem::BadAnswer);
            // The analysis would list such an answer in a row marked as not assessed.
            if (!answer.empty() && record.GetReporter() == kTeacher && !ItemCatalogue::InTeacherReport(item)) {
                Fail(column, CsvProblem::NotAskedOfTeachers);
            }
            // The reporter is known, and the answer a digit 0..5 or blank.
            AssumeAccepted(record.SetResponse(item, value));
        }
        ReadSaveDateTime(record);
        return record;
    }

  private:
    [[noreturn]] static void Fail(int column, CsvProblem problem, int limit = 0) {
        throw RowError{column, problem, limit};
    }

    // The analysis needs birth date <= completion date <= today.
    void ReadDates(AssessmentRecord& record) const {
        const LocalDateTime now = clock_.Now();
        const Date today{now.year, now.month, now.day};
        const std::optional<Date> birth = ReadDate(kColBirth);
        if (!birth) Fail(kColBirth, CsvProblem::BirthDateMissing);
        if (Order(*birth, today) > 0) Fail(kColBirth, CsvProblem::BirthInFuture);
        AssumeAccepted(record.SetBirthDate(birth->year, birth->month, birth->day));
        if (const std::optional<Date> completion = ReadDate(kColCompletion)) {
            // A date read is a day of the calendar, so only one after today is refused.
            if (!record.SetCompletionDate(completion->year, completion->month, completion->day, clock_)) {
                Fail(kColCompletion, CsvProblem::CompletionInFuture);
            }
            if (Order(*completion, *birth) < 0) Fail(kColCompletion, CsvProblem::CompletionBeforeBirth);
        }
    }

    // The save date-time of the export, kept so that a record keeps its history and a second
    // import of the same file can be recognised; the clock's time when the columns do not give
    // a valid one that is not before the record's dates.
    void ReadSaveDateTime(AssessmentRecord& record) const {
        constexpr std::size_t kWidths[] = {4, 2, 2, 2, 2, 2};
        int parts[std::size(kWidths)] = {};
        bool complete = true;
        for (std::size_t i = 0; i < std::size(kWidths); ++i) {
            const std::string_view part = cells_[kColSave + static_cast<int>(i)];
            complete = complete && part.size() == kWidths[i] && AllDigits(part);
            if (complete) parts[i] = Number(part);
        }
        const LocalDateTime when{parts[0], parts[1], parts[2], parts[3], parts[4], parts[5]};
        const bool fits = complete && SaveDateTimeFits(record, when);
        // A record saved "later" than now would count as a person's latest for ever.
        if (fits && Later(when, clock_.Now())) Fail(kColSave, CsvProblem::SaveInFuture);
        record.SetStoredSaveDateTime(fits ? when : clock_.Now());
    }

    static bool Later(const LocalDateTime& a, const LocalDateTime& b) {
        return std::tie(a.year, a.month, a.day, a.hour, a.minute, a.second) >
               std::tie(b.year, b.month, b.day, b.hour, b.minute, b.second);
    }

    static bool SaveDateTimeFits(const AssessmentRecord& record, const LocalDateTime& when) {
        const Date day{when.year, when.month, when.day};
        if (IsValidDate(day) != kValidDate || when.hour > 23 || when.minute > 59 || when.second > 59)
            return false;
        const std::optional<Date> birth = record.GetBirthDate();
        if (birth && Order(day, *birth) < 0) return false;
        const std::optional<Date> completion = record.GetCompletionDate();
        return !completion || Order(day, *completion) >= 0;
    }

    // A text as the export writes it, in Windows-1252. Control characters (tabs apart) and the
    // byte 0x80 are refused: the questionnaire cannot take them and a record file cannot keep
    // them (0x80 ends a stored text). A double quote
    // means the file was quoted by another program, which the export never does.
    std::string Text(int column, TextField field) const {
        std::string text(cells_[column]);
        if (encoding_ == CsvEncoding::Utf8) {
            int unmappable = 0;
            text = Cp1252::FromUtf8(cells_[column], '?', &unmappable);
            if (unmappable > 0) Fail(column, CsvProblem::NotWindows1252);
        }
        if (text.size() > MaxLength(field)) {
            Fail(column, CsvProblem::TooLong, static_cast<int>(MaxLength(field)));
        }
        for (char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if ((Cp1252::IsControl(c) && c != '\t') || byte == kTextPad) {
                Fail(column, CsvProblem::BadCharacter);
            }
            if (c == '"') Fail(column, CsvProblem::DoubleQuote);
        }
        return text;
    }

    // Year, month and day from three columns: nothing when all three are empty.
    std::optional<Date> ReadDate(int first) const {
        const std::string_view year = cells_[first];
        const std::string_view month = cells_[first + 1];
        const std::string_view day = cells_[first + 2];
        if (year.empty() && month.empty() && day.empty()) return std::nullopt;
        if (year.size() != 4 || !AllDigits(year)) Fail(first, CsvProblem::BadYear);
        if (month.empty() || month.size() > 2 || !AllDigits(month)) Fail(first + 1, CsvProblem::BadMonth);
        if (day.empty() || day.size() > 2 || !AllDigits(day)) Fail(first + 2, CsvProblem::BadDay);
        const Date date{Number(year), Number(month), Number(day)};
        switch (IsValidDate(date)) {
            case kBadYear:
                Fail(first, CsvProblem::YearOutOfRange);
            case kBadMonth:
                Fail(first + 1, CsvProblem::MonthOutOfRange);
            case kBadDay:
                Fail(first + 2, CsvProblem::DayNotInMonth);
            default:
                break;
        }
        return date;
    }

    const std::vector<std::string_view>& cells_;
    CsvEncoding encoding_;
    const Clock& clock_;
};

static_assert(std::size(texts::kCsvProblems) == static_cast<std::size_t>(CsvProblem::NotAskedOfTeachers) + 1,
              "one text per problem");

CsvImportResult Refused(ReportsError error, int line, CsvProblem problem, int column = -1, int limit = 0) {
    CsvImportResult result;
    result.status = error;
    result.problem = CsvImportProblem{line, column, problem, limit};
    return result;
}

}  // namespace

std::size_t LargestImportCsv() {
    // A guarded cell starts with a one-byte character, so the guard never makes it longer
    // than a cell of three-byte characters only.
    constexpr std::size_t kUtf8BytesPerCharacter = 3;
    std::size_t texts = 0;
    for (TextField field : kContactFields) texts += MaxLength(field);
    for (TextField field : kObserverFields) texts += MaxLength(field);
    texts += MaxLength(TextField::SchoolYear) + MaxLength(TextField::School);
    const std::size_t codes =
        std::string_view(texts::kCsvVersion).size() + std::string_view(texts::kCsvOnScreen).size() +
        1 /* gender */ + MaxLength(TextField::BirthDate) + MaxLength(TextField::CompletionDate) +
        MaxLength(TextField::SaveDateTime) + std::string_view(ReporterCsvLabel(kTeacher)).size() +
        static_cast<std::size_t>(kItemCount);
    const std::size_t row = texts * kUtf8BytesPerCharacter + codes + (kCsvColumns - 1) + 2 /* CR LF */;
    return std::string_view(texts::kCsvHeader).size() + row * static_cast<std::size_t>(kMaxRecords);
}

std::string CsvColumnName(int column) {
    const std::vector<std::string_view> names = Split(HeaderRow());
    return column >= 0 && column < static_cast<int>(names.size()) ? std::string(names[column])
                                                                  : std::string();
}

std::string DescribeProblem(const CsvImportProblem& p) {
    std::string text = "line " + std::to_string(p.line);
    if (p.column >= 0) text += ", column " + CsvColumnName(p.column);
    std::string what = texts::kCsvProblems[static_cast<int>(p.problem)];
    if (const std::size_t at = what.find("%d"); at != std::string::npos) what.replace(at, 2, std::to_string(p.limit));
    return text + ": " + what;
}

namespace {

CsvImportResult DecodeRows(std::string_view bytes, CsvEncoding encoding, const Clock& clock) {
    CsvImportResult result;
    int line = 0;
    while (!bytes.empty()) {
        ++line;
        const std::size_t end = bytes.find('\n');
        std::string_view text = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
        // A spreadsheet often ends the file with an empty line or two.
        if (text.empty() && line > 1 && bytes.find_first_not_of("\r\n") == std::string_view::npos) break;

        if (line == 1) {
            if (text != HeaderRow()) {
                return Refused(ReportsError::ImportBadHeader, 1, CsvProblem::BadHeader);
            }
            continue;
        }
        if (result.records.size() == static_cast<std::size_t>(kMaxRecords)) {
            return Refused(ReportsError::ImportFileFull, line, CsvProblem::TooManyRows, -1, kMaxRecords);
        }
        const std::vector<std::string_view> cells = Split(text);
        if (cells.size() != static_cast<std::size_t>(kCsvColumns)) {
            return Refused(ReportsError::ImportBadRow, line, CsvProblem::ColumnCount, -1, static_cast<int>(cells.size()));
        }
        try {
            result.records.push_back(RowReader(cells, encoding, clock).Read());
        } catch (const RowError& error) {
            return Refused(ReportsError::ImportBadRow, line, error.problem, error.column, error.limit);
        }
    }
    if (line == 0) return Refused(ReportsError::ImportBadHeader, 1, CsvProblem::EmptyFile);
    if (result.records.empty()) return Refused(ReportsError::ImportNoRows, line, CsvProblem::NoRows);
    return result;
}

}  // namespace

CsvImportResult DecodeCsvImport(std::string_view bytes, const Clock& clock) {
    // The byte-order mark of "CSV UTF-8": it says the file is UTF-8, and is no part of the header.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    const bool marked = bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark;
    if (marked) bytes.remove_prefix(kByteOrderMark.size());
    const CsvEncoding encoding = marked ? CsvEncoding::Utf8 : DetectCsvEncoding(bytes);
    CsvImportResult result = DecodeRows(bytes, encoding, clock);
    result.encoding = encoding;
    return result;
}

}  // namespace orva
