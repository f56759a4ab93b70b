// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>

#include "model/AssessmentRecord.h"

namespace orva {

inline constexpr int kReportSlots = 3;  // Self, Parent, Teacher; indexed by ReporterType

// The current analysis: one record slot per reporter. A slot the user did not fill holds a
// reset record.
class ReportSet {
public:
    ReportSet() = default;

    // Empties all three slots.
    void Reset();

    // `slot` is kSelf, kParent or kTeacher.
    AssessmentRecord& Record(int slot) { return records_[slot]; }
    const AssessmentRecord& Record(int slot) const { return records_[slot]; }

    // A slot is empty when its record has no last name; every consumer decides presence by this.
    bool IsSlotEmpty(int slot) const;
    // An analysis is shown when at least one slot is filled.
    bool AnyPresent() const;

private:
    std::array<AssessmentRecord, kReportSlots> records_;
};

}  // namespace orva
