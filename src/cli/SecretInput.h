// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <ostream>
#include <string>

namespace orva::cli {

// Reads one line of secret text from standard input. On a terminal the prompt goes to the
// error stream and nothing typed is echoed; otherwise the line is read as it comes (a trailing
// CR is dropped). False at the end of the input, and for a line longer than any password could
// be (1024 bytes), of which no more is read.
bool ReadSecretLine(const std::string& prompt, std::string& line, std::ostream& err);

}  // namespace orva::cli
