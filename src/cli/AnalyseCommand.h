#pragma once

#include "cli/CommandSpec.h"

namespace orva::cli {

// orva-cli analyse FILE --record POS [--record POS] [--record POS] [--json]: what the analysis
// grids show for up to three records of the file, at most one per reporter.
extern const CommandSpec kAnalyseCommand;

}  // namespace orva::cli
