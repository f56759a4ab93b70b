// SPDX-License-Identifier: Apache-2.0
#pragma once

class QString;
class QWidget;

namespace orva {

class Prompter;
class Workspace;

// Export a Questionnaire File: the export password, then the export dialog with the names of
// the last export; the names are kept only when a run completed. When this computer has no
// usable export password the command says what the administrator must do and ends.
void RunExportFileCommand(Workspace& workspace, QWidget* parent);

// The export the dialog hands the names to: every record of `recordFileName`.rpc to
// `exportName`.csv (names as typed, without their extensions; without a folder, in the base
// folder), asking before an existing export file is replaced and telling how the run went, the
// files named as typed. True when the run completed, fully or partly.
bool ExportRecordFile(Prompter& prompter, const QString& recordFileName, const QString& exportName);

}  // namespace orva
