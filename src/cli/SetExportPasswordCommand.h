// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/CommandDefinition.h"

namespace orva::cli {

// orva-cli set-export-password SLOT: sets export password SLOT (1 to 3) of this computer, or
// clears it when the entry is empty; the password is asked twice, without echo on a terminal.
// 0 when changed, 2 when refused.
extern const CommandDefinition kSetExportPasswordCommand;

}  // namespace orva::cli
