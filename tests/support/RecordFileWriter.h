// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/AssessmentRecord.h"
#include "model/Clock.h"

namespace orva::testsupport {

// When the records of one write are saved: the first at `first`, each next one `minutesApart`
// minutes after the one before.
struct SaveSchedule {
    LocalDateTime first{2024, 6, 1, 8, 5, 9};
    int minutesApart = 0;
};

// Appends `records` to the record file at `path` (made when missing) as the program saves
// them: through RecordStore::Append on the machine's file system, stamped by a fixed clock
// that follows `schedule`. The position of the first record written, or nothing when the
// store refused (what it wrote before then stays).
[[nodiscard]] std::optional<int> AppendRecords(const std::string& path, std::vector<AssessmentRecord> records,
                                               const SaveSchedule& schedule = {});

}  // namespace orva::testsupport
