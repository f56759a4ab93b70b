#pragma once

#include "reports/print/PageCanvas.h"

namespace orva {

// Measures as the canvas it stands for and draws nothing, so that a layout can be tried before
// it is drawn.
class DryRunCanvas final : public PageCanvas {
  public:
    explicit DryRunCanvas(const PageCanvas& measured) : measured_(measured) {}

    double DotsPerInchX() const override { return measured_.DotsPerInchX(); }
    double DotsPerInchY() const override { return measured_.DotsPerInchY(); }
    QSizeF PrintableSize() const override { return measured_.PrintableSize(); }
    QSizeF MeasureText(double width, const TextStyle& style, const QString& text) const override {
        return measured_.MeasureText(width, style, text);
    }
    void DrawText(const QRectF&, const TextStyle&, const QString&) override {}
    void DrawBox(const QRectF&, Border, bool) override {}
    void DrawLine(const QPointF&, const QPointF&, double) override {}
    void DrawImage(const QRectF&, const QImage&) override {}

  private:
    const PageCanvas& measured_;
};

}  // namespace orva
