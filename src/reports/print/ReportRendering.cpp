// SPDX-License-Identifier: Apache-2.0
#include "reports/print/ReportRendering.h"

#include <QFont>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include "reports/print/PainterCanvas.h"
#include "reports/print/PrintError.h"
#include "reports/print/PrintTexts.h"
#include "reports/print/ReportPrinter.h"

namespace orva {

namespace {

// The layout runs from 0.5 to 7.75 inches across and to 10.7 inches down the printable
// rectangle; these margins centre it on A4.
const QMarginsF kMarginsMm(3.5, 10.0, 3.5, 10.0);

bool PrinterFailed(const QPagedPaintDevice& device) {
    const auto* printer = dynamic_cast<const QPrinter*>(&device);
    return printer != nullptr && printer->printerState() == QPrinter::Error;
}

}  // namespace

QPageLayout ReportPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kMarginsMm, QPageLayout::Millimeter);
}

void InstallPrintFontSubstitutes() {
    static const bool installed = [] {
        QFont::insertSubstitution(QString::fromLatin1(texts::print::kFaceTimes),
                                  QString::fromLatin1(texts::print::kSubstituteTimes));
        QFont::insertSubstitution(QString::fromLatin1(texts::print::kFaceGaramond),
                                  QString::fromLatin1(texts::print::kSubstituteGaramond));
        QFont::insertSubstitution(QString::fromLatin1(texts::print::kFaceArial),
                                  QString::fromLatin1(texts::print::kSubstituteArial));
        return true;
    }();
    (void)installed;
}

PrintStatus RenderReport(const ReportSet& reports, QPagedPaintDevice& device) {
    InstallPrintFontSubstitutes();
    device.setPageLayout(ReportPageLayout());
    const ReportPrinter printer(reports, LoadPrintImages());

    QPainter painter;
    if (!painter.begin(&device)) return PrintError::CannotStart;
    const int pageCount = printer.PageCount(PainterCanvas(painter));
    for (int page = 1; page <= pageCount; ++page) {
        if (page > 1 && !device.newPage()) {
            painter.end();
            return PrintError::DeviceError;
        }
        PainterCanvas canvas(painter);
        printer.DrawPage(page, canvas);
    }
    const bool ended = painter.end();
    if (!ended || PrinterFailed(device)) return PrintError::DeviceError;
    return {};
}

}  // namespace orva
