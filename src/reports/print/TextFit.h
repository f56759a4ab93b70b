// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QSizeF>
#include <functional>

namespace orva {

// The largest size from `pointSize` down to `minPointSize`, in half-point steps, at which
// `measure` says the text fits `room`; `minPointSize` when none does. The caller measures, so
// the choice can be checked without fonts.
double FitPointSize(double pointSize, double minPointSize, const QSizeF& room,
                    const std::function<QSizeF(double pointSize)>& measure);

}  // namespace orva
