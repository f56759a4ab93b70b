// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <optional>
#include <span>

#include "model/UserMessage.h"

namespace orva {

// One record chosen for an analysis: its reporter and its position in the record file.
struct SelectedRecord {
    int reporter = -1;
    int position = -1;
};

// The chosen records by slot (Self, Parent, Teacher; -1 where none), or why they are refused.
struct AnalysisSelection {
    std::array<int, 3> positions{-1, -1, -1};
    std::optional<UserMessage> refusal;
};

// The slot of a record by its reporter code, as its list entry is labelled: Teacher for
// reporter 2, Parent for 1, and Self for anything else (a record whose reporter is not set
// included).
int AnalysisSlotFor(int reporter);

// Checks the choice in list order: none, more than three, or a second record of one reporter
// are refused with the product's message (stop icon).
AnalysisSelection ClassifyAnalysisSelection(std::span<const SelectedRecord> selected);

}  // namespace orva
