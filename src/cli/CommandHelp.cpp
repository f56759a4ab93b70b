// SPDX-License-Identifier: Apache-2.0
#include "cli/CommandHelp.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "cli/CliTexts.h"
#include "cli/CommandTable.h"

namespace orva::cli {

namespace {

constexpr std::size_t kColumnGap = 2;

}  // namespace

std::string UsageText() {
    std::string usage = texts::cli::kUsageHeading;
    for (const CommandDefinition* command : AllCommands()) {
        usage.append(texts::cli::kUsageIndent)
            .append(texts::cli::kProgram)
            .append(" ")
            .append(command->synopsis)
            .append("\n");
    }
    return usage.append(texts::cli::kUsageCommonLines).append(texts::cli::kUsageNotes);
}

void WriteCommandHelp(std::ostream& out, const CommandDefinition& definition) {
    std::vector<std::pair<std::string, std::string_view>> lines;
    for (const ArgumentDefinition& argument : definition.arguments)
        lines.emplace_back(argument.name, argument.help);
    for (const OptionDefinition& option : definition.options) {
        std::string name(option.name);
        if (!option.valueName.empty()) name.append(" ").append(option.valueName);
        lines.emplace_back(std::move(name), option.help);
    }
    lines.emplace_back(texts::cli::kHelpOption, texts::cli::kHelpHelp);
    std::size_t width = 0;
    for (const auto& line : lines) width = std::max(width, line.first.size());

    out << texts::cli::kHelpUsage << definition.synopsis << "\n\n" << definition.description << '\n';
    for (const auto& [name, help] : lines) {
        out << texts::cli::kUsageIndent << name << std::string(width - name.size() + kColumnGap, ' ') << help
            << '\n';
    }
    out << '\n' << definition.exitStatus;
}

}  // namespace orva::cli
