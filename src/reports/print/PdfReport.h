#pragma once

#include <string>

#include "screening/ReportSet.h"
#include "store/FileSystem.h"

namespace orva {

// Makes sure a QGuiApplication exists, so that programs without one (orva-cli) can draw the
// report: when no Qt application object exists it creates one on the "offscreen" platform,
// which needs no display, and keeps it for the rest of the process. False when the process
// already runs a non-graphical application object, which cannot draw.
bool EnsureGuiApplication();

// Writes the printed pages as a PDF file at `path`. The document is written in full to a
// temporary file in the target folder and only then given its name, so a failure leaves no
// partial file; an existing file is replaced only with `replace` (else kFileExists). Returns
// 0, a record store file code (negated cause, kFileExists, kOtherFileError) or a PrintResult.
int WritePdfReport(const ReportSet& reports, const std::string& path, bool replace,
                   FileSystem& fileSystem = DefaultFileSystem());

}  // namespace orva
