// SPDX-License-Identifier: Apache-2.0
#include "store/BlockScrambler.h"

#include <cmath>
#include <cstdint>
#include <utility>

namespace orva {

namespace {

// Cells of a 3 x 3 matrix, row by row. Wide enough for every intermediate value that a
// corrupt block can produce: inputs stay below 2^24 and four products cannot reach 2^53.
using Cells = std::array<std::int64_t, 9>;

// The cell shuffle and its inverse: result cell i is taken from cell kShuffle[i].
constexpr std::array<int, 9> kShuffle = {0, 7, 5, 3, 1, 8, 6, 4, 2};
constexpr std::array<int, 9> kUnshuffle = {0, 4, 8, 3, 7, 2, 6, 1, 5};

struct Inverses {
    BlockScrambler::InverseMatrix k1{}, k2{}, k3{}, k4{};
};

const Inverses& KeyInverses() {
    static const Inverses inverses = [] {
        Inverses result;
        BlockScrambler::InvertKeyMatrix(kScramblerK1, result.k1);
        BlockScrambler::InvertKeyMatrix(kScramblerK2, result.k2);
        BlockScrambler::InvertKeyMatrix(kScramblerK3, result.k3);
        BlockScrambler::InvertKeyMatrix(kScramblerK4, result.k4);
        return result;
    }();
    return inverses;
}

Cells Shuffle(const Cells& x, const std::array<int, 9>& order) {
    Cells result{};
    for (int i = 0; i < 9; ++i) result[i] = x[order[i]];
    return result;
}

Cells Add(const Cells& x, const KeyMatrix& offsets) {
    Cells result{};
    for (int i = 0; i < 9; ++i) result[i] = x[i] + offsets[i];
    return result;
}

Cells Subtract(const Cells& x, const KeyMatrix& offsets) {
    Cells result{};
    for (int i = 0; i < 9; ++i) result[i] = x[i] - offsets[i];
    return result;
}

Cells Multiply(const Cells& x, const KeyMatrix& k) {
    Cells result{};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            result[r * 3 + c] = x[r * 3] * k[c] + x[r * 3 + 1] * k[3 + c] + x[r * 3 + 2] * k[6 + c];
        }
    }
    return result;
}

// Product with an inverse in double precision, each cell rounded by adding 0.5 and truncating.
Cells MultiplyRounded(const Cells& x, const BlockScrambler::InverseMatrix& k) {
    Cells result{};
    for (int r = 0; r < 3; ++r) {
        const double a = static_cast<double>(x[r * 3]);
        const double b = static_cast<double>(x[r * 3 + 1]);
        const double c0 = static_cast<double>(x[r * 3 + 2]);
        for (int c = 0; c < 3; ++c) {
            const double value = a * k[c] + b * k[3 + c] + c0 * k[6 + c];
            result[r * 3 + c] = static_cast<std::int64_t>(value + 0.5);
        }
    }
    return result;
}

}  // namespace

void BlockScrambler::Scramble(const unsigned char* plain, unsigned char* block) {
    std::array<Cells, 9> first{};
    for (int g = 0; g < 9; ++g) {
        Cells m{};
        for (int k = 0; k < 9; ++k) m[k] = plain[g + 9 * k];
        first[g] = Multiply(Shuffle(Multiply(Add(m, kScramblerB1), kScramblerK1), kShuffle), kScramblerK2);
    }
    for (int g = 0; g < 9; ++g) {
        Cells n{};
        for (int k = 0; k < 9; ++k) n[k] = first[k][g];
        const Cells u =
            Multiply(Shuffle(Multiply(Add(n, kScramblerB2), kScramblerK3), kShuffle), kScramblerK4);
        for (int cell = 0; cell < 9; ++cell) {
            const auto value = static_cast<std::uint32_t>(u[cell]);
            unsigned char* out = block + 3 * (9 * g + cell);
            out[0] = static_cast<unsigned char>(value & 0xFF);
            out[1] = static_cast<unsigned char>((value >> 8) & 0xFF);
            out[2] = static_cast<unsigned char>((value >> 16) & 0xFF);
        }
    }
}

bool BlockScrambler::Unscramble(const unsigned char* block, unsigned char* plain) {
    const Inverses& inv = KeyInverses();
    std::array<Cells, 9> second{};
    for (int g = 0; g < 9; ++g) {
        Cells u{};
        for (int cell = 0; cell < 9; ++cell) {
            const unsigned char* in = block + 3 * (9 * g + cell);
            u[cell] = static_cast<std::int64_t>(in[0]) | (static_cast<std::int64_t>(in[1]) << 8) |
                      (static_cast<std::int64_t>(in[2]) << 16);
        }
        second[g] =
            Subtract(MultiplyRounded(Shuffle(MultiplyRounded(u, inv.k4), kUnshuffle), inv.k3), kScramblerB2);
    }
    bool allBytes = true;
    for (int k = 0; k < 9; ++k) {
        Cells t{};
        for (int g = 0; g < 9; ++g) t[g] = second[g][k];
        const Cells m =
            Subtract(MultiplyRounded(Shuffle(MultiplyRounded(t, inv.k2), kUnshuffle), inv.k1), kScramblerB1);
        for (int cell = 0; cell < 9; ++cell) {
            allBytes = allBytes && m[cell] >= 0 && m[cell] <= 255;
            plain[k + 9 * cell] = static_cast<unsigned char>(m[cell] & 0xFF);
        }
    }
    return allBytes;
}

bool BlockScrambler::InvertKeyMatrix(const KeyMatrix& key, InverseMatrix& inverse) {
    double a[3][6] = {};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) a[r][c] = key[r * 3 + c];
        a[r][3 + r] = 1.0;
    }
    for (int col = 0; col < 3; ++col) {
        int pivotRow = col;
        for (int r = col + 1; r < 3; ++r) {
            if (std::fabs(a[r][col]) > std::fabs(a[pivotRow][col])) pivotRow = r;
        }
        if (std::fabs(a[pivotRow][col]) <= 0.000001) return false;
        if (pivotRow != col) std::swap(a[pivotRow], a[col]);
        const double pivot = a[col][col];
        for (double& v : a[col]) v /= pivot;
        for (int r = 0; r < 3; ++r) {
            if (r == col) continue;
            const double factor = a[r][col];
            for (int c = 0; c < 6; ++c) a[r][c] -= factor * a[col][c];
        }
    }
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) inverse[r * 3 + c] = a[r][3 + c];
    }
    return true;
}

}  // namespace orva
