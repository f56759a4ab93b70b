// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <ostream>
#include <string>

namespace orva::cli {

// Reads the CSV to import, refusing, each with its message on `err`, anything that is not an
// ordinary file (a folder, a pipe that would never end, a device such as /dev/zero) before
// reading it, and any file longer than the largest export of a full record file. Never reads
// more than that many bytes and one.
bool ReadCsvToImport(const std::string& path, std::string& content, std::ostream& err);

}  // namespace orva::cli
