// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "reports/print/PageCanvas.h"

namespace orva::print_test {

// A page canvas that keeps what is drawn instead of drawing it. Its resolution differs
// across and down, so a mixed-up conversion shows; it measures every character as half its
// point size wide and every line as 1.2 times its point size high, so layouts are checked
// without fonts.
class RecordingCanvas final : public PageCanvas {
  public:
    static constexpr double kDpiX = 600;
    static constexpr double kDpiY = 300;
    static constexpr double kWidthInches = 8.0;
    static constexpr double kHeightInches = 10.9;

    struct Text {
        QRectF rect;  // inches
        TextStyle style;
        QString text;
    };
    struct Box {
        QRectF rect;  // inches
        Border border;
        bool shaded;
    };
    struct Line {
        QPointF from, to;  // inches, x across
        double penWidth;
    };

    double DotsPerInchX() const override { return kDpiX; }
    double DotsPerInchY() const override { return kDpiY; }
    QSizeF PrintableSize() const override { return {kWidthInches * kDpiX, kHeightInches * kDpiY}; }
    QSizeF MeasureText(double width, const TextStyle& style, const QString& text) const override;
    void DrawText(const QRectF& rect, const TextStyle& style, const QString& text) override;
    void DrawBox(const QRectF& rect, Border border, bool shaded) override;
    void DrawLine(const QPointF& from, const QPointF& to, double penWidth) override;
    void DrawImage(const QRectF& rect, const QImage& image) override;

    const std::vector<Text>& Texts() const { return texts_; }
    const std::vector<Box>& Boxes() const { return boxes_; }
    const std::vector<Line>& Lines() const { return lines_; }
    const std::vector<QRectF>& Images() const { return images_; }

    // The first text that equals `text`, or null.
    const Text* Find(const QString& text) const;
    // Every text drawn, in order.
    QStringList AllTexts() const;
    // The recorder's wrapped lines of a text at a width in inches, broken at blanks.
    static QStringList WrapLines(const QString& text, double widthInches, const TextStyle& style);

  private:
    QRectF ToInches(const QRectF& rect) const;

    std::vector<Text> texts_;
    std::vector<Box> boxes_;
    std::vector<Line> lines_;
    std::vector<QRectF> images_;
};

}  // namespace orva::print_test
