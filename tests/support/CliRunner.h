// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <vector>

namespace orva::testsupport {

// What one run of the built orva-cli gave.
struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the built orva-cli with `args` and `input` on its standard input (a file, never a
// terminal). `outTarget`, when given, receives the output stream, which then is not read back.
CliRun RunCli(const std::vector<std::string>& args, const std::string& input = {},
              const std::string& outTarget = {});

}  // namespace orva::testsupport
