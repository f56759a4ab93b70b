// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>

#include "screening/AnalysisGrid.h"

namespace orva::cli {

// A cell of the analysis grids for a text table: a shaded cell carries the mark on every line,
// so that no line of it reads as unshaded.
std::string Cell(const GridCell& cell);

// The grid's "\r\n" line breaks as plain "\n".
std::string Lines(const std::string& text);

}  // namespace orva::cli
