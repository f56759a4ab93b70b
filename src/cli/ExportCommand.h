// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/CommandDefinition.h"

namespace orva::cli {

// orva-cli export FILE CSV --accept-privacy [--replace]: asks for an export password, then
// writes every record of FILE to CSV. 0 when every record was written, 1 for a partial export,
// 2 when refused or stopped.
extern const CommandDefinition kExportCommand;

}  // namespace orva::cli
