// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstddef>
#include <random>
#include <utility>
#include <vector>

namespace orva {

// Where the random filler bytes of stored records come from; tests substitute a fixed source.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // A number from `lowest` to `highest`, both included.
    virtual int Between(int lowest, int highest) = 0;
};

// The program's source: a Mersenne twister seeded once from the system's entropy.
class DefaultRandomSource final : public RandomSource {
  public:
    DefaultRandomSource();
    int Between(int lowest, int highest) override;
    static DefaultRandomSource& Instance();

  private:
    std::mt19937 engine_;
};

// Hands out the given values in turn, starting again after the last, each clamped into the
// requested range. With no values it always gives the lowest.
class SequenceRandomSource final : public RandomSource {
  public:
    explicit SequenceRandomSource(std::vector<int> values) : values_(std::move(values)) {}
    int Between(int lowest, int highest) override;

  private:
    std::vector<int> values_;
    std::size_t next_ = 0;
};

}  // namespace orva
