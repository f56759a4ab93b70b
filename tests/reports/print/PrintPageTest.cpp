// SPDX-License-Identifier: Apache-2.0
// The page layer: inch coordinates, text regions, texts drawn as given, and size fitting.
#include <gtest/gtest.h>

#include "reports/print/PrintPage.h"
#include "reports/print/TextFit.h"
#include "reports/print/support/RecordingCanvas.h"

namespace orva {
namespace {

using print_test::RecordingCanvas;

constexpr double kEps = 1e-9;

TEST(PrintPage, Box_ConvertsRowsAndColumnsWithTheirOwnResolution) {
    RecordingCanvas canvas;
    PrintPage page(canvas);
    page.PrintBox(1.5, 2.0, 3.25, 4.75, Border::Single, true);
    page.PrintLine(10.4, 0.5, 10.4, 7.75, 1);

    ASSERT_EQ(canvas.Boxes().size(), 1u);
    EXPECT_EQ(canvas.Boxes()[0].rect, QRectF(QPointF(2.0, 1.5), QPointF(4.75, 3.25)));
    EXPECT_TRUE(canvas.Boxes()[0].shaded);
    ASSERT_EQ(canvas.Lines().size(), 1u);
    EXPECT_EQ(canvas.Lines()[0].from, QPointF(0.5, 10.4));
    EXPECT_EQ(canvas.Lines()[0].to, QPointF(7.75, 10.4));
}

TEST(PrintPage, BoxWithoutBorder_DrawsNothing_ButBoundsTheTextsThatFollow) {
    RecordingCanvas canvas;
    PrintPage page(canvas);
    page.PrintBox(3.0, 1.25, 3.25, 3.9, Border::None);
    page.PrintText(3.0, 1.25, 0, 9, QStringLiteral("Value"));

    EXPECT_TRUE(canvas.Boxes().empty());
    ASSERT_EQ(canvas.Texts().size(), 1u);
    EXPECT_EQ(canvas.Texts()[0].rect, QRectF(QPointF(1.25, 3.0), QPointF(3.9, 3.25)));
}

TEST(PrintPage, TextWithoutRegion_RunsToTheEdgesOfThePrintableRectangle) {
    RecordingCanvas canvas;
    PrintPage page(canvas);
    page.PrintText(1.0, 0, kPrintAlignCenter, 12, QStringLiteral("Title"));

    const QRectF rect = canvas.Texts().at(0).rect;
    EXPECT_NEAR(rect.left(), 0, kEps);
    EXPECT_NEAR(rect.right(), RecordingCanvas::kWidthInches, kEps);
    EXPECT_NEAR(rect.top(), 1.0, kEps);
}

TEST(PrintPage, Text_StartsInTimesNewRoman10_AndTheSettersReturnThePreviousValues) {
    RecordingCanvas canvas;
    PrintPage page(canvas);
    page.PrintText(0, 0, kPrintBold, 0, QStringLiteral("a"));
    EXPECT_EQ(page.SetFontFace(QStringLiteral("Arial")), QStringLiteral("Times New Roman"));
    EXPECT_EQ(page.SetPointSize(8), 10);
    page.PrintText(1, 0, kPrintSingleLine, 0, QStringLiteral("b"));

    EXPECT_EQ(canvas.Texts()[0].style.face, QStringLiteral("Times New Roman"));
    EXPECT_EQ(canvas.Texts()[0].style.pointSize, 10);
    EXPECT_EQ(canvas.Texts()[0].style.flags, kPrintBold | kPrintBreakWords)
        << "wrapped text may break long words";
    EXPECT_EQ(canvas.Texts()[1].style.face, QStringLiteral("Arial"));
    EXPECT_EQ(canvas.Texts()[1].style.pointSize, 8);
    EXPECT_EQ(canvas.Texts()[1].style.flags, kPrintSingleLine);
}

TEST(PrintPage, Text_ReturnsTheRowBelowItsLastLine) {
    RecordingCanvas canvas;
    PrintPage page(canvas);
    // 12 pt: 1/12 inch a character and 0.2 inch a line; 1 inch holds 12 characters.
    page.PrintBox(2.0, 1.0, 9.0, 2.0, Border::None);
    const double below = page.PrintText(2.0, 1.0, 0, 12, QStringLiteral("aaaa bbbb cccc dddd\nee"));
    EXPECT_NEAR(below, 2.0 + 3 * 0.2, kEps);
    EXPECT_NEAR(page.PrintText(5.0, 1.0, 0, 12, QString()), 5.0, kEps);
    EXPECT_EQ(canvas.Texts().size(), 1u) << "an empty text draws nothing";

    page.PrintBox(1.0, 1.0, 2.0, 7.0, Border::None);
    EXPECT_NEAR(page.PrintText(1.0, 1.0, kPrintVCenter, 12, QStringLiteral("x")), 1.6, kEps)
        << "centred in 1..2";
}

TEST(PrintPage, FittedText_StepsDownUntilItFits_AndNeverBelowTheFloor) {
    RecordingCanvas canvas;
    PrintPage page(canvas);
    page.PrintBox(0, 0, 0.4, 1.0, Border::None);
    // Three words of 10 take three lines up to 8 pt, where three lines of 0.1333 fill the 0.4.
    page.PrintFittedText(0, 0, 0, 10, 6, QStringLiteral("aaaaaaaaaa bbbbbbbbbb cccccccccc"));
    page.PrintFittedText(0, 0, 0, 10, 6, QString(400, QLatin1Char('x')));

    EXPECT_EQ(canvas.Texts()[0].style.pointSize, 8);
    EXPECT_EQ(canvas.Texts()[1].style.pointSize, 6);
}

TEST(TextFit, KeepsTheStartingSizeWhenItFits_AndStepsByHalfPointsUntilHighAndWideEnough) {
    const QSizeF room(100, 50);
    const auto measure = [](double threshold) {
        return [threshold](double size) { return size <= threshold ? QSizeF(90, 40) : QSizeF(90, 60); };
    };
    EXPECT_EQ(FitPointSize(8, 6, room, measure(8)), 8);
    EXPECT_EQ(FitPointSize(8, 6, room, measure(7.5)), 7.5);
    EXPECT_EQ(FitPointSize(8, 6, room, measure(6.5)), 6.5);
    EXPECT_EQ(FitPointSize(8, 6, room, measure(2)), 6);
    EXPECT_EQ(FitPointSize(8, 6, room, [](double size) { return QSizeF(size * 15, 10); }), 6.5) << "too wide";
}

}  // namespace
}  // namespace orva
