#include "cli/ReportsCliSupport.h"

#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "cli/ReportsCliTexts.h"
#include "reports/ReportsResult.h"

namespace orva::cli {

CommandWords ParseCommandWords(const std::vector<std::string>& words,
                               std::initializer_list<const char*> flags,
                               std::initializer_list<const char*> valued) {
    CommandWords parsed;
    const auto refuse = [&parsed](const char* problem, const std::string& detail) {
        parsed.ok = false;
        parsed.problem = problem;
        parsed.detail = detail;
        return parsed;
    };
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            parsed.arguments.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        bool known = false;
        for (const char* flag : flags) {
            if (name == flag && equals == std::string::npos) {
                parsed.flags.insert(name);
                known = true;
            }
        }
        for (const char* option : valued) {
            if (name != option) continue;
            known = true;
            if (equals != std::string::npos) {
                parsed.values.emplace_back(name, word.substr(equals + 1));
            } else if (i + 1 < words.size()) {
                parsed.values.emplace_back(name, words[++i]);
            } else {
                return refuse(texts::kMissingValue, word);
            }
        }
        if (!known) return refuse(texts::kUnknownOption, word);
    }
    return parsed;
}

void PrintPlainMessage(std::ostream& stream, const UserMessage& message) {
    stream << texts::kProgram << ": " << EscapedMessage(message.caption) << '\n'
           << EscapedMessage(message.text) << '\n';
}

void PrintPasswordsNotLoaded(std::ostream& err, const ExportPasswords& passwords, int code) {
    const bool unsafe = code == kPasswordFileUnsafe;
    err << texts::kProgram << ": " << (unsafe ? texts::kPasswordsUnsafe : texts::kPasswordsUnreadable)
        << EscapedPath(unsafe ? passwords.UntrustedPath() : passwords.FilePath()) << texts::kErrorCode << code
        << texts::kErrorCodeEnd << '\n';
}

std::string WithoutExtension(std::string_view name, std::string_view extension) {
    if (name.size() > extension.size() && name.substr(name.size() - extension.size()) == extension) {
        name.remove_suffix(extension.size());
    }
    return std::string(name);
}

}  // namespace orva::cli
