#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace orva::cli {

// orva-cli analyse FILE --record POS [--record POS] [--record POS] [--json]: what the analysis
// grids show for up to three records of the file, at most one per reporter.
int RunAnalyse(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

}  // namespace orva::cli
