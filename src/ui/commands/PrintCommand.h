#pragma once

class QWidget;

namespace orva {

class Workspace;

// Print: the system's print dialog, which also offers printing to a PDF file, then the eight
// pages of the report of the current analysis. A job that cannot start or ends in error is
// reported; a cancelled dialog prints nothing. Does nothing while no analysis is shown.
void RunPrintCommand(Workspace& workspace, QWidget* parent);

// Print Preview: the pages of the report in the system's preview window, from which they can be
// printed.
void RunPrintPreviewCommand(Workspace& workspace, QWidget* parent);

}  // namespace orva
