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
    err << texts::kProgram << ": " << text;
    if (code != 0) err << texts::kErrorCode << code << texts::kErrorCodeEnd;
    err << '\n';
    return kExitRefused;
}

const char* RefusalText(ReportsError refusal) {
    switch (refusal) {
        case ReportsError::PasswordHasCapitals:
            return texts::kPasswordHasCapitals;
        case ReportsError::PasswordNotPlainText:
            return texts::kPasswordNotPlainText;
        case ReportsError::PasswordTooLong:
            return texts::kPasswordTooLong;
        case ReportsError::PasswordTooShort:
            return texts::kPasswordTooShort;
        default:
            return texts::kPasswordHashFailed;
    }
}

int Run(const ParsedCommand& line, std::ostream& out, std::ostream& err) {
    const std::string& slotText = line.Arguments()[0];
    if (slotText.size() != 1 || slotText[0] < '1' || slotText[0] > '3') {
        return UsageError(err, texts::kBadSlot, slotText);
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
    if (!ReadSecretLine(texts::kNewPasswordPrompt, first, err) ||
        !ReadSecretLine(texts::kRepeatPasswordPrompt, second, err)) {
        return Refused(err, texts::kNoPasswordEntered);
    }
    if (first != second) return Refused(err, texts::kPasswordsDiffer);
    const Status<ReportsError> set = passwords.Set(slot, first);
    if (!set) return Refused(err, RefusalText(set.Error()));
    const StoreStatus saved = passwords.Save();
    if (!saved) {
        err << texts::kProgram << ": " << texts::kPasswordNotSaved << EscapedPath(passwords.FilePath())
            << texts::kErrorCode << Code(saved.Error()) << texts::kErrorCodeEnd << '\n'
            << texts::kPasswordNotSavedHint << '\n';
        return kExitRefused;
    }
    out << texts::kPasswordSet << slot
        << (first.empty() ? texts::kPasswordClearedEnd : texts::kPasswordSetEnd) << '\n';
    return kExitSuccess;
}

constexpr ArgumentDefinition kArguments[] = {{"SLOT", texts::kSlotHelp, texts::kMissingArguments}};

}  // namespace

constinit const CommandDefinition kSetExportPasswordCommand{
    .name = "set-export-password",
    .synopsis = texts::kSetExportPasswordSynopsis,
    .description = texts::kSetExportPasswordDescription,
    .exitStatus = texts::kSetExportPasswordExitStatus,
    .arguments = kArguments,
    .options = {},
    .run = Run,
    .changesFiles = true,
};

}  // namespace orva::cli
