// SPDX-License-Identifier: Apache-2.0
#include "screening/FollowUpItems.h"

#include "model/ItemCatalogue.h"
#include "screening/Endorsement.h"

namespace orva {

std::vector<FollowUpItem> ItemsToFollowUp(const ReportSet& reports) {
    std::vector<FollowUpItem> endorsed;
    for (int item : kFollowUpItems) {
        for (int slot = 0; slot < kReportSlots; ++slot) {
            if (reports.IsSlotEmpty(slot)) continue;
            if (slot == kTeacher && !ItemCatalogue::InTeacherReport(item)) continue;
            const AssessmentRecord& record = reports.Record(slot);
            if (!IsEndorsed(record, item)) continue;
            endorsed.push_back({item, slot, record.GetResponse(item)});
        }
    }
    return endorsed;
}

}  // namespace orva
