#include "cli/SetExportPasswordCommand.h"

#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "reports/ExportPasswords.h"
#include "cli/ReportsCliSupport.h"
#include "cli/ReportsCliTexts.h"
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

}  // namespace

int RunSetExportPassword(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    const CommandWords parsed = ParseCommandWords(words, {}, {});
    if (!parsed.ok) return UsageError(err, parsed.problem, parsed.detail);
    if (parsed.arguments.size() != 1) {
        return parsed.arguments.empty() ? UsageError(err, texts::kMissingArguments)
                                        : UsageError(err, texts::kExtraArgument, parsed.arguments[1]);
    }
    const std::string& slotText = parsed.arguments[0];
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

}  // namespace orva::cli
