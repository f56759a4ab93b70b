#include "cli/ImportCommand.h"

#include <optional>

#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "cli/CsvFileRead.h"
#include "cli/PathChecks.h"
#include "cli/ReportsCliSupport.h"
#include "cli/ReportsCliTexts.h"
#include "reports/ImportRun.h"
#include "reports/ReportsResult.h"
#include "store/RandomSource.h"
#include "store/StoreMessages.h"
#include "store/StoreResult.h"

namespace orva::cli {

int RunImportCommand(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    const CommandWords parsed = ParseCommandWords(words, {}, {});
    if (!parsed.ok) return UsageError(err, parsed.problem, parsed.detail);
    if (parsed.arguments.size() < 2) return UsageError(err, texts::kMissingArguments);
    if (parsed.arguments.size() > 2) return UsageError(err, texts::kExtraArgument, parsed.arguments[2]);

    const std::optional<std::string> recordFile = ResolveRecordFile(parsed.arguments[1], err);
    if (!recordFile) return kExitRefused;
    std::string csv;
    if (!ReadCsvToImport(parsed.arguments[0], csv, err)) return kExitRefused;

    const ImportOutcome outcome =
        RunImport(csv, *recordFile, SystemClock::Instance(), DefaultRandomSource::Instance());
    if (outcome.problem) {
        err << texts::kProgram << ": " << texts::kImportRefused << EscapedPath(parsed.arguments[0]) << ": "
            << DescribeProblem(*outcome.problem) << '\n';
        return kExitRefused;
    }
    if (outcome.code == kFileFull) {
        err << texts::kProgram << ": " << texts::kImportTooMany << outcome.existingRecords
            << texts::kImportTooManyMiddle << outcome.rows - outcome.repeated << texts::kImportTooManyEnd
            << '\n';
        return kExitRefused;
    }
    if (outcome.code < 0) {
        PrintMessage(err, SaveFailedMessage(outcome.code));
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

}  // namespace orva::cli
