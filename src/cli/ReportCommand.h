#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace orva::cli {

// orva-cli report FILE --record POS [--record POS] [--record POS] (--rtf OUT | --pdf OUT) [--replace]:
// saves the analysis of the chosen records as an RTF report. 0 when saved, 2 when refused or
// the file could not be written in full.
int RunReportCommand(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

}  // namespace orva::cli
