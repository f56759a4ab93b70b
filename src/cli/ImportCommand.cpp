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
        err << texts::kProgram << ": " << texts::kImportRefused << EscapedPath(csvPath) << ": "
            << DescribeProblem(*outcome.problem) << '\n';
        return kExitRefused;
    }
    if (!outcome.status && outcome.status.Error() == ReportsFailure(StoreError::FileFull)) {
        err << texts::kProgram << ": " << texts::kImportTooMany << outcome.existingRecords
            << texts::kImportTooManyMiddle << outcome.rows - outcome.repeated << texts::kImportTooManyEnd
            << kMaxRecords << texts::kImportTooManyFinal << '\n';
        return kExitRefused;
    }
    if (!outcome.status) {
        PrintMessage(err,
                     SaveFailedMessage(outcome.status.Error().Store().value_or(StoreError::OtherFileError)));
        err << texts::kImportRefused << '\n';
        return kExitRefused;
    }
    out << texts::kImported << outcome.appended << texts::kImportedInto << EscapedPath(*recordFile);
    if (outcome.appended > 0) {
        out << texts::kImportedPositions << outcome.firstPosition << "-"
            << outcome.firstPosition + outcome.appended - 1 << texts::kImportedEnd << '\n';
    } else {
        out << texts::kSentenceEnd << '\n';
    }
    if (outcome.repeated > 0) out << outcome.repeated << texts::kImportRepeated << '\n';
    out << texts::kImportEncoding << CsvEncodingName(outcome.encoding) << texts::kSentenceEnd << '\n';
    return kExitSuccess;
}

constexpr ArgumentDefinition kArguments[] = {
    {"CSV", texts::kImportCsvHelp, texts::kMissingArguments},
    {"FILE", texts::kFileHelp, texts::kMissingArguments},
};

}  // namespace

constinit const CommandDefinition kImportCommand{
    .name = "import",
    .synopsis = texts::kImportSynopsis,
    .description = texts::kImportDescription,
    .exitStatus = texts::kImportExitStatus,
    .arguments = kArguments,
    .options = {},
    .run = Run,
    .changesFiles = true,
};

}  // namespace orva::cli
