// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>

#include "store/RecordFormat.h"
#include "store/ScramblerKeys.h"

namespace orva {

// Turns 81 plain bytes into 243 stored bytes and back: two stages of 3 x 3 matrix
// arithmetic over the bytes taken in nine interleaved groups, each value kept as three
// little-endian bytes. The keys are in ScramblerKeys.h.
class BlockScrambler {
  public:
    using InverseMatrix = std::array<double, 9>;

    // `plain` holds kPlainBlockSize bytes, `block` receives kStoredBlockSize bytes.
    static void Scramble(const unsigned char* plain, unsigned char* block);

    // `block` holds kStoredBlockSize bytes, `plain` receives kPlainBlockSize bytes. False when
    // the block cannot have come from Scramble (a value that is not a byte); `plain` then
    // holds nothing of use.
    static bool Unscramble(const unsigned char* block, unsigned char* plain);

    // Inverse by Gaussian elimination in double precision; false when a pivot lies within
    // 0.000001 of zero, and such a matrix is not usable as a key.
    static bool InvertKeyMatrix(const KeyMatrix& key, InverseMatrix& inverse);
};

}  // namespace orva
