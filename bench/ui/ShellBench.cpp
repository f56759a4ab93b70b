#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QApplication>
#include <QPixmap>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "ui/settings/AppSettings.h"
#include "ui/shell/MainWindow.h"
#include "ui/QtPrompter.h"
#include "ui/shell/WelcomeScreen.h"

extern char** environ;

namespace {

// Settings go to a folder of the benchmark's own, never to the machine's store.
QTemporaryDir& SettingsDir() {
    static QTemporaryDir dir;
    return dir;
}

// The whole program, from launch until the main window with its welcome screen has been
// painted once (the program ends itself there when ORVA_EXIT_AFTER_FIRST_PAINT is set).
// Real time, as the work happens in the child process.
void BM_ProgramStartToFirstPaint(benchmark::State& state) {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry(*e);
        if (entry.rfind("ORVA_", 0) != 0 && entry.rfind("QT_QPA_PLATFORM=", 0) != 0) {
            env.push_back(entry);
        }
    }
    env.push_back("ORVA_EXIT_AFTER_FIRST_PAINT=1");
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back("ORVA_SETTINGS_DIR=" + SettingsDir().path().toStdString());
    std::vector<char*> envp;
    for (std::string& entry : env) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    std::string program = ORVA_PROGRAM;
    char* argv[] = {program.data(), nullptr};

    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0) {
            state.SkipWithError("cannot start the program");
            return;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the program did not end normally");
            return;
        }
    }
}
BENCHMARK(BM_ProgramStartToFirstPaint)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

// Start-up's own work inside a running toolkit: the main window with menu, toolbar, view,
// analysis form and grids, shown and painted once.
void BM_MainWindowBuildAndPaint(benchmark::State& state) {
    orva::QtPrompter prompter;
    for (auto _ : state) {
        orva::MainWindow frame(prompter, orva::SettingsStore::ForThisUser());
        QPixmap painted = frame.grab();
        benchmark::DoNotOptimize(painted);
    }
}
BENCHMARK(BM_MainWindowBuildAndPaint)->Unit(benchmark::kMillisecond);

// The settings read and written back whole, as at every start and after every command.
void BM_SettingsReadAndWriteBack(benchmark::State& state) {
    for (auto _ : state) {
        orva::AppSettings settings;
        settings.SetORVAFileName("/home/clinic/records/orva_2026");
        benchmark::DoNotOptimize(settings.WriteAll());
    }
}
BENCHMARK(BM_SettingsReadAndWriteBack)->Unit(benchmark::kMicrosecond);

// One repaint of the welcome screen: two pictures and seventeen lines of text.
void BM_WelcomeRepaint(benchmark::State& state) {
    orva::WelcomeScreen welcome;
    welcome.resize(welcome.sizeHint());
    for (auto _ : state) {
        QPixmap painted = welcome.grab();
        benchmark::DoNotOptimize(painted);
    }
}
BENCHMARK(BM_WelcomeRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qputenv("ORVA_SETTINGS_DIR", QFile::encodeName(SettingsDir().path()));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
