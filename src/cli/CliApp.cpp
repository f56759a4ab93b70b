#include "cli/CliApp.h"

#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "cli/AnalyseCommand.h"
#include "cli/CheckCommand.h"
#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "cli/ExportCommand.h"
#include "cli/ImportCommand.h"
#include "cli/ListCommand.h"
#include "cli/ReportCommand.h"
#include "cli/SetExportPasswordCommand.h"

namespace orva::cli {

namespace {

using CommandFunction = int (*)(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

struct Command {
    std::string_view name;
    CommandFunction run;
};

// Every command of orva-cli; a new command is one more entry and its own file.
constexpr Command kCommands[] = {
    {"list", RunList},
    {"analyse", RunAnalyse},
    {"export", RunExportCommand},
    {"import", RunImportCommand},
    {"report", RunReportCommand},
    {"set-export-password", RunSetExportPassword},
    {"check", RunCheck},
};

}  // namespace

int Run(int argc, const char* const argv[], std::ostream& out, std::ostream& err) {
    if (argc < 2) return UsageError(err, texts::kMissingCommand);
    const std::string_view name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        out << texts::kUsage;
        return kExitSuccess;
    }
    const std::vector<std::string> words(argv + 2, argv + argc);
    for (const Command& command : kCommands) {
        if (command.name != name) continue;
        int status = kExitRefused;
        try {
            status = command.run(words, out, err);
        } catch (const std::exception& failure) {
            err << texts::kProgram << ": " << failure.what() << '\n';
            return kExitRefused;
        }
        // Output that could not be written in full (a full disk) must not pass for done.
        if (!out.flush()) {
            err << texts::kProgram << ": " << texts::kOutputFailed << '\n';
            return kExitRefused;
        }
        return status;
    }
    return UsageError(err, texts::kUnknownCommand, name);
}

}  // namespace orva::cli
