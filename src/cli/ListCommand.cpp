// SPDX-License-Identifier: Apache-2.0
#include "cli/ListCommand.h"

#include <nlohmann/json.hpp>

#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "cli/CommandLine.h"
#include "cli/RecordFileLoad.h"
#include "cli/TextTable.h"
#include "model/FieldRules.h"
#include "store/RecordList.h"

namespace orva::cli {

namespace {

nlohmann::ordered_json ListDocument(const std::string& path, const RecordList& list) {
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const RecordRow& row : list.Rows()) {
        rows.push_back({
            {"position", row.filePosition},
            {"first_name", Utf8(row.firstName)},
            {"last_name", Utf8(row.lastName)},
            {"birth_date", StoredDate(row.birthDate)},
            {"saved", StoredDateTime(row.saved)},
            {"reporter", Utf8(ReporterListLabel(row.reporter))},
            {"observer_name", Utf8(row.observerName)},
            {"data_entry", Utf8(std::string(1, row.dataEntry))},
        });
    }
    return {
        {"file", path},
        {"records", list.RecordsInFile()},
        {"loaded", list.RowCount()},
        {"failed", list.FailedPositions()},
        {"rows", std::move(rows)},
    };
}

void WriteListTable(std::ostream& out, const std::string& path, const RecordList& list) {
    out << texts::cli::kFileLabel << OneLine(path) << '\n'
        << texts::cli::kSummaryRecords << list.RecordsInFile() << texts::cli::kSummaryListed << list.RowCount()
        << texts::cli::kSummaryFailed << list.FailedPositions().size() << '\n';
    TextTable table({std::begin(texts::cli::kListHeadings), std::end(texts::cli::kListHeadings)});
    for (const RecordRow& row : list.Rows()) {
        table.AddRow({
            std::to_string(row.filePosition),
            OneLine(Utf8(row.firstName)),
            OneLine(Utf8(row.lastName)),
            ShortDate(row.birthDate),
            ShortDateTime(row.saved),
            Utf8(ReporterListLabel(row.reporter)),
            OneLine(Utf8(row.observerName)),
            row.dataEntry == '1' ? texts::cli::kPaper : texts::cli::kOnScreen,
        });
    }
    table.Write(out);
}

int Run(const ParsedCommand& line, std::ostream& out, std::ostream& err) {
    RecordList list;
    const LoadedFile loaded = LoadRecordFile(line.Arguments()[0], list, err);
    if (loaded.status == kExitRefused) return kExitRefused;

    if (line.Has(kJsonOption.name)) {
        WriteJson(out, ListDocument(loaded.path, list));
    } else {
        WriteListTable(out, loaded.path, list);
    }
    return loaded.status;
}

constexpr ArgumentDefinition kArguments[] = {kRecordFileArgument};
constexpr OptionDefinition kOptions[] = {kJsonOption};

}  // namespace

constinit const CommandDefinition kListCommand{
    .name = "list",
    .synopsis = texts::cli::kListSynopsis,
    .description = texts::cli::kListDescription,
    .exitStatus = texts::cli::kListExitStatus,
    .arguments = kArguments,
    .options = kOptions,
    .run = Run,
    .changesFiles = false,
};

}  // namespace orva::cli
