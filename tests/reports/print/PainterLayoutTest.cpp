// SPDX-License-Identifier: Apache-2.0
// The pages laid out with the installed fonts on a PDF device: every text fits the region it
// is drawn in, so nothing is clipped or runs into its neighbours.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include "reports/print/PainterCanvas.h"
#include "reports/print/PrintImages.h"
#include "reports/print/ReportPrinter.h"
#include "reports/print/ReportRendering.h"
#include "reports/print/support/PrintTestSupport.h"
#include "reports/support/ReportsTestSupport.h"

namespace orva {
namespace {

// Draws through a painter canvas and keeps each text with the size its font gives it.
class MeasuringCanvas final : public PageCanvas {
  public:
    struct Text {
        QRectF rect;
        QSizeF size;
        QString text;
    };

    explicit MeasuringCanvas(PageCanvas& inner) : inner_(inner) {}

    double DotsPerInchX() const override { return inner_.DotsPerInchX(); }
    double DotsPerInchY() const override { return inner_.DotsPerInchY(); }
    QSizeF PrintableSize() const override { return inner_.PrintableSize(); }
    QSizeF MeasureText(double width, const TextStyle& style, const QString& text) const override {
        return inner_.MeasureText(width, style, text);
    }
    void DrawText(const QRectF& rect, const TextStyle& style, const QString& text) override {
        texts_.push_back({rect, inner_.MeasureText(rect.width(), style, text), text});
        inner_.DrawText(rect, style, text);
    }
    void DrawBox(const QRectF& rect, Border border, bool shaded) override {
        inner_.DrawBox(rect, border, shaded);
    }
    void DrawLine(const QPointF& from, const QPointF& to, double pen) override {
        inner_.DrawLine(from, to, pen);
    }
    void DrawImage(const QRectF& rect, const QImage& image) override { inner_.DrawImage(rect, image); }

    const std::vector<Text>& Texts() const { return texts_; }

  private:
    PageCanvas& inner_;
    std::vector<Text> texts_;
};

void ExpectEveryTextFits(const ReportSet& reports) {
    InstallPrintFontSubstitutes();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(ReportPageLayout());
    QPainter painter(&writer);
    PainterCanvas canvas(painter);
    const ReportPrinter printer(reports, LoadPrintImages());
    const double slack = canvas.DotsPerInchY() / 144;  // half a point of rounding

    for (int number = 1; number <= printer.PageCount(canvas); ++number) {
        if (number > 1) writer.newPage();
        MeasuringCanvas measuring(canvas);
        printer.DrawPage(number, measuring);
        for (const auto& text : measuring.Texts()) {
            EXPECT_LE(text.size.width(), text.rect.width() + slack)
                << "page " << number << ": " << text.text.toStdString();
            EXPECT_LE(text.size.height(), text.rect.height() + slack)
                << "page " << number << ": " << text.text.toStdString();
            EXPECT_LE(text.rect.bottom(), canvas.PrintableSize().height()) << "page " << number;
        }
    }
}

TEST(PainterLayout, LongestThreeReporterAnalysis_FitsEveryRegion) {
    ExpectEveryTextFits(print_test::LongestAnalysis());
}

TEST(PainterLayout, TeacherOnlyAnalysis_FitsEveryRegion) {
    ExpectEveryTextFits(reports_test::TeacherOnlyAnalysis());
}

}  // namespace
}  // namespace orva
