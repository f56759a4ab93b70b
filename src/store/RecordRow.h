// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <optional>
#include <string>

#include "model/AssessmentRecord.h"
#include "model/Clock.h"
#include "model/Date.h"

namespace orva {

// What a record list can be sorted by.
enum class RecordSortKey { FirstName, LastName, BirthDate, SaveDateTime, ObserverName, Reporter };

// One stored record as the selection dialogs list it; they, and orva-cli, turn it into text.
struct RecordRow {
    std::string firstName;  // as stored
    std::string lastName;   // as stored
    // Nothing unless the stored text is 8 (14) digits; a record read from a file always has both.
    std::optional<Date> birthDate;
    std::optional<LocalDateTime> saved;
    std::string observerName;
    ReporterType reporter = kSelf;  // any stored value other than Parent or Teacher is listed as Self
    char dataEntry = kOnScreen;
    int filePosition = -1;  // the record's position in its file, to read or replace it

    bool operator==(const RecordRow&) const = default;
};

}  // namespace orva
