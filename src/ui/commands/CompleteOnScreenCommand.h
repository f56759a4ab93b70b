// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "model/Clock.h"

class QWidget;

namespace orva {

class Workspace;

// "Complete on screen": empties the current analysis, runs the on-screen wizard for a new
// On-Screen record and the last record file, and after Finish keeps the file name used in the
// settings. It never shows an analysis. True when a record was saved.
bool RunCompleteOnScreenCommand(Workspace& workspace, QWidget* parent, const Clock& clock = SystemClock::Instance());

}  // namespace orva
