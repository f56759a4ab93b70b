#include "ui/shell/ProgramArguments.h"

#include <QCommandLineParser>
#include <QDir>
#include <cstring>

#include "ui/selection/RecordPath.h"
#include "ui/shell/ShellTexts.h"

namespace orva {

bool AsksForHelpOrVersion(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const char* word = argv[i];
        if (std::strcmp(word, "--") == 0) return false;
        for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
            if (std::strcmp(word, option) == 0) return true;
        }
    }
    return false;
}

void DescribeProgramArguments(QCommandLineParser& parser) {
    parser.setApplicationDescription(QString::fromLatin1(texts::kProgramDescription));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QString::fromLatin1(texts::kFileArgument),
                                 QString::fromLatin1(texts::kFileArgumentHelp),
                                 QString::fromLatin1(texts::kFileArgumentSyntax));
}

QString RecordFileArgument(const QCommandLineParser& parser, const QString& workingFolder) {
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) return {};
    const QString path = QDir::cleanPath(QDir(workingFolder).absoluteFilePath(files.front()));
    // A name the record-file rule refuses stays as given, for the dialog to say what is wrong.
    const RecordPathCheck check = CheckRecordPath(path);
    return check.ok ? check.name : path;
}

}  // namespace orva
