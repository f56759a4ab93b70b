// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <span>

#include "cli/CommandDefinition.h"

namespace orva::cli {

// Every command of orva-cli, in the order the usage lists them; a new command is one more entry
// and a file of its own.
std::span<const CommandDefinition* const> AllCommands();

}  // namespace orva::cli
