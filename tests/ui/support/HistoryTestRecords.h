// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

#include "screening/PersonHistory.h"
#include "screening/ReportSet.h"
#include "support/RecordBuilder.h"
#include "ui/support/AnalysisTestRecords.h"

// The people of the comparison and history tests, built with the record's own setters.
namespace orva::history_test {

using analysis_test::MakeRecord;
using analysis_test::Person;
using analysis_test::TestClock;

// Items that make rows screen positive: generalised anxiety, obsessive-compulsive, inattentive,
// conduct and oppositional.
inline constexpr std::initializer_list<int> kAnxious = {1, 14, 23, 27};
inline constexpr std::initializer_list<int> kCompulsive = {21, 61, 72};
inline constexpr std::initializer_list<int> kInattentive = {3, 6, 39, 54, 71, 77, 90};
inline constexpr std::initializer_list<int> kConduct = {4, 15, 83};
inline constexpr std::initializer_list<int> kOppositional = {13, 25, 76, 85};

// `record` endorsing every item of the lists with 4, then recomputed.
inline AssessmentRecord Endorsing(const AssessmentRecord& record,
                                  std::initializer_list<std::initializer_list<int>> lists) {
    testsupport::RecordBuilder builder(record);
    for (const auto& list : lists) builder.Endorsing(list);
    return builder;
}

// A record of ALEX CITIZEN completed on the date, endorsing the lists.
inline AssessmentRecord Assessment(int reporter, int year, int month, int day,
                                   std::initializer_list<std::initializer_list<int>> lists,
                                   const std::string& observer = "") {
    const AssessmentRecord record =
        testsupport::RecordBuilder(MakeRecord(reporter, Person{}, {}, false, observer)).Completed(year, month, day);
    return Endorsing(record, lists);
}

// Self, Parent and Teacher of one date, disagreeing on some items: the Self-report leaves
// item 2 blank and answers item 5 with 1, the Parent-report answers item 5 with 3.
inline ReportSet ThreeReporters() {
    ReportSet reports;
    reports.Record(kSelf) =
        testsupport::RecordBuilder(Assessment(kSelf, 2026, 6, 1, {kAnxious, kCompulsive})).Answers({{2, -1}, {5, 1}});
    reports.Record(kParent) = testsupport::RecordBuilder(
                                  Assessment(kParent, 2026, 6, 1,
                                             {kAnxious, kConduct, kOppositional, kInattentive}, "Pat Citizen"))
                                  .Answers({{5, 3}});
    reports.Record(kTeacher) = Assessment(kTeacher, 2026, 6, 1, {kInattentive, kConduct}, "Mr Lee");
    return reports;
}

// Six assessments over three years, in the order they were saved (not by date): a Parent- and
// a Teacher-report in 2023, a Self- and a Parent-report in 2024, a Self- and a Parent-report in
// 2026, the child doing better over time.
inline std::vector<AssessmentRecord> SixAssessments() {
    return {
        Assessment(kParent, 2023, 9, 12, {kAnxious, kConduct, kOppositional, kInattentive}, "Pat Citizen"),
        Assessment(kTeacher, 2023, 9, 12, {kInattentive, kConduct}, "Mr Lee"),
        Assessment(kSelf, 2024, 10, 3, {kAnxious, kCompulsive}),
        Assessment(kParent, 2024, 10, 3, {kAnxious, kInattentive}, "Pat Citizen"),
        Assessment(kParent, 2026, 5, 20, {kAnxious}, "Pat Citizen"),
        Assessment(kSelf, 2026, 5, 20, {}),
    };
}

// The records with positions 0, 1, ... as a file holds them.
inline std::vector<std::pair<long long, AssessmentRecord>> Positioned(const std::vector<AssessmentRecord>& records) {
    std::vector<std::pair<long long, AssessmentRecord>> positioned;
    for (std::size_t i = 0; i < records.size(); ++i) positioned.emplace_back(static_cast<long long>(i), records[i]);
    return positioned;
}

inline PersonQuery Alex() {
    const Person person;
    return {person.first, person.last, person.birthYear, person.birthMonth, person.birthDay};
}

inline PersonHistory HistoryOf(const std::vector<AssessmentRecord>& records) {
    return BuildPersonHistory(Positioned(records), Alex());
}

}  // namespace orva::history_test
