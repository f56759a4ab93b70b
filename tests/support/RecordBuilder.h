// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "model/AssessmentRecord.h"

namespace orva::testing {

// Items answered with an endorsing value. The values cycle through 3, 4 and 5 so every
// endorsing answer is exercised.
inline std::vector<std::pair<int, int>> Endorsed(std::initializer_list<int> items) {
    std::vector<std::pair<int, int>> answers;
    int value = 3;
    for (int item : items) {
        answers.emplace_back(item, value);
        value = value == 5 ? 3 : value + 1;
    }
    return answers;
}

// A record as the analysis loads it: answers held as stored, endorsements computed.
inline AssessmentRecord MakeRecord(int reporter, const std::vector<std::pair<int, int>>& answers,
                                   const std::string& lastName = "Citizen") {
    AssessmentRecord record;
    record.SetStoredReporter(reporter);
    record.SetFirstName("Alex");
    record.SetLastName(lastName);
    for (const auto& [item, value] : answers) record.SetHeldResponse(item, value < 0 ? kHeldBlank : value);
    return record;
}

inline std::vector<std::pair<int, int>> Join(std::vector<std::pair<int, int>> a,
                                             const std::vector<std::pair<int, int>>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace orva::testing
