// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <utility>

#include "model/AssessmentRecord.h"
#include "model/Clock.h"

// Records for the analysis and selection tests, built with the record's own setters.
namespace orva::analysis_test {

// The seven repeated item pairs of the reliability statistic.
inline constexpr std::array<std::pair<int, int>, 7> kRepeatedPairs = {
    {{57, 95}, {36, 14}, {86, 37}, {65, 27}, {19, 59}, {100, 34}, {49, 89}}};

inline const FixedClock& TestClock() {
    static const FixedClock clock(LocalDateTime{2026, 6, 15, 10, 30, 0});
    return clock;
}

struct Person {
    std::string first = "ALEX";
    std::string last = "CITIZEN";
    int birthYear = 2012;
    int birthMonth = 3;
    int birthDay = 15;
};

// Every item answered 0, so every repeated pair agrees (Omega 1.00, reliable) and nothing is
// endorsed; `endorsed` items are then answered 4. `unreliable` answers the repeated pairs 0
// and 5 (Omega -1.00).
inline AssessmentRecord MakeRecord(int reporter, const Person& person = {},
                                   std::initializer_list<int> endorsed = {}, bool unreliable = false,
                                   const std::string& observer = "") {
    AssessmentRecord record;
    record.SetReporter(reporter);
    record.SetFirstName(person.first);
    record.SetLastName(person.last);
    record.SetBirthDate(person.birthYear, person.birthMonth, person.birthDay);
    record.SetCompletionDate(2026, 6, 1, TestClock());
    record.SetGender('F');
    if (reporter != kSelf) record.SetObserverName(observer);
    for (int item = 1; item <= kItemCount; ++item) record.SetResponse(item, 0);
    if (unreliable)
        for (const auto& [first, second] : kRepeatedPairs) record.SetResponse(second, 5);
    for (int item : endorsed) record.SetResponse(item, 4);
    return record;
}

}  // namespace orva::analysis_test
