// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <ostream>

namespace orva::cli {

// Runs one command line of orva-cli and returns its exit status (CliOutput.h).
int Run(int argc, const char* const argv[], std::ostream& out, std::ostream& err);

}  // namespace orva::cli
