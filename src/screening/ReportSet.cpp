// SPDX-License-Identifier: Apache-2.0
#include "screening/ReportSet.h"

namespace orva {

void ReportSet::Reset() {
    for (AssessmentRecord& record : records_) record.Reset();
}

bool ReportSet::IsSlotEmpty(int slot) const { return records_[slot].GetLastName().empty(); }

bool ReportSet::AnyPresent() const {
    for (int slot = 0; slot < kReportSlots; ++slot) {
        if (!IsSlotEmpty(slot)) return true;
    }
    return false;
}

}  // namespace orva
