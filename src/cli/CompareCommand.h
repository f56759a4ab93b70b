#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace orva::cli {

// orva-cli compare FILE --record POS --record POS [--record POS] [--json]: the answers of two or
// three reports of one person item by item, and how far each pair of reporters agrees.
int RunCompare(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

}  // namespace orva::cli
