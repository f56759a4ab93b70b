// SPDX-License-Identifier: Apache-2.0
#pragma once

class QWidget;

namespace orva {

class Workspace;

// Export a Questionnaire File: the export password, then the export dialog with the names of
// the last export; the names are kept only when a run completed. When this computer has no
// usable export password the command says what the administrator must do and ends.
void RunExportFileCommand(Workspace& workspace, QWidget* parent);

}  // namespace orva
