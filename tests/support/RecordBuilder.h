// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "model/AssessmentRecord.h"
#include "model/Clock.h"

namespace orva::testsupport {

// Items answered with an endorsing value. The values cycle through 3, 4 and 5 so every
// endorsing answer is exercised.
std::vector<std::pair<int, int>> Endorsed(std::initializer_list<int> items);
std::vector<std::pair<int, int>> Join(std::vector<std::pair<int, int>> a,
                                      const std::vector<std::pair<int, int>>& b);

// Builds a valid record the way the wizards fill one, through the record's own setters: a
// value a setter refuses fails the test at once (std::invalid_argument), so a fixture never
// holds less than it says. Starts as Alex Citizen's record of `reporter`, nothing else set;
// the endorsements are computed when it is built.
class RecordBuilder {
  public:
    explicit RecordBuilder(int reporter);
    // Goes on from `start`, as an edit does.
    explicit RecordBuilder(const AssessmentRecord& start) : record_(start) {}

    RecordBuilder& Reporter(int reporter);
    RecordBuilder& Names(const std::string& first, const std::string& last);
    RecordBuilder& Born(int year, int month, int day);
    // Completed on that day, as on that day itself (a record is never completed after the day
    // it is saved).
    RecordBuilder& Completed(int year, int month, int day);
    RecordBuilder& Gender(char code);
    RecordBuilder& Observer(const std::string& name, const std::string& relationship = "");
    RecordBuilder& OnPaper();
    // (item, value) pairs, a value of -1 for a blank answer.
    RecordBuilder& Answers(const std::vector<std::pair<int, int>>& answers);
    // Every item answered `value`; a Teacher-report only the items teachers are asked.
    RecordBuilder& AnswerAll(int value);
    // Every item answered `value`, those a Teacher-report leaves out too.
    RecordBuilder& AnswerEveryItem(int value);
    RecordBuilder& Endorsing(std::initializer_list<int> items, int value = 4);
    RecordBuilder& SavedAt(const LocalDateTime& when);
    // Any other field, through the record's own setters.
    template <typename Change>
    RecordBuilder& With(Change change) {
        change(record_);
        return *this;
    }

    AssessmentRecord Build() const;
    operator AssessmentRecord() const { return Build(); }

  private:
    AssessmentRecord record_;
};

// Alex `lastName`'s record of `reporter` as the analysis loads one from a file: the answers held
// as stored (-1 for a blank), the reporter as stored, unset too, the endorsements computed.
inline AssessmentRecord MakeRecord(int reporter, const std::vector<std::pair<int, int>>& answers,
                                   const std::string& lastName = "Citizen") {
    AssessmentRecord record = RecordBuilder(kSelf).Names("Alex", lastName);
    record.SetStoredReporter(reporter);
    for (const auto& [item, value] : answers) record.SetHeldResponse(item, value < 0 ? kHeldBlank : value);
    return record;
}

}  // namespace orva::testsupport
