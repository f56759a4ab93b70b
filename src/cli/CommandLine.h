#pragma once

#include <string>
#include <vector>

namespace orva::cli {

// The words of one command after its name: the record file, --json and any --record POS.
struct CommandLine {
    std::string file;
    bool json = false;
    std::vector<int> records;  // in the order given
};

struct ParseOutcome {
    bool ok = true;
    std::string problem;  // what is wrong, for the usage message
    std::string detail;   // the offending word
};

// `acceptRecords`: whether --record belongs to the command. "--" ends the options.
ParseOutcome ParseCommandLine(const std::vector<std::string>& words, bool acceptRecords, CommandLine& line);

}  // namespace orva::cli
