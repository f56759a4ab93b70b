#include "cli/ImportCommand.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "model/FileNameRules.h"
#include "reports/ImportRun.h"
#include "store/RandomSource.h"
#include "cli/ReportsCliSupport.h"
#include "cli/ReportsCliTexts.h"
#include "reports/ReportsResult.h"
#include "store/StoreMessages.h"
#include "store/StoreResult.h"

namespace orva::cli {

namespace {

// An export of a full record file is well below this; anything larger is not one.
constexpr std::streamoff kLargestCsv = 16 * 1024 * 1024;

bool ReadCsv(const std::string& path, std::string& content, std::ostream& err) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        err << texts::kProgram << ": " << texts::kCsvUnreadable << path << " (" << std::strerror(errno)
            << ")\n";
        return false;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size > kLargestCsv) {
        err << texts::kProgram << ": " << texts::kCsvTooLarge << path << '\n';
        return false;
    }
    in.seekg(0, std::ios::beg);
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        err << texts::kProgram << ": " << texts::kCsvUnreadable << path << '\n';
        return false;
    }
    return true;
}

}  // namespace

int RunImportCommand(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    const CommandWords parsed = ParseCommandWords(words, {}, {});
    if (!parsed.ok) return UsageError(err, parsed.problem, parsed.detail);
    if (parsed.arguments.size() < 2) return UsageError(err, texts::kMissingArguments);
    if (parsed.arguments.size() > 2) return UsageError(err, texts::kExtraArgument, parsed.arguments[2]);

    const FileNameCheck recordFile = ApplyRecordFileNameRule(parsed.arguments[1]);
    if (!recordFile.ok) {
        PrintPlainMessage(err, {orva::texts::kIncorrectFileName, recordFile.message, MessageIcon::Stop});
        return kExitRefused;
    }
    std::string csv;
    if (!ReadCsv(parsed.arguments[0], csv, err)) return kExitRefused;

    const ImportOutcome outcome =
        RunImport(csv, recordFile.fullPath, SystemClock::Instance(), DefaultRandomSource::Instance());
    if (outcome.problem) {
        err << texts::kProgram << ": " << texts::kImportRefused << parsed.arguments[0] << ": "
            << DescribeProblem(*outcome.problem) << '\n';
        return kExitRefused;
    }
    if (outcome.code == kFileFull) {
        err << texts::kProgram << ": " << texts::kImportTooMany << outcome.existingRecords
            << texts::kImportTooManyMiddle << outcome.rows << texts::kImportTooManyEnd << '\n';
        return kExitRefused;
    }
    if (outcome.code < 0) {
        PrintMessage(err, SaveFailedMessage(outcome.code));
        err << texts::kImportRefused << '\n';
        return kExitRefused;
    }
    out << texts::kImported << outcome.appended << texts::kImportedInto << recordFile.fullPath
        << texts::kImportedPositions << outcome.firstPosition << "-"
        << outcome.firstPosition + outcome.appended - 1 << texts::kImportedEnd << '\n';
    return kExitSuccess;
}

}  // namespace orva::cli
