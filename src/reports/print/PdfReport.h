// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>

#include "reports/print/PrintError.h"
#include "screening/ReportSet.h"

namespace orva {

// The printed pages drawn as a PDF document into `pdf`, as the printer draws them. It
// only draws: the caller writes the bytes through the one output writer (store/OutputFile).
// Needs the process's QGuiApplication (OffscreenApplication draws without a display):
// PrintError::NoGuiApplication when the process has no graphical application.
PrintStatus RenderPdfReport(const ReportSet& reports, std::string& pdf);

}  // namespace orva
