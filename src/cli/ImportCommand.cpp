// SPDX-License-Identifier: Apache-2.0
#include "cli/ImportCommand.h"

#include <optional>

#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "cli/CommandLine.h"
#include "cli/CsvFileRead.h"
#include "cli/PathChecks.h"
#include "reports/ImportRun.h"
#include "reports/ReportsError.h"
#include "store/RandomSource.h"
#include "store/RecordFormat.h"
#include "store/StoreError.h"
#include "store/StoreMessages.h"

namespace orva::cli {

namespace {

int Run(const ParsedCommand& line, std::ostream& out, std::ostream& err) {
    const std::string& csvPath = line.Arguments()[0];
    const std::optional<std::string> recordFile = ResolveRecordFile(line.Arguments()[1], err);
    if (!recordFile) return kExitRefused;
    std::string csv;
    if (!ReadCsvToImport(csvPath, csv, err)) return kExitRefused;

    const ImportOutcome outcome =
        RunImport(csv, *recordFile, SystemClock::Instance(), DefaultRandomSource::Instance());
    if (outcome.problem) {
        err << texts::cli::kProgram << ": " << texts::cli::kImportRefused << EscapedPath(csvPath) << ": "
            << DescribeProblem(*outcome.problem) << '\n';
        return kExitRefused;
    }
    if (!outcome.status && outcome.status.Error() == ReportsFailure(StoreError::FileFull)) {
        err << texts::cli::kProgram << ": " << texts::cli::kImportTooMany << outcome.existingRecords
            << texts::cli::kImportTooManyMiddle << outcome.rows - outcome.repeated
            << texts::cli::kImportTooManyEnd << kMaxRecords << texts::cli::kImportTooManyFinal << '\n';
        return kExitRefused;
    }
    if (!outcome.status) {
        PrintMessage(err,
                     SaveFailedMessage(outcome.status.Error().Store().value_or(StoreError::OtherFileError)));
        err << texts::cli::kImportRefused << '\n';
        return kExitRefused;
    }
    out << texts::cli::kImported << outcome.appended << texts::cli::kImportedInto << EscapedPath(*recordFile);
    if (outcome.appended > 0) {
        out << texts::cli::kImportedPositions << outcome.firstPosition << "-"
            << outcome.firstPosition + outcome.appended - 1 << texts::cli::kImportedEnd << '\n';
    } else {
        out << texts::cli::kSentenceEnd << '\n';
    }
    if (outcome.repeated > 0) out << outcome.repeated << texts::cli::kImportRepeated << '\n';
    out << texts::cli::kImportEncoding << CsvEncodingName(outcome.encoding) << texts::cli::kSentenceEnd
        << '\n';
    return kExitSuccess;
}

constexpr ArgumentDefinition kArguments[] = {
    {"CSV", texts::cli::kImportCsvHelp, texts::cli::kMissingArguments},
    {"FILE", texts::cli::kFileHelp, texts::cli::kMissingArguments},
};

}  // namespace

constinit const CommandDefinition kImportCommand{
    .name = "import",
    .synopsis = texts::cli::kImportSynopsis,
    .description = texts::cli::kImportDescription,
    .exitStatus = texts::cli::kImportExitStatus,
    .arguments = kArguments,
    .options = {},
    .run = Run,
    .changesFiles = true,
};

}  // namespace orva::cli
