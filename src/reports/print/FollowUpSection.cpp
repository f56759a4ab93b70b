#include "reports/print/FollowUpSection.h"

#include <algorithm>
#include <array>

#include "reports/print/PrintString.h"
#include "screening/ScreeningTexts.h"

namespace orva {

namespace {

constexpr double kLeft = 0.5;
constexpr double kRight = 7.65;
// Item, reporter, answer and wording columns; the wording wraps within the rest of the line.
constexpr std::array<double, 4> kColumns = {0.5, 1.0, 1.75, 2.65};
constexpr double kBeforeHeading = 0.2;
constexpr double kAfterHeading = 0.05;
constexpr double kBetweenRows = 0.03;
constexpr double kHeadingSize = 10;
constexpr double kTextSize = 9;

// One row of the list; returns the row below its tallest cell.
double DrawRow(PrintPage& page, double row, const std::array<QString, 4>& cells, int flags) {
    double below = row;
    for (std::size_t column = 0; column + 1 < cells.size(); ++column)
        below = std::max(
            below, page.PrintText(row, kColumns[column], flags | kPrintSingleLine, kTextSize, cells[column]));
    return std::max(below, page.PrintText(row, kColumns.back(), flags, kTextSize, cells.back()));
}

}  // namespace

double DrawFollowUpSection(PrintPage& page, double row, double bottom,
                           const std::vector<FollowUpTexts>& items) {
    page.PrintBox(row, kLeft, bottom, kRight, Border::None);
    row = page.PrintText(row + kBeforeHeading, kLeft, kPrintBold, kHeadingSize,
                         FromCp1252(texts::kFollowUpHeading));
    row = page.PrintText(row + kAfterHeading, kLeft, 0, kTextSize, FromCp1252(texts::kFollowUpNote));
    if (items.empty())
        return page.PrintText(row + kAfterHeading, kLeft, 0, kTextSize, FromCp1252(texts::kNoneEndorsed));

    const auto& columns = texts::kFollowUpColumns;
    row = DrawRow(
        page, row + kAfterHeading,
        {FromCp1252(columns[0]), FromCp1252(columns[1]), FromCp1252(columns[2]), FromCp1252(columns[3])},
        kPrintBold);
    for (const FollowUpTexts& item : items)
        row = DrawRow(page, row + kBetweenRows,
                      {FromCp1252(item.item), FromCp1252(item.reporter), FromCp1252(item.answer),
                       FromCp1252(item.wording)},
                      0);
    return row;
}

}  // namespace orva
