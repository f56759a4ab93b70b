// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/CommandDefinition.h"

namespace orva::cli {

// orva-cli analyse FILE --record POS [--record POS] [--record POS] [--json]: what the analysis
// grids show for up to three records of the file, at most one per reporter.
extern const CommandDefinition kAnalyseCommand;

}  // namespace orva::cli
