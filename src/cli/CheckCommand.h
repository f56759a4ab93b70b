// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/CommandDefinition.h"

namespace orva::cli {

// orva-cli check FILE [--json]: reads the whole record file and reports its records, the
// damaged ones with the reason, and whether it ends in part of a record. Exit 0 for a sound
// file, 1 when damage was found, 2 when the file cannot be read at all.
extern const CommandDefinition kCheckCommand;

}  // namespace orva::cli
