// SPDX-License-Identifier: Apache-2.0
#include "ui/shell/Startup.h"

#include <clocale>
#include <cstdio>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QEvent>
#include <QTimer>

#include "ui/settings/AppSettings.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/ProgramStyle.h"
#include "ui/QtPrompter.h"
#include "ui/shell/AnalysisView.h"
#include "ui/commands/AnalysisCommand.h"
#include "ui/shell/ProgramArguments.h"
#include "ui/Resources.h"
#include "ui/shell/ShellTexts.h"
#include "ui/shell/WelcomeScreen.h"
#include "model/Version.h"

namespace orva {

namespace {

// Measuring hook for the start-up benchmark: when ORVA_EXIT_AFTER_FIRST_PAINT is set, the
// program ends as soon as the welcome screen has been painted once.
class QuitAfterFirstPaint final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

}  // namespace

std::unique_ptr<MainWindow> StartUp(Prompter& prompter, std::shared_ptr<SettingsStore> store) {
    ProgramStyle::Install();
    AppSettings(store).WriteAll();
    return std::make_unique<MainWindow>(prompter, std::move(store));
}

int RunOrva(int& argc, char** argv) {
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    if (AsksForHelpOrVersion(argc, argv)) {
        // Answered without a display: a toolkit object that opens no window reads the words,
        // and the parser prints and ends the program. The toolkit's own options (-platform ...)
        // are not the parser's to refuse here.
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QString::fromLatin1(texts::kProgramName));
        QCommandLineParser parser;
        DescribeProgramArguments(parser);
        parser.parse(QCoreApplication::arguments());
        if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
        parser.showHelp();
    }
    QApplication app(argc, argv);
    // Qt takes the user's number format for the C library; the record, report and CSV texts
    // the core formats must read the same on every desktop.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QString::fromLatin1(texts::kAppTitle));
    QApplication::setWindowIcon(Resources::AppIcon());
    QCommandLineParser parser;
    DescribeProgramArguments(parser);
    parser.process(app);
    if (parser.positionalArguments().size() > 1) {
        std::fputs(texts::kOneRecordFileOnly, stderr);
        return 1;
    }
    // A file named on the command line is named from where the program was started; a name
    // typed in a window without a folder means a file in the base folder (RecordPath).
    const QString recordFile = RecordFileArgument(parser, QDir::currentPath());

    QtPrompter prompter;
    std::unique_ptr<MainWindow> frame = StartUp(prompter, SettingsStore::ForThisUser());
    if (qEnvironmentVariableIsSet("ORVA_EXIT_AFTER_FIRST_PAINT")) {
        frame->View()->Welcome()->installEventFilter(new QuitAfterFirstPaint(frame.get()));
    }
    frame->showNormal();
    if (!recordFile.isEmpty()) {
        QTimer::singleShot(0, frame.get(), [&frame, recordFile] { RunAnalysisCommand(frame->Work(), frame.get(), recordFile); });
    }
    return app.exec();
}

}  // namespace orva
