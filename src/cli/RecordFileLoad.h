// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <ostream>
#include <string>

#include "store/RecordList.h"

namespace orva::cli {

// A record file named on the command line, loaded in file order.
struct LoadedFile {
    int status = 0;        // an ExitStatus: success, partial (some records failed) or refused
    std::string path;      // the full path, ".rpc" included
};

// Applies the record-file name rule to `argument` and loads the file read-only, unsorted.
// Refusals and failures are printed with the product's messages; records that failed to load
// are reported by count and position, and the status says so.
LoadedFile LoadRecordFile(const std::string& argument, RecordList& list, std::ostream& err);

}  // namespace orva::cli
