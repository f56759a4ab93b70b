// SPDX-License-Identifier: Apache-2.0
#include "cli/ReportsCliSupport.h"

#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "reports/ReportsError.h"

namespace orva::cli {

void PrintPlainMessage(std::ostream& stream, const UserMessage& message) {
    stream << texts::cli::kProgram << ": " << EscapedMessage(message.caption) << '\n'
           << EscapedMessage(message.text) << '\n';
}

void PrintPasswordsNotLoaded(std::ostream& err, const ExportPasswords& passwords, ReportsFailure failure) {
    const bool unsafe = failure.Is(ReportsError::PasswordFileUnsafe);
    err << texts::cli::kProgram << ": "
        << (unsafe ? texts::cli::kPasswordsUnsafe : texts::cli::kPasswordsUnreadable)
        << EscapedPath(unsafe ? passwords.UntrustedPath() : passwords.FilePath()) << texts::cli::kErrorCode
        << failure.Code() << texts::cli::kErrorCodeEnd << '\n';
}

std::string WithoutExtension(std::string_view name, std::string_view extension) {
    if (name.size() > extension.size() && name.substr(name.size() - extension.size()) == extension) {
        name.remove_suffix(extension.size());
    }
    return std::string(name);
}

}  // namespace orva::cli
