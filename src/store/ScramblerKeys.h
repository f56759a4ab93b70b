// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>

namespace orva {

// The constants of the block scrambler. THESE VALUES ARE THE FILE FORMAT: every record file
// ever written can be read only with exactly these numbers. Never change them.
//
// Key matrices: invertible, entries 1..5. Offset matrices: entries 1 or 2. With these bounds
// every scrambled value stays below 2^24 and fits the three bytes it is stored in.
// Each matrix is nine cells, row by row.
using KeyMatrix = std::array<int, 9>;

inline constexpr KeyMatrix kScramblerK1 = {3, 1, 2, 1, 4, 1, 2, 1, 5};
inline constexpr KeyMatrix kScramblerK2 = {1, 2, 3, 2, 5, 3, 1, 1, 4};
inline constexpr KeyMatrix kScramblerK3 = {4, 1, 1, 2, 3, 5, 1, 2, 1};
inline constexpr KeyMatrix kScramblerK4 = {2, 5, 1, 1, 1, 3, 4, 2, 2};
inline constexpr KeyMatrix kScramblerB1 = {1, 2, 1, 2, 1, 2, 1, 1, 2};
inline constexpr KeyMatrix kScramblerB2 = {2, 1, 2, 1, 2, 1, 2, 2, 1};

}  // namespace orva
