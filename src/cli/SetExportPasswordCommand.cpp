// SPDX-License-Identifier: Apache-2.0
#include "cli/SetExportPasswordCommand.h"

#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "cli/CommandLine.h"
#include "reports/ExportPasswords.h"
#include "cli/ReportsCliSupport.h"
#include "reports/ReportsResult.h"
#include "cli/SecretInput.h"

namespace orva::cli {

namespace {

int Refused(std::ostream& err, const char* text, int code = 0) {
    err << texts::kProgram << ": " << text;
    if (code != 0) err << texts::kErrorCode << code << texts::kErrorCodeEnd;
    err << '\n';
    return kExitRefused;
}

const char* RefusalText(int code) {
    switch (code) {
        case kPasswordHasCapitals:
            return texts::kPasswordHasCapitals;
        case kPasswordNotPlainText:
            return texts::kPasswordNotPlainText;
        case kPasswordTooLong:
            return texts::kPasswordTooLong;
        case kPasswordTooShort:
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
    const int loaded = passwords.Load();
    if (loaded < 0) {
        PrintPasswordsNotLoaded(err, passwords, loaded);
        return kExitRefused;
    }
    std::string first;
    std::string second;
    if (!ReadSecretLine(texts::kNewPasswordPrompt, first, err) ||
        !ReadSecretLine(texts::kRepeatPasswordPrompt, second, err)) {
        return Refused(err, texts::kNoPasswordEntered);
    }
    if (first != second) return Refused(err, texts::kPasswordsDiffer);
    const int set = passwords.Set(slot, first);
    if (set < 0) return Refused(err, RefusalText(set));
    const int saved = passwords.Save();
    if (saved < 0) {
        err << texts::kProgram << ": " << texts::kPasswordNotSaved << EscapedPath(passwords.FilePath())
            << texts::kErrorCode << saved << texts::kErrorCodeEnd << '\n'
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
