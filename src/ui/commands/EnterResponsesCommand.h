// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "model/Clock.h"

class QWidget;

namespace orva {

class Workspace;

// "Enter responses": empties the current analysis, runs the paper wizard for a new Paper record
// and the last record file, and after Finish keeps the file name and the analysis choices in
// the settings and shows the analysis the wizard filled when it was asked for. True when a
// record was saved.
bool RunEnterResponsesCommand(Workspace& workspace, QWidget* parent,
                              const Clock& clock = SystemClock::Instance());

}  // namespace orva
