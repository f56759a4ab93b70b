// SPDX-License-Identifier: Apache-2.0
#include "reports/print/TextFit.h"

namespace orva {

namespace {

constexpr double kStep = 0.5;
// Measured sizes are rounded by the font engine; a hair's excess is no overflow.
constexpr double kTolerance = 1e-6;

}  // namespace

double FitPointSize(double pointSize, double minPointSize, const QSizeF& room,
                    const std::function<QSizeF(double pointSize)>& measure) {
    for (double size = pointSize; size > minPointSize; size -= kStep) {
        const QSizeF needed = measure(size);
        if (needed.width() <= room.width() + kTolerance && needed.height() <= room.height() + kTolerance)
            return size;
    }
    return minPointSize;
}

}  // namespace orva
