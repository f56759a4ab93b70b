// SPDX-License-Identifier: Apache-2.0
#include "screening/Omega.h"

#include <cmath>
#include <cstdlib>

#include "model/ItemCatalogue.h"

namespace orva {

namespace {

// The true Omega is a multiple of 1/(5n); sums of the inexact 0.2 steps can land a few ulps
// below an exact zero, which must not show as "-0.00".
constexpr double kZeroNoise = 1e-9;

}  // namespace

void ReliabilityAccumulator::Add(int a, int b) {
    if (a < 0 || a > 5 || b < 0 || b > 5) return;
    ++pairs;
    if (a == b) {
        ++equalPairs;
    } else {
        weightedDifference += kDifferenceWeight * std::abs(a - b);
    }
}

OmegaResult ReliabilityAccumulator::Evaluate() const {
    OmegaResult result;
    result.pairs = pairs;
    if (!result.HasValue()) return result;

    double omega = (equalPairs - weightedDifference) * (1.0 / pairs);
    if (std::fabs(omega) < kZeroNoise) omega = 0.0;
    // Positive values are rounded half up to two decimals before they are shown and tested.
    if (omega > 0) omega = static_cast<int>(omega * 100 + 0.5) * 0.01;
    result.value = omega;
    result.reliable = omega > kOmegaCutoffTest;
    return result;
}

OmegaResult ComputeOmega(const AssessmentRecord& record) {
    ReliabilityAccumulator accumulator;
    for (const ItemCatalogue::RepeatedPair& pair : ItemCatalogue::RepeatedPairs()) {
        accumulator.Add(record.GetResponse(pair.first), record.GetResponse(pair.second));
    }
    return accumulator.Evaluate();
}

}  // namespace orva
