// SPDX-License-Identifier: Apache-2.0
#include <iostream>

#include "cli/CliApp.h"

int main(int argc, char* argv[]) { return orva::cli::Run(argc, argv, std::cout, std::cerr); }
