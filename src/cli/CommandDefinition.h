// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace orva::cli {

class ParsedCommand;

// What one command of orva-cli takes, declared once: the parser checks a command line against
// it, and the usage and `COMMAND --help` are written from it.

// A word in a fixed place: FILE, CSV, SLOT.
struct ArgumentDefinition {
    std::string_view name;
    std::string_view help;
    std::string_view missing;  // said when the command line ends before it
};

// An option: a flag such as --json, or one that takes a value (--record POS, also written
// --record=POS). A valued option may be given more than once; the command takes the last value
// or every value as it needs.
struct OptionDefinition {
    std::string_view name;
    std::string_view valueName;  // empty for a flag
    std::string_view help;
    // Checks each value as it is read; a refused value is named after `refusal`.
    bool (*accepts)(std::string_view value) = nullptr;
    std::string_view refusal = {};
    // Said when the value is missing; empty: "the option needs a value: --option".
    std::string_view missingValue = {};
};

using CommandRun = int (*)(const ParsedCommand& line, std::ostream& out, std::ostream& err);

struct CommandDefinition {
    std::string_view name;
    std::string_view synopsis;  // after "orva-cli ", as the usage shows it
    std::string_view description;
    std::string_view exitStatus;
    std::span<const ArgumentDefinition> arguments;
    std::span<const OptionDefinition> options;
    CommandRun run;
    // Success (0) or a partial success (1) of the command means a file was changed.
    bool changesFiles;
};

}  // namespace orva::cli
