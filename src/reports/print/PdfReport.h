#pragma once

#include <string>

#include "screening/ReportSet.h"

namespace orva {

// The printed pages drawn as a PDF document into `pdf`, as the printer draws them. It
// only draws: the caller writes the bytes through the one output writer (store/OutputFile).
// Needs the process's QGuiApplication (OffscreenApplication draws without a display). 0, or a
// PrintResult (kPrintNoGuiApplication when the process has no graphical application).
int RenderPdfReport(const ReportSet& reports, std::string& pdf);

}  // namespace orva
