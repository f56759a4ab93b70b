// SPDX-License-Identifier: Apache-2.0
#include "reports/RepeatedRows.h"

#include <algorithm>

namespace orva {

bool SameSavedRecord(const AssessmentRecord& a, const AssessmentRecord& b) {
    return a.GetText(TextField::SaveDateTime) == b.GetText(TextField::SaveDateTime) &&
           a.GetDataEntry() == b.GetDataEntry() && a.SameContent(b);
}

int DropRepeatedRows(std::vector<AssessmentRecord>& rows, const std::vector<AssessmentRecord>& existing) {
    std::vector<AssessmentRecord> kept;
    kept.reserve(rows.size());
    const auto sameAs = [](const AssessmentRecord& row) {
        return [&row](const AssessmentRecord& other) { return SameSavedRecord(row, other); };
    };
    for (AssessmentRecord& row : rows) {
        if (std::any_of(existing.begin(), existing.end(), sameAs(row)) ||
            std::any_of(kept.begin(), kept.end(), sameAs(row))) {
            continue;
        }
        kept.push_back(row);
    }
    const int dropped = static_cast<int>(rows.size() - kept.size());
    rows = std::move(kept);
    return dropped;
}

}  // namespace orva
