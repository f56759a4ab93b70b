// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

#include "reports/print/PageCanvas.h"

namespace orva {

// Places text, boxes, lines and pictures on one page by inches measured from the top-left of
// the printable rectangle, row first, then column.
class PrintPage {
  public:
    explicit PrintPage(PageCanvas& canvas);

    // Draws the text as given (no format expansion) from (row, column) to the right and bottom
    // edges of the current region, and returns the row just below it. A point size of 0 uses
    // the default size.
    double PrintText(double row, double column, int flags, double pointSize, const QString& text);
    // As PrintText, stepping the size down by half points, no lower than `minPointSize`, until
    // the text fits its region with whole words, so that nothing runs out of its cell.
    double PrintFittedText(double row, double column, int flags, double pointSize, double minPointSize,
                           const QString& text);
    // Draws the box's border (and shade) and makes it the region of the texts that follow.
    void PrintBox(double top, double left, double bottom, double right, Border border, bool shaded = false);
    void PrintLine(double fromRow, double fromColumn, double toRow, double toColumn, double penWidth);
    void PrintBitmap(double top, double left, double bottom, double right, const QImage& image);

    // Each returns the previous value.
    QString SetFontFace(const QString& face);
    double SetPointSize(double pointSize);

  private:
    QRectF ToDevice(double top, double left, double bottom, double right) const;
    QRectF TextRect(double row, double column) const;
    TextStyle Style(int flags, double pointSize) const;
    double Draw(const QRectF& rect, TextStyle style, const QString& text);

    PageCanvas& canvas_;
    QString face_;
    double pointSize_;
    bool hasRegion_ = false;
    double regionBottom_ = 0;  // inches
    double regionRight_ = 0;
};

}  // namespace orva
