// SPDX-License-Identifier: Apache-2.0
#include "screening/AnalysisGrid.h"

#include "screening/ScreeningPresentation.h"
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

AnalysisGrid BuildAnalysisGrid(const AnalysisResult& analysis) {
    AnalysisGrid grid = FixedAnalysisGrid();
    for (DisorderId id : kAllDisorders) {
        const CombinedRow& combined = analysis.Row(id);
        GridRow& row = grid.screening[RowIndex(id) + 1];
        for (int slot = 0; slot < kReportSlots; ++slot) {
            const ReporterScore& score = combined.reporters[slot];
            row[kFirstScoreColumn + slot] = {ScoreText(score), score.result.positive};
        }
        row[kAttainedColumn] = {CutoffAttainedText(combined), combined.cutoffAttained};
        row[kItemsColumn] = {ItemsMetText(combined), false};
    }

    GridRow& counts = grid.screening[kCountRow];
    counts[kCutoffColumn].text = texts::kSingleBlank;
    for (int slot = 0; slot < kReportSlots; ++slot) {
        // A present reporter's count is shaded whatever it is, 0 included.
        counts[kFirstScoreColumn + slot] = {PositiveScreensText(analysis, slot), analysis.present[slot]};
    }
    counts[kAttainedColumn].text = texts::kSingleBlank;
    counts[kItemsColumn].text = texts::kSingleBlank;

    GridRow& omega = grid.reliability[1];
    for (int slot = 0; slot < kReportSlots; ++slot) omega[kFirstScoreColumn + slot].text = OmegaCellText(analysis, slot);
    omega[kAttainedColumn] = {ReliabilityAttainedText(analysis), analysis.reliabilityAttained};
    omega[kItemsColumn].text = ReliabilityCommentText(analysis);
    return grid;
}

AnalysisGrid BuildAnalysisGrid(const ReportSet& reports) { return BuildAnalysisGrid(ComputeAnalysis(reports)); }

}  // namespace orva
