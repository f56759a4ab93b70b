#include "screening/AnalysisGrid.h"

#include "screening/CombinedRow.h"
#include "screening/Omega.h"
#include "screening/ScreeningRules.h"
#include "screening/ScreeningTexts.h"

namespace orva {

namespace {

constexpr int kCutoffColumn = 1;
constexpr int kFirstScoreColumn = 2;  // Self, Parent, Teacher in columns 2, 3 and 4
constexpr int kAttainedColumn = 5;
constexpr int kItemsColumn = 6;

}  // namespace

AnalysisGrid FixedAnalysisGrid() {
    AnalysisGrid grid;
    for (int column = 0; column < kGridColumns; ++column) {
        grid.screening[0][column].text = texts::kScreeningHeadings[column];
        grid.reliability[0][column] = {texts::kReliabilityHeadings[column], true};
    }
    for (DisorderId id : kAllDisorders) {
        GridRow& row = grid.screening[RowIndex(id) + 1];
        row[0].text = RowLabel(id);
        row[kCutoffColumn].text = CutoffLabel(id);
    }
    grid.screening[kCountRow][0].text = texts::kNumberOfPositiveScreens;
    grid.reliability[1][0].text = texts::kOmegaRange;
    grid.reliability[1][kCutoffColumn].text = texts::kOmegaCutoffLabel;
    return grid;
}

AnalysisGrid BuildAnalysisGrid(const ReportSet& reports) {
    AnalysisGrid grid = FixedAnalysisGrid();
    for (DisorderId id : kAllDisorders) {
        const CombinedRow combined = CombineRow(reports, id);
        GridRow& row = grid.screening[RowIndex(id) + 1];
        for (int slot = 0; slot < kReportSlots; ++slot) {
            row[kFirstScoreColumn + slot] = {combined.reporters[slot].scoreText, combined.reporters[slot].shaded};
        }
        row[kAttainedColumn] = {combined.cutoffAttained, combined.cutoffShaded};
        row[kItemsColumn] = {combined.itemsMet, false};
    }

    GridRow& counts = grid.screening[kCountRow];
    counts[kCutoffColumn].text = texts::kSingleBlank;
    for (int slot = 0; slot < kReportSlots; ++slot) {
        std::string count = CountPositiveScreens(reports, slot);
        // A present reporter's count is shaded whatever it is, 0 included.
        const bool shaded = !count.empty();
        counts[kFirstScoreColumn + slot] = {std::move(count), shaded};
    }
    counts[kAttainedColumn].text = texts::kSingleBlank;
    counts[kItemsColumn].text = texts::kSingleBlank;

    GridRow& omega = grid.reliability[1];
    for (int slot = 0; slot < kReportSlots; ++slot) omega[kFirstScoreColumn + slot].text = OmegaCellText(reports, slot);
    omega[kAttainedColumn].text = ReliabilityAttained(reports);
    omega[kAttainedColumn].shaded = omega[kAttainedColumn].text == texts::kYes;
    omega[kItemsColumn].text = ReliabilityComment(reports);
    return grid;
}

}  // namespace orva
