#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace orva::cli {

// orva-cli list FILE [--json]: the file's loadable records in file order.
int RunList(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

}  // namespace orva::cli
