// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <ostream>
#include <string>

#include "cli/CommandDefinition.h"

namespace orva::cli {

// The usage of orva-cli: a line per command, then what every command shares.
std::string UsageText();

// What `orva-cli COMMAND --help` prints: the command's synopsis, what it does, a line for each
// of its arguments and options, and its exit status.
void WriteCommandHelp(std::ostream& out, const CommandDefinition& definition);

}  // namespace orva::cli
