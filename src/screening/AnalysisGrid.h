// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <string>

#include "screening/AnalysisResult.h"
#include "screening/ReportSet.h"

namespace orva {

inline constexpr int kScreeningGridRows = 25;  // the heading row, 23 disorder rows, the count row
inline constexpr int kReliabilityGridRows = 2;
inline constexpr int kGridColumns = 7;
inline constexpr int kCountRow = 24;

struct GridCell {
    std::string text;
    bool shaded = false;  // the shade colour; white otherwise

    bool operator==(const GridCell&) const = default;
};

using GridRow = std::array<GridCell, kGridColumns>;

// The texts and shading of both analysis grids, exactly as the analysis form shows them,
// free of any window. Row 0 of the screening grid is its fixed heading row.
struct AnalysisGrid {
    std::array<GridRow, kScreeningGridRows> screening;
    std::array<GridRow, kReliabilityGridRows> reliability;
};

// The grids before any analysis: headings, row labels, cutoff labels and reliability labels.
AnalysisGrid FixedAnalysisGrid();
// The grids of an analysis: the fixed texts plus every computed cell, rebuilt from scratch.
AnalysisGrid BuildAnalysisGrid(const AnalysisResult& analysis);
// The same for a report set, analysed once.
AnalysisGrid BuildAnalysisGrid(const ReportSet& reports);

}  // namespace orva
