#pragma once

#include "cli/CommandSpec.h"

namespace orva::cli {

// orva-cli compare FILE --record POS --record POS [--record POS] [--json]: the answers of two or
// three reports of one person item by item, and how far each pair of reporters agrees.
extern const CommandSpec kCompareCommand;

}  // namespace orva::cli
