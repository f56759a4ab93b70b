// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "model/Clock.h"

class QWidget;

namespace orva {

class Workspace;

// "Edit": empties the current analysis; the user picks a stored record and the way of editing
// it (preset from the settings) in the edit selection dialog; the record is read, checked
// against the row the list showed ("Read Error" otherwise, and no wizard), and the on-screen or
// the paper edit wizard runs over a working copy. After Finish the file name and the way of
// editing are kept in the settings, and after a paper edit the analysis asked for is shown. The
// edit selection is cleared once the wizard has closed. True when a record was saved.
bool RunEditCommand(Workspace& workspace, QWidget* parent, const Clock& clock = SystemClock::Instance());

}  // namespace orva
