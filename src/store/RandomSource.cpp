// SPDX-License-Identifier: Apache-2.0
#include "store/RandomSource.h"

#include <algorithm>

namespace orva {

DefaultRandomSource::DefaultRandomSource() : engine_(std::random_device{}()) {}

int DefaultRandomSource::Between(int lowest, int highest) {
    return std::uniform_int_distribution<int>(lowest, highest)(engine_);
}

DefaultRandomSource& DefaultRandomSource::Instance() {
    static DefaultRandomSource source;
    return source;
}

int SequenceRandomSource::Between(int lowest, int highest) {
    if (values_.empty()) return lowest;
    const int value = values_[next_];
    next_ = (next_ + 1) % values_.size();
    return std::clamp(value, lowest, highest);
}

}  // namespace orva
