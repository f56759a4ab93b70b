#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "MessageSpec.h"

namespace orva {

// One record chosen for an analysis: its reporter and its position in the record file.
struct SelectedRecord {
    int reporter = -1;
    int position = -1;
};

// The chosen records by slot (Self, Parent, Teacher; -1 where none), or why they are refused.
struct AnalysisSelection {
    std::array<int, 3> positions{-1, -1, -1};
    std::optional<MessageSpec> refusal;
};

// The slot a record goes to: Self for reporter 0, Parent for 1, Teacher for anything else.
int AnalysisSlotFor(int reporter);
// The same by the list label of an entry: "Self Assessment", "Parent", anything else Teacher.
int AnalysisSlotForLabel(std::string_view reporterLabel);

// Checks the choice in list order: none, more than three, or a second record of one reporter
// are refused with the product's message (stop icon).
AnalysisSelection ClassifyAnalysisSelection(std::span<const SelectedRecord> selected);

}  // namespace orva
