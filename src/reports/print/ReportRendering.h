// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QPageLayout>
#include <QPagedPaintDevice>

#include "reports/print/PrintError.h"
#include "screening/ReportSet.h"

namespace orva {

// Draws the pages of the report (eight, or nine when the items to follow up need a page of
// their own) on a printer or a PDF writer, A4 portrait; the failure of a job that could not
// start or ended in error. Print and Print Preview call it from the device's paint request; a
// QGuiApplication must exist.
PrintStatus RenderReport(const ReportSet& reports, QPagedPaintDevice& device);

// A4 portrait, with margins that centre the pages' layout on the sheet; a printer with wider
// hardware margins keeps its own.
QPageLayout ReportPageLayout();

// Maps the report's faces (Garamond, Times New Roman, Arial) to installed faces of the same
// kind; done once, before anything is drawn.
void InstallPrintFontSubstitutes();

}  // namespace orva
