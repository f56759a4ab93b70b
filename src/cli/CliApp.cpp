#include "cli/CliApp.h"

#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "cli/AnalyseCommand.h"
#include "cli/CheckCommand.h"
#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "cli/CompareCommand.h"
#include "cli/ExportCommand.h"
#include "cli/HistoryCommand.h"
#include "cli/ImportCommand.h"
#include "cli/ListCommand.h"
#include "cli/ReportCommand.h"
#include "cli/ReportsCliSupport.h"
#include "cli/SetExportPasswordCommand.h"
#include "model/Version.h"
#include "store/StoreMessages.h"
#include "store/UnmatchedJournal.h"

namespace orva::cli {

namespace {

using CommandFunction = int (*)(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

struct Command {
    std::string_view name;
    CommandFunction run;
    // Success (0) or a partial success (1) of this command means a file was changed.
    bool changesFiles;
};

// Every command of orva-cli; a new command is one more entry and its own file.
constexpr Command kCommands[] = {
    {"list", RunList, false},
    {"analyse", RunAnalyse, false},
    {"compare", RunCompare, false},
    {"history", RunHistory, false},
    {"export", RunExportCommand, true},
    {"import", RunImportCommand, true},
    {"report", RunReportCommand, true},
    {"set-export-password", RunSetExportPassword, true},
    {"check", RunCheck, false},
};

}  // namespace

int Run(int argc, const char* const argv[], std::ostream& out, std::ostream& err) {
    if (argc < 2) return UsageError(err, texts::kMissingCommand);
    const std::string_view name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        out << texts::kUsage;
        if (out.flush()) return kExitSuccess;
        err << texts::kProgram << ": " << texts::kOutputFailed << '\n';
        return kExitRefused;
    }
    if (name == "--version") {
        out << texts::kProgram << ' ' << kVersion << '\n';
        return out.flush() ? kExitSuccess : kExitRefused;
    }
    const std::vector<std::string> words(argv + 2, argv + argc);
    // A journal that did not belong to its record file was left unapplied: the user hears of it
    // whatever the command.
    const UnmatchedJournalListening listening([&err](const UnmatchedJournal& journal) {
        PrintPlainMessage(err, UnmatchedJournalMessage(journal.recordFile, journal.keptAs));
    });
    for (const Command& command : kCommands) {
        if (command.name != name) continue;
        int status = kExitRefused;
        try {
            status = command.run(words, out, err);
        } catch (const std::exception& failure) {
            err << texts::kProgram << ": " << failure.what() << '\n';
            return kExitRefused;
        }
        if (out.flush()) return status;
        // The status tells what happened to the files: a file that was changed stays changed
        // when only its summary could not be written (a full disk); output that was all there
        // was to a command must not pass for done.
        if (command.changesFiles && status != kExitRefused) {
            err << texts::kProgram << ": " << texts::kOutputFailedAfterChange << '\n';
            return status;
        }
        err << texts::kProgram << ": " << texts::kOutputFailed << '\n';
        return kExitRefused;
    }
    return UsageError(err, texts::kUnknownCommand, name);
}

}  // namespace orva::cli
