// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>

#include "store/BlockScrambler.h"

namespace orva {
namespace {

using Plain = std::array<unsigned char, kPlainBlockSize>;
using Block = std::array<unsigned char, kStoredBlockSize>;

std::uint32_t ValueAt(const Block& block, int index) {
    return block[3 * index] | (block[3 * index + 1] << 8) |
           (static_cast<std::uint32_t>(block[3 * index + 2]) << 16);
}

TEST(BlockScrambler, KeysHaveEntriesOneToFiveAndOffsetsOneOrTwo) {
    for (const KeyMatrix& key : {kScramblerK1, kScramblerK2, kScramblerK3, kScramblerK4}) {
        for (int cell : key) {
            EXPECT_GE(cell, 1);
            EXPECT_LE(cell, 5);
        }
        BlockScrambler::InverseMatrix inverse{};
        EXPECT_TRUE(BlockScrambler::InvertKeyMatrix(key, inverse));
    }
    for (const KeyMatrix& offsets : {kScramblerB1, kScramblerB2}) {
        for (int cell : offsets) EXPECT_TRUE(cell == 1 || cell == 2);
    }
}

TEST(BlockScrambler, InverseTimesKeyIsIdentity) {
    BlockScrambler::InverseMatrix inverse{};
    ASSERT_TRUE(BlockScrambler::InvertKeyMatrix(kScramblerK3, inverse));
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            double sum = 0;
            for (int j = 0; j < 3; ++j) sum += kScramblerK3[r * 3 + j] * inverse[j * 3 + c];
            EXPECT_NEAR(sum, r == c ? 1.0 : 0.0, 1e-12);
        }
    }
}

TEST(BlockScrambler, SingularKeyIsRefused) {
    BlockScrambler::InverseMatrix inverse{};
    EXPECT_FALSE(BlockScrambler::InvertKeyMatrix({1, 2, 3, 2, 4, 6, 1, 1, 1}, inverse));
    EXPECT_FALSE(BlockScrambler::InvertKeyMatrix({1, 1, 1, 1, 1, 1, 1, 1, 1}, inverse));
}

TEST(BlockScrambler, EveryByteValueInEveryPositionRoundTrips) {
    for (int value = 0; value < 256; ++value) {
        Plain plain{};
        for (std::size_t i = 0; i < plain.size(); ++i)
            plain[i] = static_cast<unsigned char>((value + 37 * i) & 0xFF);
        Block block{};
        BlockScrambler::Scramble(plain.data(), block.data());
        Plain back{};
        ASSERT_TRUE(BlockScrambler::Unscramble(block.data(), back.data()));
        ASSERT_EQ(back, plain) << "value " << value;
    }
}

TEST(BlockScrambler, RandomBlocksRoundTrip) {
    std::mt19937 engine(12345);
    for (int trial = 0; trial < 2000; ++trial) {
        Plain plain{};
        for (auto& b : plain) b = static_cast<unsigned char>(engine() & 0xFF);
        Block block{};
        BlockScrambler::Scramble(plain.data(), block.data());
        Plain back{};
        ASSERT_TRUE(BlockScrambler::Unscramble(block.data(), back.data()));
        ASSERT_EQ(back, plain);
    }
}

TEST(BlockScrambler, LargestInputStaysWithinThreeBytesAndNoValueIsZeroOrLess) {
    Plain plain{};
    plain.fill(255);
    Block block{};
    BlockScrambler::Scramble(plain.data(), block.data());
    for (int i = 0; i < 81; ++i) {
        EXPECT_GT(ValueAt(block, i), 0u);
        EXPECT_LE(ValueAt(block, i), 13'011'075u);
    }
}

TEST(BlockScrambler, OutputDependsOnEveryInputByte) {
    Plain plain{};
    Block reference{};
    BlockScrambler::Scramble(plain.data(), reference.data());
    for (std::size_t i = 0; i < plain.size(); ++i) {
        Plain changed{};
        changed[i] = 1;
        Block block{};
        BlockScrambler::Scramble(changed.data(), block.data());
        EXPECT_NE(block, reference) << "byte " << i;
    }
}

TEST(BlockScrambler, BlockThatNoScrambleCanGiveIsRefused) {
    Block block{};
    block.fill(0xFF);
    Plain plain{};
    EXPECT_FALSE(BlockScrambler::Unscramble(block.data(), plain.data()));
    block.fill(0);
    EXPECT_FALSE(BlockScrambler::Unscramble(block.data(), plain.data()));
}

}  // namespace
}  // namespace orva
