// SPDX-License-Identifier: Apache-2.0
#include "reports/print/PainterCanvas.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPen>

namespace orva {

namespace {

// Positive screens are shaded in a grey that prints light on any printer.
const QColor kShade(210, 210, 210);
// A pen of width 1 is this many points wide.
constexpr double kPenPoints = 0.5;
constexpr double kPointsPerInch = 72.0;

int QtFlags(int flags) {
    int qt = 0;
    if (flags & kPrintAlignCenter) {
        qt |= Qt::AlignHCenter;
    } else if (flags & kPrintAlignRight) {
        qt |= Qt::AlignRight;
    } else {
        qt |= Qt::AlignLeft;
    }
    qt |= (flags & kPrintVCenter) ? Qt::AlignVCenter : Qt::AlignTop;
    if (!(flags & kPrintSingleLine)) qt |= Qt::TextWordWrap;
    if (flags & kPrintExpandTabs) qt |= Qt::TextExpandTabs;
    // Texts are never clipped: the layout sizes them to fit their cells.
    qt |= Qt::TextDontClip;
    return qt;
}

}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter) : painter_(painter) {}

double PainterCanvas::DotsPerInchX() const {
    return painter_.device()->logicalDpiX();
}

double PainterCanvas::DotsPerInchY() const {
    return painter_.device()->logicalDpiY();
}

QSizeF PainterCanvas::PrintableSize() const {
    return QSizeF(painter_.device()->width(), painter_.device()->height());
}

QFont PainterCanvas::Font(const TextStyle& style) const {
    QFont font(style.face);
    font.setPointSizeF(style.pointSize);
    font.setWeight((style.flags & kPrintBold) ? QFont::Bold : QFont::Normal);
    font.setItalic(style.flags & kPrintItalic);
    font.setUnderline(style.flags & kPrintUnderline);
    font.setStrikeOut(style.flags & kPrintStrikeOut);
    // Sizes in points on the device, whatever its resolution.
    return QFont(font, painter_.device());
}

int PainterCanvas::LayoutFlags(double width, const TextStyle& style, const QString& text) const {
    const int flags = QtFlags(style.flags);
    if (!(style.flags & kPrintBreakWords) || !(flags & Qt::TextWordWrap)) return flags;
    const QFontMetricsF metrics(Font(style), painter_.device());
    const double needed =
        metrics.boundingRect(QRectF(0, 0, width, 0), flags & ~Qt::AlignVCenter, text).width();
    return needed > width ? (flags & ~Qt::TextWordWrap) | Qt::TextWrapAnywhere : flags;
}

QSizeF PainterCanvas::MeasureText(double width, const TextStyle& style, const QString& text) const {
    if (text.isEmpty()) return QSizeF(0, 0);
    const QFontMetricsF metrics(Font(style), painter_.device());
    const int flags = LayoutFlags(width, style, text) & ~Qt::AlignVCenter;
    return metrics.boundingRect(QRectF(0, 0, width, 0), flags, text).size();
}

void PainterCanvas::DrawText(const QRectF& rect, const TextStyle& style, const QString& text) {
    if (style.flags & kPrintFillBackground) painter_.fillRect(rect, Qt::white);
    painter_.setFont(Font(style));
    painter_.setPen(Qt::black);
    painter_.drawText(rect, LayoutFlags(rect.width(), style, text), text);
}

void PainterCanvas::DrawBox(const QRectF& rect, Border border, bool shaded) {
    if (shaded) painter_.fillRect(rect, kShade);
    if (border == Border::None) return;
    painter_.setPen(QPen(Qt::black, kPenPoints * DotsPerInchX() / kPointsPerInch));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(rect);
}

void PainterCanvas::DrawLine(const QPointF& from, const QPointF& to, double penWidth) {
    painter_.setPen(QPen(Qt::black, penWidth * kPenPoints * DotsPerInchX() / kPointsPerInch));
    painter_.drawLine(from, to);
}

void PainterCanvas::DrawImage(const QRectF& rect, const QImage& image) {
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    painter_.drawImage(rect, image);
}

}  // namespace orva
