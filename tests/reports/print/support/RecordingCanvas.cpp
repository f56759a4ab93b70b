// SPDX-License-Identifier: Apache-2.0
#include "reports/print/support/RecordingCanvas.h"

#include <algorithm>

namespace orva::print_test {

namespace {

constexpr double kCharWidthPerPoint = 0.5;
constexpr double kLineHeightPerPoint = 1.2;
constexpr double kPointsPerInch = 72;

double CharWidthInches(const TextStyle& style) {
    return style.pointSize * kCharWidthPerPoint / kPointsPerInch;
}

}  // namespace

QStringList RecordingCanvas::WrapLines(const QString& text, double widthInches, const TextStyle& style) {
    QStringList lines;
    const int fit = std::max(1, static_cast<int>(widthInches / CharWidthInches(style) + 1e-9));
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        if (style.flags & kPrintSingleLine) {
            lines << paragraph;
            continue;
        }
        QString line;
        for (const QString& word : paragraph.split(QLatin1Char(' '))) {
            const QString joined = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (joined.size() <= fit || line.isEmpty()) {
                line = joined;
            } else {
                lines << line;
                line = word;
            }
        }
        lines << line;
    }
    return lines;
}

QSizeF RecordingCanvas::MeasureText(double width, const TextStyle& style, const QString& text) const {
    if (text.isEmpty()) return {0, 0};
    const QStringList lines = WrapLines(text, width / kDpiX, style);
    qsizetype longest = 0;
    for (const QString& line : lines) longest = std::max(longest, line.size());
    const double lineHeight = style.pointSize * kLineHeightPerPoint / kPointsPerInch;
    return {longest * CharWidthInches(style) * kDpiX, lines.size() * lineHeight * kDpiY};
}

QRectF RecordingCanvas::ToInches(const QRectF& rect) const {
    return QRectF(QPointF(rect.left() / kDpiX, rect.top() / kDpiY),
                  QPointF(rect.right() / kDpiX, rect.bottom() / kDpiY));
}

void RecordingCanvas::DrawText(const QRectF& rect, const TextStyle& style, const QString& text) {
    texts_.push_back({ToInches(rect), style, text});
}

void RecordingCanvas::DrawBox(const QRectF& rect, Border border, bool shaded) {
    boxes_.push_back({ToInches(rect), border, shaded});
}

void RecordingCanvas::DrawLine(const QPointF& from, const QPointF& to, double penWidth) {
    lines_.push_back(
        {QPointF(from.x() / kDpiX, from.y() / kDpiY), QPointF(to.x() / kDpiX, to.y() / kDpiY), penWidth});
}

void RecordingCanvas::DrawImage(const QRectF& rect, const QImage&) {
    images_.push_back(ToInches(rect));
}

const RecordingCanvas::Text* RecordingCanvas::Find(const QString& text) const {
    const auto found =
        std::find_if(texts_.begin(), texts_.end(), [&](const Text& t) { return t.text == text; });
    return found == texts_.end() ? nullptr : &*found;
}

QStringList RecordingCanvas::AllTexts() const {
    QStringList all;
    for (const Text& text : texts_) all << text.text;
    return all;
}

}  // namespace orva::print_test
