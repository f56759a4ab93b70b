#pragma once

#include <QString>

class QCommandLineParser;

namespace orva {

// The desktop program's command line: --help and --version, and a record file to choose in the
// Analysis dialog at start (as a file manager opens a record file). Qt's own options (-platform,
// -style, ...) are taken by the toolkit.

// Whether the words ask for the help or the version: these are answered before the toolkit
// needs a display. Words after "--" are files.
bool AsksForHelpOrVersion(int argc, const char* const* argv);

// Describes the program's options and its FILE argument to `parser`.
void DescribeProgramArguments(QCommandLineParser& parser);

// The record file named by the parsed words, as the Analysis dialog's file field takes it: a path
// made absolute against `workingFolder`, without ".rpc". Empty when none was named.
QString RecordFileArgument(const QCommandLineParser& parser, const QString& workingFolder);

}  // namespace orva
