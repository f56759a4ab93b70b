#pragma once

#include <QString>

class QWidget;

namespace orva {

class Workspace;

// The Analysis command. The current analysis is emptied first; the user then picks a person's
// records in the analysis selection dialog, offered the remembered record file. The records
// are read, and only when every one of them reads back as it was listed do they become the
// current analysis and is the record file remembered; otherwise "Read Error" is shown and the
// dialog stays open. Cancelling leaves the analysis empty and changes no setting.
// `recordFile`, when given (a file the program was opened with, without ".rpc"), is offered in
// place of the remembered one.
void RunAnalysisCommand(Workspace& workspace, QWidget* dialogParent, const QString& recordFile = {});

}  // namespace orva
