// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <cstdint>

#include "screening/ItemList.h"

namespace orva {

inline constexpr int kMaxCounts = 3;

// What one screening rule gives for one record.
struct ScreeningResult {
    bool positive = false;                          // the record meets the row's cutoff
    std::array<std::int32_t, kMaxCounts> counts{};  // endorsed items per category, in cutoff-label order
    int countCount = 0;                             // how many entries of `counts` the row has (1..3)
    ItemList itemsMet;                              // listed endorsed items, ascending

    bool operator==(const ScreeningResult&) const = default;
};

}  // namespace orva
