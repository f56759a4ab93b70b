#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace orva::cli {

// orva-cli import CSV FILE: appends one record per row of an exported CSV to the record file
// FILE (created when missing), all rows or none. 0 when imported, 2 when refused.
int RunImportCommand(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

}  // namespace orva::cli
