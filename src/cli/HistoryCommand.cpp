#include "cli/HistoryCommand.h"

#include <nlohmann/json.hpp>

#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "cli/HistoryOutput.h"
#include "cli/PathChecks.h"
#include "cli/ReportsCliSupport.h"
#include "model/Clock.h"
#include "model/Cp1252.h"
#include "model/FieldRules.h"
#include "screening/PersonHistory.h"
#include "store/StoreMessages.h"

namespace orva::cli {

namespace {

constexpr const char* kJson = "--json";
constexpr std::size_t kBirthDigits = 8;  // YYYYMMDD

// The person as the selection dialogs take one in: names in the record's characters with the
// blanks after them dropped, the date of birth as its three fields.
struct TypedPerson {
    PersonEntry entry;
    int unmappable = 0;  // characters of the names no record can hold
};

bool AllDigits(const std::string& text) {
    return text.find_first_not_of("0123456789") == std::string::npos;
}

// The option's value, the last one given, or empty.
std::string ValueOf(const CommandWords& parsed, const char* option) {
    std::string value;
    for (const auto& [name, given] : parsed.values) {
        if (name == option) value = given;
    }
    return value;
}

PersonQuery QueryOf(const PersonEntry& entry) {
    return {entry.firstName, entry.lastName, FieldNumber(entry.birthYear), FieldNumber(entry.birthMonth),
            FieldNumber(entry.birthDay)};
}

}  // namespace

int RunHistory(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    const CommandWords parsed = ParseCommandWords(
        words, {kJson}, {texts::kFirstNameOption, texts::kLastNameOption, texts::kBirthDateOption});
    if (!parsed.ok) return UsageError(err, parsed.problem, parsed.detail);
    if (parsed.arguments.empty()) return UsageError(err, texts::kMissingFile);
    if (parsed.arguments.size() > 1) return UsageError(err, texts::kExtraArgument, parsed.arguments[1]);
    const std::string birth = ValueOf(parsed, texts::kBirthDateOption);
    if (!birth.empty() && (birth.size() != kBirthDigits || !AllDigits(birth))) {
        return UsageError(err, texts::kBadBirthDate, birth);
    }

    TypedPerson person;
    person.entry.firstName = TrimTrailingSpaces(
        Cp1252::FromUtf8(ValueOf(parsed, texts::kFirstNameOption), '?', &person.unmappable));
    person.entry.lastName = TrimTrailingSpaces(
        Cp1252::FromUtf8(ValueOf(parsed, texts::kLastNameOption), '?', &person.unmappable));
    if (!birth.empty()) {
        person.entry.birthYear = birth.substr(0, 4);
        person.entry.birthMonth = birth.substr(4, 2);
        person.entry.birthDay = birth.substr(6, 2);
    }
    const LocalDateTime now = SystemClock::Instance().Now();
    if (const auto failure = CheckSelectionPerson(person.entry, Date{now.year, now.month, now.day})) {
        PrintMessage(err, {failure->caption, failure->message, MessageIcon::Stop});
        return kExitRefused;
    }
    const std::optional<std::string> path = ResolveRecordFile(parsed.arguments[0], err);
    if (!path) return kExitRefused;

    const PersonQuery query = QueryOf(person.entry);
    PersonHistory history;
    int skipped = 0;
    const int result = LoadPersonHistory(RecordFilePath(*path), query, history, &skipped);
    const std::string name = RecordFilePath(*path).WithoutExtension();
    if (result < 0) {
        if (const auto message = LoadResultMessage(result, std::string(1, kNameMarker))) {
            PrintMessage(err, *message, name);
        }
        return kExitRefused;
    }
    if (skipped > 0) PrintMessage(err, *LoadResultMessage(skipped, std::string(1, kNameMarker)), name);
    // A name with a character no record can hold matches no record.
    if (person.unmappable > 0 || history.assessments.empty()) {
        PrintMessage(err, NoMatchingRecordsMessage());
        return kExitRefused;
    }

    if (parsed.flags.count(kJson) > 0) {
        WriteJson(out, HistoryDocument(*path, query, history));
    } else {
        WriteHistoryText(out, *path, query, history);
    }
    return skipped > 0 ? kExitPartial : kExitSuccess;
}

}  // namespace orva::cli
