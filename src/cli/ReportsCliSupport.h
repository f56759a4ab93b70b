#pragma once

#include <initializer_list>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/UserMessage.h"
#include "reports/ExportPasswords.h"

namespace orva::cli {

// The words of an export, import, report or set-export-password command.
struct CommandWords {
    bool ok = true;
    std::string problem;  // for the usage message
    std::string detail;
    std::vector<std::string> arguments;                       // in order
    std::set<std::string> flags;                              // options without a value
    std::vector<std::pair<std::string, std::string>> values;  // options with a value, in order
};

// Splits the words into arguments and the known options; "--" ends the options, and
// "--option=value" is the same as "--option value".
CommandWords ParseCommandWords(const std::vector<std::string>& words,
                               std::initializer_list<const char*> flags,
                               std::initializer_list<const char*> valued);

// A message whose text holds a path as the user typed it: written as it is, since the
// product's own words in it are plain ASCII, with its control characters escaped.
void PrintPlainMessage(std::ostream& stream, const UserMessage& message);

// Why the export passwords could not be read (`code`, from Load), with what an administrator
// must put right when they are not safe.
void PrintPasswordsNotLoaded(std::ostream& err, const ExportPasswords& passwords, int code);

// The name without `extension` when it ends in it.
std::string WithoutExtension(std::string_view name, std::string_view extension);

}  // namespace orva::cli
