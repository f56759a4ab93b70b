// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <nlohmann/json_fwd.hpp>
#include <ostream>
#include <string>

#include "screening/PersonHistory.h"

namespace orva::cli {

// What the history window shows, plus the numbers its texts are made from.
nlohmann::ordered_json HistoryDocument(const std::string& path, const PersonQuery& person,
                                       const PersonHistory& history);

// The same as a table: one column per assessment, one row per screening row, the positive
// screens and Omega at the foot; then the records each completion date gives to an analysis.
void WriteHistoryText(std::ostream& out, const std::string& path, const PersonQuery& person,
                      const PersonHistory& history);

}  // namespace orva::cli
