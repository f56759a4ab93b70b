#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace orva::cli {

// orva-cli export FILE CSV --accept-privacy [--replace]: asks for an export password, then
// writes every record of FILE to CSV. 0 when every record was written, 1 for a partial export,
// 2 when refused or stopped.
int RunExportCommand(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

}  // namespace orva::cli
