// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/CommandDefinition.h"

namespace orva::cli {

// orva-cli report FILE --record POS [--record POS] [--record POS] (--rtf OUT | --pdf OUT) [--replace]:
// saves the analysis of the chosen records as an RTF report. 0 when saved, 2 when refused or
// the file could not be written in full.
extern const CommandDefinition kReportCommand;

}  // namespace orva::cli
