// SPDX-License-Identifier: Apache-2.0
#include "cli/HistoryCommand.h"

#include <nlohmann/json.hpp>

#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "cli/CommandLine.h"
#include "cli/HistoryOutput.h"
#include "cli/PathChecks.h"
#include "model/Clock.h"
#include "model/Cp1252.h"
#include "model/FieldRules.h"
#include "screening/PersonHistory.h"
#include "store/StoreMessages.h"

namespace orva::cli {

namespace {

constexpr std::size_t kBirthDigits = 8;  // YYYYMMDD

// The person as the selection dialogs take one in: names in the record's characters with the
// blanks after them dropped, the date of birth as its three fields.
struct TypedPerson {
    PersonEntry entry;
    int unmappable = 0;  // characters of the names no record can hold
};

bool AllDigits(std::string_view text) {
    return text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Empty, or eight digits: a date that is not there is the person check's to refuse.
bool IsBirthDate(std::string_view text) {
    return text.empty() || (text.size() == kBirthDigits && AllDigits(text));
}

constexpr ArgumentDefinition kArguments[] = {kRecordFileArgument};
constexpr OptionDefinition kOptions[] = {
    {texts::cli::kFirstNameOption, "NAME", texts::cli::kFirstNameHelp},
    {texts::cli::kLastNameOption, "NAME", texts::cli::kLastNameHelp},
    {texts::cli::kBirthDateOption, "YYYYMMDD", texts::cli::kBirthDateHelp, IsBirthDate,
     texts::cli::kBadBirthDate},
    kJsonOption,
};

PersonQuery QueryOf(const PersonEntry& entry) {
    return {entry.firstName, entry.lastName, FieldNumber(entry.birthYear), FieldNumber(entry.birthMonth),
            FieldNumber(entry.birthDay)};
}

int Run(const ParsedCommand& line, std::ostream& out, std::ostream& err) {
    const std::string birth = line.Last(texts::cli::kBirthDateOption).value_or("");

    TypedPerson person;
    person.entry.firstName = TrimTrailingSpaces(
        Cp1252::FromUtf8(line.Last(texts::cli::kFirstNameOption).value_or(""), '?', &person.unmappable));
    person.entry.lastName = TrimTrailingSpaces(
        Cp1252::FromUtf8(line.Last(texts::cli::kLastNameOption).value_or(""), '?', &person.unmappable));
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
    const std::optional<std::string> path = ResolveRecordFile(line.Arguments()[0], err);
    if (!path) return kExitRefused;

    const PersonQuery query = QueryOf(person.entry);
    PersonHistory history;
    int skipped = 0;
    const StoreStatus loaded = LoadPersonHistory(RecordFilePath(*path), query, history, &skipped);
    const std::string name = RecordFilePath(*path).WithoutExtension();
    if (!loaded) {
        if (const auto message = LoadResultMessage(loaded.Error(), std::string(1, kNameMarker))) {
            PrintMessage(err, *message, name);
        }
        return kExitRefused;
    }
    if (skipped > 0) PrintMessage(err, *LoadResultMessage(skipped, std::string(1, kNameMarker)), name);
    // A name with a character no record can hold matches no record.
    if (person.unmappable > 0 || history.assessments.empty()) {
        PrintMessage(err, NoMatchingRecordsMessage());
        return kExitNoMatch;
    }

    if (line.Has(kJsonOption.name)) {
        WriteJson(out, HistoryDocument(*path, query, history));
    } else {
        WriteHistoryText(out, *path, query, history);
    }
    return skipped > 0 ? kExitPartial : kExitSuccess;
}

}  // namespace

constinit const CommandDefinition kHistoryCommand{
    .name = "history",
    .synopsis = texts::cli::kHistorySynopsis,
    .description = texts::cli::kHistoryDescription,
    .exitStatus = texts::cli::kHistoryExitStatus,
    .arguments = kArguments,
    .options = kOptions,
    .run = Run,
    .changesFiles = false,
};

}  // namespace orva::cli
