#include "reports/print/PrintPage.h"

#include <algorithm>
#include <utility>

#include "reports/print/PrintTexts.h"
#include "reports/print/TextFit.h"

namespace orva {

namespace {

constexpr double kInitialPointSize = 10;

}  // namespace

PrintPage::PrintPage(PageCanvas& canvas)
    : canvas_(canvas), face_(QString::fromLatin1(texts::print::kFaceTimes)), pointSize_(kInitialPointSize) {}

QRectF PrintPage::ToDevice(double top, double left, double bottom, double right) const {
    const double x = canvas_.DotsPerInchX();
    const double y = canvas_.DotsPerInchY();
    return QRectF(QPointF(left * x, top * y), QPointF(right * x, bottom * y));
}

QRectF PrintPage::TextRect(double row, double column) const {
    if (hasRegion_)
        return ToDevice(row, column, std::max(row, regionBottom_), std::max(column, regionRight_));
    const QSizeF printable = canvas_.PrintableSize();
    const QRectF rect = ToDevice(row, column, row, column);
    return QRectF(rect.topLeft(), QPointF(std::max(rect.left(), printable.width()),
                                          std::max(rect.top(), printable.height())));
}

TextStyle PrintPage::Style(int flags, double pointSize) const {
    return TextStyle{face_, pointSize > 0 ? pointSize : pointSize_, flags};
}

double PrintPage::Draw(const QRectF& rect, TextStyle style, const QString& text) {
    // Nothing runs out of its region: a word too long for it breaks where it must.
    if (!(style.flags & kPrintSingleLine)) style.flags |= kPrintBreakWords;
    const QSizeF size = canvas_.MeasureText(rect.width(), style, text);
    if (!text.isEmpty()) canvas_.DrawText(rect, style, text);
    double top = rect.top();
    if (style.flags & kPrintVCenter) top = rect.center().y() - size.height() / 2;
    return (top + size.height()) / canvas_.DotsPerInchY();
}

double PrintPage::PrintText(double row, double column, int flags, double pointSize, const QString& text) {
    return Draw(TextRect(row, column), Style(flags, pointSize), text);
}

double PrintPage::PrintFittedText(double row, double column, int flags, double pointSize, double minPointSize,
                                  const QString& text) {
    const QRectF rect = TextRect(row, column);
    TextStyle style = Style(flags, pointSize);
    style.pointSize = FitPointSize(style.pointSize, minPointSize, rect.size(), [&](double size) {
        TextStyle tried = style;
        tried.pointSize = size;
        return canvas_.MeasureText(rect.width(), tried, text);
    });
    return Draw(rect, style, text);
}

void PrintPage::PrintBox(double top, double left, double bottom, double right, Border border, bool shaded) {
    if (border != Border::None || shaded) canvas_.DrawBox(ToDevice(top, left, bottom, right), border, shaded);
    hasRegion_ = true;
    regionBottom_ = bottom;
    regionRight_ = right;
}

void PrintPage::PrintLine(double fromRow, double fromColumn, double toRow, double toColumn, double penWidth) {
    const QRectF ends = ToDevice(fromRow, fromColumn, toRow, toColumn);
    canvas_.DrawLine(ends.topLeft(), ends.bottomRight(), penWidth);
}

void PrintPage::PrintBitmap(double top, double left, double bottom, double right, const QImage& image) {
    if (!image.isNull()) canvas_.DrawImage(ToDevice(top, left, bottom, right), image);
}

QString PrintPage::SetFontFace(const QString& face) {
    return std::exchange(face_, face);
}

double PrintPage::SetPointSize(double pointSize) {
    return std::exchange(pointSize_, pointSize);
}

}  // namespace orva
