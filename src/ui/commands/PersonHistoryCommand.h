// SPDX-License-Identifier: Apache-2.0
#pragma once

class QWidget;

namespace orva {

class Workspace;

// The Person History command. The user names a person and a record file in the history
// selection dialog, offered the remembered file; every record of that person in the file is
// read, the file is remembered, and the history window shows them. "Open Analysis" there makes
// the chosen records the current analysis; closing it leaves the analysis as it was. A file
// that cannot be read, or that no longer holds the person, gives "Read Error" and the dialog
// stays open.
void RunPersonHistoryCommand(Workspace& workspace, QWidget* dialogParent);

}  // namespace orva
