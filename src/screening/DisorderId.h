// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <cstddef>

namespace orva {

// The 23 screening rows in report order: the row order of the analysis grid, the printed
// report and the RTF report, and the order in which rows are counted.
enum class DisorderId : int {
    GAD,
    OCD,
    PTSD,
    SAD,
    ADHD_HI,
    ADHD_I,
    ADHD_C,
    CD,
    ODD,
    ELD,
    MRELD,
    PD,
    DD,
    AN,
    BN,
    DWE,
    MD,
    RD,
    AsD,
    AD,
    TicD_M,
    TicD_V,
    TD,
};

inline constexpr int kDisorderCount = 23;

// 0-based row index (row 1 of the grid is index 0).
constexpr int RowIndex(DisorderId id) { return static_cast<int>(id); }

inline constexpr std::array<DisorderId, kDisorderCount> kAllDisorders = {
    DisorderId::GAD,    DisorderId::OCD,    DisorderId::PTSD,  DisorderId::SAD,    DisorderId::ADHD_HI,
    DisorderId::ADHD_I, DisorderId::ADHD_C, DisorderId::CD,    DisorderId::ODD,    DisorderId::ELD,
    DisorderId::MRELD,  DisorderId::PD,     DisorderId::DD,    DisorderId::AN,     DisorderId::BN,
    DisorderId::DWE,    DisorderId::MD,     DisorderId::RD,    DisorderId::AsD,    DisorderId::AD,
    DisorderId::TicD_M, DisorderId::TicD_V, DisorderId::TD,
};

// The identifier as written in code ("GAD", "ADHD_HI", "TicD_M", ...), for machine-readable output.
const char* DisorderName(DisorderId id);

}  // namespace orva
