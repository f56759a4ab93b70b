#pragma once

#include "cli/CommandSpec.h"

namespace orva::cli {

// orva-cli list FILE [--json]: the file's loadable records in file order.
extern const CommandSpec kListCommand;

}  // namespace orva::cli
