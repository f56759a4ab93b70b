// SPDX-License-Identifier: Apache-2.0
#include "cli/ExportCommand.h"

#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "cli/CommandLine.h"
#include "cli/PathChecks.h"
#include "model/RecordFilePath.h"
#include "cli/ReportsCliSupport.h"
#include "cli/SecretInput.h"
#include "reports/ExportPasswordCheck.h"
#include "reports/ExportPasswords.h"
#include "reports/ExportRun.h"
#include "reports/ReportMessages.h"
#include "reports/ReportsError.h"
#include "reports/ReportsTexts.h"

namespace orva::cli {

namespace {

constexpr std::string_view kAcceptPrivacy = "--accept-privacy";

// The password check of the export password box: what is typed is lower-cased, and it must
// verify against one of the passwords set for this computer.
bool PasswordAccepted(std::ostream& err) {
    ExportPasswords passwords;
    const ReportsStatus loaded = passwords.Load();
    if (!loaded) {
        PrintPasswordsNotLoaded(err, passwords, loaded.Error());
        return false;
    }
    if (!passwords.AnySet()) {
        err << texts::cli::kProgram << ": " << texts::cli::kNoPasswordsSet << '\n';
        return false;
    }
    std::string entered;
    if (!ReadSecretLine(std::string(orva::texts::kPasswordPrompt) + " ", entered, err)) {
        err << texts::cli::kProgram << ": " << texts::cli::kNoPasswordEntered << '\n';
        return false;
    }
    if (!CheckExportPassword(passwords, LowerCaseAsTyped(entered))) {
        PrintPlainMessage(err, WrongPasswordMessage());
        return false;
    }
    return true;
}

void PrintCounts(std::ostream& stream, const ExportCounters& c) {
    stream << texts::cli::kCountsLine1 << c.numberOfRecords << texts::cli::kCountsWritten << c.recordsWritten
           << texts::cli::kCountsNotRead << c.couldNotRead << texts::cli::kCountsNotImported << c.couldNotImport
           << texts::cli::kCountsNotWritten << c.couldNotWrite << '\n';
}

int Run(const ParsedCommand& line, std::ostream& out, std::ostream& err) {
    const std::optional<std::string> recordFile = ResolveRecordFile(line.Arguments()[0], err);
    if (!recordFile) return kExitRefused;
    // Nothing to ask a password for when the export would be refused anyway.
    if (!line.Has(kAcceptPrivacy)) {
        PrintPlainMessage(err, ExportPrivacyMessage());
        return kExitRefused;
    }
    if (!PasswordAccepted(err)) return kExitRefused;

    ExportRequest request;
    request.recordFileName = RecordFilePath(*recordFile).WithoutExtension();
    request.exportName = WithoutExtension(line.Arguments()[1], orva::texts::kCsvSuffixLabel);
    request.privacyAccepted = true;
    const bool replace = line.Has(kReplaceOption.name);
    const ExportOutcome outcome = RunExport(request, [replace] { return replace; });

    switch (outcome.stop) {
        case ExportStop::None:
            break;
        case ExportStop::Declined:
            PrintPlainMessage(err, FileExistsQuestion());
            err << EscapedPath(request.exportName + orva::texts::kCsvSuffixLabel) << '\n'
                << texts::cli::kUseReplace << '\n';
            return kExitRefused;
        default:
            PrintPlainMessage(err, *outcome.message);
            return kExitRefused;
    }
    const bool complete = outcome.counters.recordsWritten == outcome.counters.numberOfRecords;
    std::ostream& stream = complete ? out : err;
    if (complete) {
        stream << EscapedMessage(outcome.message->caption) << '\n'
               << EscapedMessage(outcome.message->text) << '\n';
    } else {
        PrintPlainMessage(stream, *outcome.message);
    }
    PrintCounts(stream, outcome.counters);
    return complete ? kExitSuccess : kExitPartial;
}

constexpr ArgumentDefinition kArguments[] = {
    {"FILE", texts::cli::kFileHelp, texts::cli::kMissingArguments},
    {"CSV", texts::cli::kExportCsvHelp, texts::cli::kMissingArguments},
};
constexpr OptionDefinition kOptions[] = {{kAcceptPrivacy, "", texts::cli::kAcceptPrivacyHelp}, kReplaceOption};

}  // namespace

constinit const CommandDefinition kExportCommand{
    .name = "export",
    .synopsis = texts::cli::kExportSynopsis,
    .description = texts::cli::kExportDescription,
    .exitStatus = texts::cli::kExportExitStatus,
    .arguments = kArguments,
    .options = kOptions,
    .run = Run,
    .changesFiles = true,
};

}  // namespace orva::cli
