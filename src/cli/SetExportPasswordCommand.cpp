// SPDX-License-Identifier: Apache-2.0
#include "cli/SetExportPasswordCommand.h"

#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "cli/CommandLine.h"
#include "reports/ExportPasswords.h"
#include "cli/ReportsCliSupport.h"
#include "reports/ReportsError.h"
#include "cli/SecretInput.h"

namespace orva::cli {

namespace {

int Refused(std::ostream& err, const char* text, int code = 0) {
    err << texts::cli::kProgram << ": " << text;
    if (code != 0) err << texts::cli::kErrorCode << code << texts::cli::kErrorCodeEnd;
    err << '\n';
    return kExitRefused;
}

const char* RefusalText(ReportsError refusal) {
    switch (refusal) {
        case ReportsError::PasswordHasCapitals:
            return texts::cli::kPasswordHasCapitals;
        case ReportsError::PasswordNotPlainText:
            return texts::cli::kPasswordNotPlainText;
        case ReportsError::PasswordTooLong:
            return texts::cli::kPasswordTooLong;
        case ReportsError::PasswordTooShort:
            return texts::cli::kPasswordTooShort;
        default:
            return texts::cli::kPasswordHashFailed;
    }
}

int Run(const ParsedCommand& line, std::ostream& out, std::ostream& err) {
    const std::string& slotText = line.Arguments()[0];
    if (slotText.size() != 1 || slotText[0] < '1' || slotText[0] > '3') {
        return UsageError(err, texts::cli::kBadSlot, slotText);
    }
    const int slot = slotText[0] - '0';

    ExportPasswords passwords;
    const ReportsStatus loaded = passwords.Load();
    if (!loaded) {
        PrintPasswordsNotLoaded(err, passwords, loaded.Error());
        return kExitRefused;
    }
    std::string first;
    std::string second;
    if (!ReadSecretLine(texts::cli::kNewPasswordPrompt, first, err) ||
        !ReadSecretLine(texts::cli::kRepeatPasswordPrompt, second, err)) {
        return Refused(err, texts::cli::kNoPasswordEntered);
    }
    if (first != second) return Refused(err, texts::cli::kPasswordsDiffer);
    const Status<ReportsError> set = passwords.Set(slot, first);
    if (!set) return Refused(err, RefusalText(set.Error()));
    const StoreStatus saved = passwords.Save();
    if (!saved) {
        err << texts::cli::kProgram << ": " << texts::cli::kPasswordNotSaved << EscapedPath(passwords.FilePath())
            << texts::cli::kErrorCode << Code(saved.Error()) << texts::cli::kErrorCodeEnd << '\n'
            << texts::cli::kPasswordNotSavedHint << '\n';
        return kExitRefused;
    }
    out << texts::cli::kPasswordSet << slot
        << (first.empty() ? texts::cli::kPasswordClearedEnd : texts::cli::kPasswordSetEnd) << '\n';
    return kExitSuccess;
}

constexpr ArgumentDefinition kArguments[] = {{"SLOT", texts::cli::kSlotHelp, texts::cli::kMissingArguments}};

}  // namespace

constinit const CommandDefinition kSetExportPasswordCommand{
    .name = "set-export-password",
    .synopsis = texts::cli::kSetExportPasswordSynopsis,
    .description = texts::cli::kSetExportPasswordDescription,
    .exitStatus = texts::cli::kSetExportPasswordExitStatus,
    .arguments = kArguments,
    .options = {},
    .run = Run,
    .changesFiles = true,
};

}  // namespace orva::cli
