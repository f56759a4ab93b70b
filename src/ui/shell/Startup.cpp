#include "ui/shell/Startup.h"

#include <clocale>
#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QTimer>

#include "ui/settings/AppSettings.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/ProgramStyle.h"
#include "ui/QtPrompter.h"
#include "ui/shell/AnalysisView.h"
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
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        const bool written = std::printf("%s %s\n", texts::kProgramName, kVersion) > 0 && std::fflush(stdout) == 0;
        return written ? 0 : 1;
    }
    QApplication app(argc, argv);
    // Qt takes the user's number format for the C library; the record, report and CSV texts
    // the core formats must read the same on every desktop.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QString::fromLatin1(texts::kAppTitle));
    QApplication::setWindowIcon(Resources::AppIcon());
    // A file name typed without a folder must mean the same file in every window: the wizards
    // save such a name in the home folder, so the selection, export and report dialogs look
    // there too, wherever the program was started from.
    QDir::setCurrent(QDir::homePath());

    QtPrompter prompter;
    std::unique_ptr<MainWindow> frame = StartUp(prompter, SettingsStore::ForThisUser());
    if (qEnvironmentVariableIsSet("ORVA_EXIT_AFTER_FIRST_PAINT")) {
        frame->View()->Welcome()->installEventFilter(new QuitAfterFirstPaint(frame.get()));
    }
    frame->showNormal();
    return app.exec();
}

}  // namespace orva
