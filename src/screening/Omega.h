// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "model/AssessmentRecord.h"

namespace orva {

inline constexpr double kDifferenceWeight = 0.2;
inline constexpr int kMinimumOmegaPairs = 4;            // fewer answered pairs give no Omega
inline constexpr double kOmegaCutoffTest = 0.06500001;  // "0.07 or more" after rounding

// The reliability statistic of one record.
struct OmegaResult {
    int pairs = 0;          // repeated pairs with both answers given
    double value = 0.0;     // positive values rounded half up to two decimals; 0 without a value
    bool reliable = false;  // the value meets the Omega cutoff

    bool HasValue() const { return pairs >= kMinimumOmegaPairs; }
    bool operator==(const OmegaResult&) const = default;
};

// The repeated pairs of one record, summed as the statistic needs them.
struct ReliabilityAccumulator {
    int pairs = 0;
    int equalPairs = 0;
    double weightedDifference = 0.0;

    // Adds one repeated pair; answers outside 0..5 (blank included) leave the pair out.
    void Add(int a, int b);
    // The statistic of the pairs added so far.
    OmegaResult Evaluate() const;
};

// Adds the record's seven pairs and evaluates them.
OmegaResult ComputeOmega(const AssessmentRecord& record);

}  // namespace orva
