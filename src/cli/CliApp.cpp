// SPDX-License-Identifier: Apache-2.0
#include "cli/CliApp.h"

#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "cli/CommandHelp.h"
#include "cli/CommandLine.h"
#include "cli/CommandTable.h"
#include "cli/ReportsCliSupport.h"
#include "model/Version.h"
#include "store/StoreMessages.h"
#include "store/UnmatchedJournal.h"

namespace orva::cli {

namespace {

// Help is all there was to print: output that cannot be written must not pass for done.
int HelpWritten(std::ostream& out, std::ostream& err) {
    if (out.flush()) return kExitSuccess;
    err << texts::cli::kProgram << ": " << texts::cli::kOutputFailed << '\n';
    return kExitRefused;
}

int RunCommand(const CommandDefinition& command, const std::vector<std::string>& words, std::ostream& out,
               std::ostream& err) {
    const ParseResult parsed = ParseCommand(command, words);
    if (parsed.helpWanted) {
        WriteCommandHelp(out, command);
        return HelpWritten(out, err);
    }
    if (parsed.problem) return UsageError(err, parsed.problem->problem, parsed.problem->detail);
    int status = kExitRefused;
    try {
        status = command.run(parsed.command, out, err);
    } catch (const std::exception& failure) {
        err << texts::cli::kProgram << ": " << failure.what() << '\n';
        return kExitRefused;
    }
    if (out.flush()) return status;
    // The status tells what happened to the files: a file that was changed stays changed
    // when only its summary could not be written (a full disk); output that was all there
    // was to a command must not pass for done.
    if (command.changesFiles && status != kExitRefused) {
        err << texts::cli::kProgram << ": " << texts::cli::kOutputFailedAfterChange << '\n';
        return status;
    }
    err << texts::cli::kProgram << ": " << texts::cli::kOutputFailed << '\n';
    return kExitRefused;
}

}  // namespace

int Run(int argc, const char* const argv[], std::ostream& out, std::ostream& err) {
    if (argc < 2) return UsageError(err, texts::cli::kMissingCommand);
    const std::string_view name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        out << UsageText();
        return HelpWritten(out, err);
    }
    if (name == "--version") {
        out << texts::cli::kProgram << ' ' << kVersion << '\n';
        return out.flush() ? kExitSuccess : kExitRefused;
    }
    // A journal that did not belong to its record file was left unapplied: the user hears of it
    // whatever the command.
    const UnmatchedJournalListening listening([&err](const UnmatchedJournal& journal) {
        PrintPlainMessage(err, UnmatchedJournalMessage(journal.recordFile, journal.keptAs));
    });
    for (const CommandDefinition* command : AllCommands()) {
        if (command->name == name)
            return RunCommand(*command, std::vector<std::string>(argv + 2, argv + argc), out, err);
    }
    return UsageError(err, texts::cli::kUnknownCommand, name);
}

}  // namespace orva::cli
