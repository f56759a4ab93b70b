// SPDX-License-Identifier: Apache-2.0
#pragma once

class QWidget;

namespace orva {

class Workspace;

// Save As: the analysis shown saved as an RTF report under a suggested name; the name is kept
// as the folder of the next suggestion only when the report was saved.
void RunSaveAsCommand(Workspace& workspace, QWidget* parent);

}  // namespace orva
