// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/CommandDefinition.h"

namespace orva::cli {

// orva-cli history FILE --first-name NAME --last-name NAME --birth-date YYYYMMDD [--json]: every
// record of one person in the file by completion date, each screened alone. The person is
// checked and found as the selection dialogs check and find one.
extern const CommandDefinition kHistoryCommand;

}  // namespace orva::cli
