// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace orva {

// Text style bits of the printed pages.
enum PrintFlags : int {
    kPrintBold = 1,
    kPrintItalic = 2,
    kPrintUnderline = 4,
    kPrintStrikeOut = 8,
    kPrintFillBackground = 16,  // the text rectangle is painted white first
    kPrintAlignRight = 64,
    kPrintAlignCenter = 128,  // takes precedence over right alignment
    kPrintExpandTabs = 256,
    kPrintSingleLine = 512,  // otherwise words wrap within the region
    kPrintNoClip = 1024,
    kPrintVCenter = 2048,
    // A word wider than the region breaks where it must, rather than run out of it.
    kPrintBreakWords = 4096,
};

enum class Border { None, Single };

struct TextStyle {
    QString face;
    double pointSize = 10;
    int flags = 0;
};

// What a page is drawn on, in device units: paper or PDF through a painter, or a recorder in
// the tests. Characters are never taken as mnemonic prefixes.
class PageCanvas {
  public:
    virtual ~PageCanvas() = default;

    virtual double DotsPerInchX() const = 0;
    virtual double DotsPerInchY() const = 0;
    // The printable rectangle; the origin is its top-left corner.
    virtual QSizeF PrintableSize() const = 0;

    // The size the text takes when laid out `width` wide (wrapped unless single line).
    virtual QSizeF MeasureText(double width, const TextStyle& style, const QString& text) const = 0;
    virtual void DrawText(const QRectF& rect, const TextStyle& style, const QString& text) = 0;
    virtual void DrawBox(const QRectF& rect, Border border, bool shaded) = 0;
    virtual void DrawLine(const QPointF& from, const QPointF& to, double penWidth) = 0;
    // Stretched to the rectangle.
    virtual void DrawImage(const QRectF& rect, const QImage& image) = 0;
};

}  // namespace orva
