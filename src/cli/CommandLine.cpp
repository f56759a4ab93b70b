// SPDX-License-Identifier: Apache-2.0
#include "cli/CommandLine.h"

#include <algorithm>

namespace orva::cli {

namespace {

constexpr std::string_view kEndOfOptions = "--";
constexpr std::string_view kHelp = "--help";
constexpr std::size_t kMaxPositionDigits = 9;  // far beyond any record file, and within int

bool IsOption(std::string_view word) {
    return word.size() > 1 && word.front() == '-';
}

const OptionDefinition* FindOption(const CommandDefinition& definition, std::string_view name) {
    const auto found = std::find_if(definition.options.begin(), definition.options.end(),
                                    [name](const OptionDefinition& option) { return option.name == name; });
    return found == definition.options.end() ? nullptr : &*found;
}

}  // namespace

// Builds a ParsedCommand word by word.
struct CommandLineParser {
    const CommandDefinition& definition;
    const std::vector<std::string>& words;
    ParseResult result;

    void Refuse(std::string_view problem, std::string detail = {}) {
        result.problem = UsageProblem{std::string(problem), std::move(detail)};
    }

    // The option `word` at `i`; moves `i` past its value when that is the next word.
    void TakeOption(std::size_t& i) {
        const std::string& word = words[i];
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const OptionDefinition* option = FindOption(definition, name);
        // A flag is never written with a value.
        if (option == nullptr || (option->valueName.empty() && equals != std::string::npos)) {
            return Refuse(texts::cli::kUnknownOption, word);
        }
        std::string value;
        if (!option->valueName.empty()) {
            if (equals != std::string::npos) {
                value = word.substr(equals + 1);
            } else if (i + 1 < words.size()) {
                value = words[++i];
            } else if (option->missingValue.empty()) {
                return Refuse(texts::cli::kMissingValue, word);
            } else {
                return Refuse(option->missingValue);
            }
            if (option->accepts != nullptr && !option->accepts(value)) return Refuse(option->refusal, value);
        }
        result.command.options_.emplace_back(name, std::move(value));
    }

    void TakeArgument(const std::string& word) {
        if (result.command.arguments_.size() == definition.arguments.size())
            return Refuse(texts::cli::kExtraArgument, word);
        result.command.arguments_.push_back(word);
    }

    ParseResult Parse() {
        bool optionsEnded = false;
        for (std::size_t i = 0; i < words.size() && !result.problem; ++i) {
            const std::string& word = words[i];
            if (optionsEnded || !IsOption(word)) {
                TakeArgument(word);
            } else if (word == kEndOfOptions) {
                optionsEnded = true;
            } else if (word == kHelp) {
                result.helpWanted = true;
                return std::move(result);
            } else {
                TakeOption(i);
            }
        }
        const std::size_t given = result.command.arguments_.size();
        if (!result.problem && given < definition.arguments.size())
            Refuse(definition.arguments[given].missing);
        return std::move(result);
    }
};

bool ParsedCommand::Has(std::string_view option) const {
    return std::any_of(options_.begin(), options_.end(),
                       [option](const auto& given) { return given.first == option; });
}

std::optional<std::string> ParsedCommand::Last(std::string_view option) const {
    const auto found = std::find_if(options_.rbegin(), options_.rend(),
                                    [option](const auto& given) { return given.first == option; });
    if (found == options_.rend()) return std::nullopt;
    return found->second;
}

std::vector<std::string> ParsedCommand::All(std::string_view option) const {
    std::vector<std::string> values;
    for (const auto& [name, value] : options_) {
        if (name == option) values.push_back(value);
    }
    return values;
}

ParseResult ParseCommand(const CommandDefinition& definition, const std::vector<std::string>& words) {
    return CommandLineParser{definition, words, {}}.Parse();
}

std::optional<int> ParsePosition(std::string_view text) {
    if (text.empty() || text.size() > kMaxPositionDigits) return std::nullopt;
    int position = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        position = position * 10 + (c - '0');
    }
    return position;
}

bool IsRecordPosition(std::string_view text) {
    return ParsePosition(text).has_value();
}

std::vector<int> RecordPositions(const ParsedCommand& line) {
    std::vector<int> positions;
    for (const std::string& value : line.All(kRecordOption.name))
        positions.push_back(ParsePosition(value).value_or(-1));
    return positions;
}

}  // namespace orva::cli
