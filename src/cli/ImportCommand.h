// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/CommandDefinition.h"

namespace orva::cli {

// orva-cli import CSV FILE: appends one record per row of an exported CSV to the record file
// FILE (created when missing), all rows or none. 0 when imported, 2 when refused.
extern const CommandDefinition kImportCommand;

}  // namespace orva::cli
