// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "screening/ReportSet.h"
#include "store/FileSystem.h"

class QString;
class QWidget;

namespace orva {

class Prompter;
class Workspace;

// Save As: the analysis shown saved as an RTF report under a suggested name; the name is kept
// as the folder of the next suggestion only when the report was saved.
void RunSaveAsCommand(Workspace& workspace, QWidget* parent);

// The writer the dialog hands the name to: the report of `reports` written whole to
// `name`.rtf (without a folder, in the base folder) through `files`, asking before a file is
// replaced, and the user told how it went, the file named as typed. True when it was written in
// full.
bool WriteReportFile(Prompter& prompter, const ReportSet& reports, FileSystem& files, const QString& name);

}  // namespace orva
