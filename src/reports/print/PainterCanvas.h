// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QFont>
#include <QPainter>

#include "reports/print/PageCanvas.h"

namespace orva {

// Draws on the painter's device (a printer or a PDF) and measures with its fonts.
class PainterCanvas final : public PageCanvas {
  public:
    explicit PainterCanvas(QPainter& painter);

    double DotsPerInchX() const override;
    double DotsPerInchY() const override;
    QSizeF PrintableSize() const override;
    QSizeF MeasureText(double width, const TextStyle& style, const QString& text) const override;
    void DrawText(const QRectF& rect, const TextStyle& style, const QString& text) override;
    void DrawBox(const QRectF& rect, Border border, bool shaded) override;
    void DrawLine(const QPointF& from, const QPointF& to, double penWidth) override;
    void DrawImage(const QRectF& rect, const QImage& image) override;

  private:
    QFont Font(const TextStyle& style) const;
    // Word wrapping, or wrapping anywhere when a word is too wide and may break.
    int LayoutFlags(double width, const TextStyle& style, const QString& text) const;

    QPainter& painter_;
};

}  // namespace orva
