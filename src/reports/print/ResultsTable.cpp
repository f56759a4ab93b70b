#include "reports/print/ResultsTable.h"

#include <array>
#include <span>

#include "reports/print/PrintString.h"
#include "reports/print/PrintTexts.h"
#include "screening/DisorderId.h"
#include "screening/ScreeningTexts.h"

namespace orva {

namespace {

// Column edges: widths 2.0, five of 0.65 and 1.9 inches from the left edge at 0.5.
constexpr std::array<double, kGridColumns + 1> kEdges = {0.5, 2.5, 3.15, 3.8, 4.45, 5.1, 5.75, 7.65};
constexpr double kInset = 0.1;  // texts keep this far from the sides of their cells
constexpr double kHeaderHeight = 0.6;
constexpr double kGroupHeight = 0.3;
constexpr double kRowHeight = 0.6;
constexpr double kCellSize = 8;
constexpr double kMinCellSize = 6;  // long item lists step down to this rather than run out
constexpr double kGroupSize = 9;
constexpr int kItemsColumn = 6;
constexpr int kAttainedColumn = 5;

constexpr int kHeaderFlags = kPrintBold | kPrintAlignCenter | kPrintVCenter;
constexpr int kLeftCellFlags = kPrintBold | kPrintVCenter;
constexpr int kCentredCellFlags = kPrintBold | kPrintAlignCenter | kPrintVCenter;

// One line of a page's table: a group heading or a disorder row.
struct TableLine {
    const char* group;  // null for a disorder row
    DisorderId id;
    double top;
    double height;
};

constexpr TableLine Group(const char* heading, double top) {
    return {heading, DisorderId::GAD, top, kGroupHeight};
}
constexpr TableLine Row(DisorderId id, double top, double height = kRowHeight) {
    return {nullptr, id, top, height};
}

using D = DisorderId;
constexpr std::array kPage2 = {Group(texts::kGroupAnxiety, 6.1), Row(D::GAD, 6.4), Row(D::OCD, 7.0),
                               Row(D::PTSD, 7.6), Row(D::SAD, 8.2)};
constexpr std::array kPage3 = {Group(texts::kGroupAttentionDisruptive, 1.6),
                               Row(D::ADHD_HI, 1.9, 0.8),
                               Row(D::ADHD_I, 2.7, 0.8),
                               Row(D::ADHD_C, 3.5, 0.9),
                               Row(D::CD, 4.4, 0.8),
                               Row(D::ODD, 5.2),
                               Group(texts::kGroupCommunication, 5.8),
                               Row(D::ELD, 6.1),
                               Row(D::MRELD, 6.7),
                               Row(D::PD, 7.3),
                               Group(texts::kGroupDepressive, 7.9),
                               Row(D::DD, 8.2)};
constexpr std::array kPage4 = {Group(texts::kGroupEating, 1.6),
                               Row(D::AN, 1.9),
                               Row(D::BN, 2.5),
                               Group(texts::kGroupLearning, 3.1),
                               Row(D::DWE, 3.4),
                               Row(D::MD, 4.0),
                               Row(D::RD, 4.6),
                               Group(texts::kGroupPervasive, 5.2),
                               Row(D::AsD, 5.5, 0.8),
                               Row(D::AD, 6.3, 0.8)};
constexpr std::array kPage5 = {Group(texts::kGroupTic, 1.6), Row(D::TicD_M, 1.9), Row(D::TicD_V, 2.5),
                               Row(D::TD, 3.1)};

constexpr double kHeaderTopPage2 = 5.5;
constexpr double kHeaderTop = 1.0;
constexpr double kCountRowTop = 3.7;
constexpr double kCountRowHeight = 0.3;
constexpr double kReliabilityTop = 4.3;
constexpr double kReliabilityRowHeight = 0.8;

std::span<const TableLine> LinesOfPage(int pageNumber) {
    switch (pageNumber) {
        case 2:
            return kPage2;
        case 3:
            return kPage3;
        case 4:
            return kPage4;
        case 5:
            return kPage5;
        default:
            return {};
    }
}

// A bordered cell, shaded when the grid shades it, with its text kept off the sides.
void DrawCell(PrintPage& page, int column, double top, double height, int flags, const QString& text,
              bool shaded = false) {
    const double left = kEdges[column];
    const double right = kEdges[column + 1];
    page.PrintBox(top, left, top + height, right, Border::Single, shaded);
    page.PrintBox(top, left + kInset, top + height, right - kInset, Border::None);
    page.PrintFittedText(top, left + kInset, flags, kCellSize, kMinCellSize, text);
}

void DrawHeader(PrintPage& page, double top, const char* const (&headings)[kGridColumns]) {
    for (int column = 0; column < kGridColumns; ++column) {
        const int flags = column == kAttainedColumn ? kHeaderFlags | kPrintNoClip : kHeaderFlags;
        DrawCell(page, column, top, kHeaderHeight, flags, QString::fromLatin1(headings[column]));
    }
}

int CellFlags(int column) {
    return (column == 0 || column == kItemsColumn) ? kLeftCellFlags : kCentredCellFlags;
}

// A grid row's cells: the label, the cutoff, the three scores, "Cutoff Attained" and the items.
void DrawGridRow(PrintPage& page, const GridRow& row, double top, double height) {
    for (int column = 0; column < kGridColumns; ++column) {
        DrawCell(page, column, top, height, CellFlags(column), FromCp1252(row[column].text),
                 row[column].shaded);
    }
}

void DrawGroup(PrintPage& page, const char* heading, double top) {
    page.PrintBox(top, kEdges.front(), top + kGroupHeight, kEdges.back(), Border::Single);
    page.PrintBox(top, kEdges.front() + kInset, top + kGroupHeight, kEdges.back() - kInset, Border::None);
    page.PrintText(top, kEdges.front() + kInset, kPrintBold | kPrintVCenter | kPrintSingleLine, kGroupSize,
                   QString::fromLatin1(heading));
}

}  // namespace

double DrawResultsTablePage(PrintPage& page, const AnalysisGrid& grid, int pageNumber) {
    const std::span<const TableLine> lines = LinesOfPage(pageNumber);
    if (lines.empty()) return 0;
    DrawHeader(page, pageNumber == 2 ? kHeaderTopPage2 : kHeaderTop, texts::print::kResultsHeadings);
    for (const TableLine& line : lines) {
        if (line.group != nullptr) {
            DrawGroup(page, line.group, line.top);
        } else {
            DrawGridRow(page, grid.screening[RowIndex(line.id) + 1], line.top, line.height);
        }
    }
    if (pageNumber != 5) return lines.back().top + lines.back().height;

    DrawGridRow(page, grid.screening[kCountRow], kCountRowTop, kCountRowHeight);
    DrawHeader(page, kReliabilityTop, texts::print::kReliabilityHeadings);
    const double valuesTop = kReliabilityTop + kHeaderHeight;
    DrawGridRow(page, grid.reliability[1], valuesTop, kReliabilityRowHeight);
    return valuesTop + kReliabilityRowHeight;
}

}  // namespace orva
