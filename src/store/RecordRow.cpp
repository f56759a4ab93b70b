// SPDX-License-Identifier: Apache-2.0
#include "store/RecordRow.h"

#include <array>

namespace orva {

namespace {

constexpr std::array<std::string RecordRow::*, kTextColumnCount> kColumns = {
    &RecordRow::upperFirst,   &RecordRow::first,         &RecordRow::upperLast,   &RecordRow::last,
    &RecordRow::birthStored,  &RecordRow::birthShown,    &RecordRow::savedStored, &RecordRow::savedShown,
    &RecordRow::observerName, &RecordRow::reporterLabel,
};

}  // namespace

const std::string& RecordRow::Column(int column) const {
    static const std::string kNone;
    if (column < 0 || column >= kTextColumnCount) return kNone;
    return this->*kColumns[static_cast<std::size_t>(column)];
}

}  // namespace orva
