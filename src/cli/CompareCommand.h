// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/CommandDefinition.h"

namespace orva::cli {

// orva-cli compare FILE --record POS --record POS [--record POS] [--json]: the answers of two or
// three reports of one person item by item, and how far each pair of reporters agrees.
extern const CommandDefinition kCompareCommand;

}  // namespace orva::cli
