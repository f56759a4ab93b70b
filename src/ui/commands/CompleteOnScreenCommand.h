#pragma once

#include <functional>

#include "model/Clock.h"

class QWidget;

namespace orva {

class AppSettings;
class Prompter;

// "Complete on screen": empties the current analysis (through `discardAnalysis`), runs the
// on-screen wizard for a new On-Screen record and the last record file, and after Finish keeps
// the file name used in the settings. It never shows an analysis. True when a record was saved.
bool CompleteOnScreen(Prompter& prompter, AppSettings& settings, const std::function<void()>& discardAnalysis,
                      QWidget* parent, const Clock& clock = SystemClock::Instance());

}  // namespace orva
