// SPDX-License-Identifier: Apache-2.0
#include "reports/CsvFormat.h"

#include "reports/ReportsTexts.h"

namespace orva {

namespace {

constexpr TextField kContactFields[] = {
    TextField::FirstName, TextField::LastName, TextField::StreetAddress, TextField::Town,   TextField::State,
    TextField::Postcode,  TextField::Country,  TextField::Phone,         TextField::Phone2, TextField::Email,
};
constexpr TextField kObserverFields[] = {
    TextField::ObserverName,
    TextField::ObserverRelationship,
    TextField::ObserverContact,
    TextField::ObserverComment,
};

constexpr char kFormulaGuard = '\'';
constexpr std::string_view kFormulaStarts = "=+-@\t\r";

bool StartsFormula(std::string_view cell) {
    return !cell.empty() && kFormulaStarts.find(cell.front()) != std::string_view::npos;
}

void AddColumn(std::string& line, std::string_view value) {
    line += ',';
    line += GuardFormula(SanitiseCsvText(value));
}

// A stored date split into parts of the given widths; all parts empty unless the stored text
// has exactly their total length.
template <std::size_t N>
void AddDateColumns(std::string& line, const std::string& stored, const std::size_t (&widths)[N]) {
    std::size_t total = 0;
    for (std::size_t w : widths) total += w;
    std::size_t at = 0;
    for (std::size_t w : widths) {
        AddColumn(line, stored.size() == total ? std::string_view(stored).substr(at, w) : std::string_view());
        at += w;
    }
}

}  // namespace

std::string SanitiseCsvText(std::string_view text) {
    std::string clean(text);
    for (char& c : clean) {
        if (c == '\r' || c == '\n' || c == ',') {
            c = ' ';
        } else if (c == '"' || c == '\'') {
            c = '`';
        }
    }
    return clean;
}

std::string GuardFormula(std::string cell) {
    if (StartsFormula(cell)) cell.insert(cell.begin(), kFormulaGuard);
    return cell;
}

std::string_view UnguardFormula(std::string_view cell) {
    if (cell.size() >= 2 && cell.front() == kFormulaGuard && StartsFormula(cell.substr(1)))
        cell.remove_prefix(1);
    return cell;
}

std::string FormatCsvLine(const AssessmentRecord& record) {
    static constexpr std::size_t kDateWidths[] = {4, 2, 2};
    static constexpr std::size_t kDateTimeWidths[] = {4, 2, 2, 2, 2, 2};

    std::string line = texts::kCsvVersion;
    line.reserve(700);
    AddColumn(line, record.GetDataEntry() == kPaper ? texts::kCsvPaper : texts::kCsvOnScreen);
    for (TextField field : kContactFields) AddColumn(line, record.GetText(field));
    // A NUL gender byte, which only a damaged file can hold, is an empty column.
    const char gender = record.GetGender();
    AddColumn(line, gender == '\0' ? std::string_view() : std::string_view(&gender, 1));
    AddColumn(line, record.GetSchoolYear());
    AddColumn(line, record.GetSchool());
    AddDateColumns(line, record.GetText(TextField::BirthDate), kDateWidths);
    AddDateColumns(line, record.GetText(TextField::CompletionDate), kDateWidths);
    AddDateColumns(line, record.GetText(TextField::SaveDateTime), kDateTimeWidths);
    AddColumn(line, ReporterCsvLabel(record.GetReporter()));
    for (TextField field : kObserverFields) AddColumn(line, record.GetText(field));
    for (int item = 1; item <= kItemCount; ++item) {
        line += ',';
        const int response = record.GetResponse(item);
        if (response >= 0) line += static_cast<char>('0' + response);
    }
    line += texts::kLineBreak;
    return line;
}

}  // namespace orva
