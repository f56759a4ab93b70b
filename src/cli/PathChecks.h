// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace orva::cli {

// The record file named on the command line: the record-file name rule applied (".rpc" added),
// then a folder of that name refused. Prints the refusal on `err` and gives nothing.
std::optional<std::string> ResolveRecordFile(std::string_view argument, std::ostream& err);

}  // namespace orva::cli
