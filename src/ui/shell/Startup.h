#pragma once

#include <memory>

namespace orva {

class MainWindow;
class Prompter;
class SettingsStore;

// Start-up once the toolkit exists: the program's style goes over the desktop's, the settings
// are read and at once written back whole (so that after every start the store holds all six
// values), then the main window and its view are created. The caller shows the window.
std::unique_ptr<MainWindow> StartUp(Prompter& prompter, std::shared_ptr<SettingsStore> store);

// The whole program: the toolkit (with its standard command-line handling), start-up, the main
// window shown normally, the event loop. "--help" and "--version" print and end at once, without
// a display, so an administrator can ask an installed program what it is. A record file named on
// the command line is chosen in the Analysis dialog, which opens at once.
int RunOrva(int& argc, char** argv);

}  // namespace orva
