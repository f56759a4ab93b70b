// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/CommandDefinition.h"

namespace orva::cli {

// orva-cli list FILE [--json]: the file's loadable records in file order.
extern const CommandDefinition kListCommand;

}  // namespace orva::cli
