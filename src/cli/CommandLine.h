// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/CliTexts.h"
#include "cli/CommandDefinition.h"

namespace orva::cli {

// The words of one command after its name, checked against its CommandDefinition.
class ParsedCommand {
  public:
    const std::vector<std::string>& Arguments() const { return arguments_; }
    // Whether the flag or valued option was given.
    bool Has(std::string_view option) const;
    // The last value given to the option.
    std::optional<std::string> Last(std::string_view option) const;
    // Every value given to the option, in order.
    std::vector<std::string> All(std::string_view option) const;

  private:
    friend struct CommandLineParser;
    std::vector<std::string> arguments_;
    std::vector<std::pair<std::string, std::string>> options_;  // name and value (empty for a flag)
};

// A command line the parser refused: what is wrong, and the offending word when there is one.
struct UsageProblem {
    std::string problem;
    std::string detail;
};

struct ParseResult {
    ParsedCommand command;
    bool helpWanted = false;  // --help was given
    std::optional<UsageProblem> problem;
};

// Checks `words` against `definition` in the order they come; the first fault is the one named.
// A word starting with '-' (other than "-" alone) is an option until "--", which ends them.
ParseResult ParseCommand(const CommandDefinition& definition, const std::vector<std::string>& words);

// A record position as given to --record: digits only, within int.
std::optional<int> ParsePosition(std::string_view text);
// The positions given with --record, in order; the parser has checked them.
std::vector<int> RecordPositions(const ParsedCommand& line);

bool IsRecordPosition(std::string_view text);

// The record file most commands take first.
inline constexpr ArgumentDefinition kRecordFileArgument{"FILE", texts::cli::kFileHelp,
                                                        texts::cli::kMissingFile};

// Options more than one command takes.
inline constexpr OptionDefinition kJsonOption{"--json", "", texts::cli::kJsonHelp};
inline constexpr OptionDefinition kRecordOption{"--record",
                                                "POS",
                                                texts::cli::kRecordHelp,
                                                IsRecordPosition,
                                                texts::cli::kBadPosition,
                                                texts::cli::kMissingPosition};
inline constexpr OptionDefinition kReplaceOption{"--replace", "", texts::cli::kReplaceHelp};

}  // namespace orva::cli
