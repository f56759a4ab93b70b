// SPDX-License-Identifier: Apache-2.0
#include "support/RecordBuilder.h"

#include <stdexcept>

#include "model/ItemCatalogue.h"

namespace orva::testsupport {

namespace {

// A fixture that asks for a value the record refuses is a fault of the test itself.
void Require(RecordFieldStatus set, const char* what) {
    if (!set) {
        throw std::invalid_argument(std::string("test record refuses ") + what + " (cause " +
                                    std::to_string(static_cast<int>(set.Error())) + ")");
    }
}

}  // namespace

std::vector<std::pair<int, int>> Endorsed(std::initializer_list<int> items) {
    std::vector<std::pair<int, int>> answers;
    int value = 3;
    for (int item : items) {
        answers.emplace_back(item, value);
        value = value == 5 ? 3 : value + 1;
    }
    return answers;
}

std::vector<std::pair<int, int>> Join(std::vector<std::pair<int, int>> a,
                                      const std::vector<std::pair<int, int>>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

RecordBuilder::RecordBuilder(int reporter) {
    Reporter(reporter);
    record_.SetFirstName("Alex");
    record_.SetLastName("Citizen");
}

RecordBuilder& RecordBuilder::Reporter(int reporter) {
    Require(record_.SetReporter(reporter), "the reporter");
    return *this;
}

RecordBuilder& RecordBuilder::Names(const std::string& first, const std::string& last) {
    record_.SetFirstName(first);
    record_.SetLastName(last);
    return *this;
}

RecordBuilder& RecordBuilder::Born(int year, int month, int day) {
    Require(record_.SetBirthDate(year, month, day), "the birth date");
    return *this;
}

RecordBuilder& RecordBuilder::Completed(int year, int month, int day) {
    const FixedClock thatDay({year, month, day, 12, 0, 0});
    Require(record_.SetCompletionDate(year, month, day, thatDay), "the completion date");
    return *this;
}

RecordBuilder& RecordBuilder::Gender(char code) {
    Require(record_.SetGender(code), "the gender");
    return *this;
}

RecordBuilder& RecordBuilder::Observer(const std::string& name, const std::string& relationship) {
    record_.SetObserverName(name);
    record_.SetObserverRelationship(relationship);
    return *this;
}

RecordBuilder& RecordBuilder::OnPaper() {
    record_.SetDataEntry(kPaper);
    return *this;
}

RecordBuilder& RecordBuilder::Answers(const std::vector<std::pair<int, int>>& answers) {
    for (const auto& [item, value] : answers) Require(record_.SetResponse(item, value), "an answer");
    return *this;
}

RecordBuilder& RecordBuilder::AnswerAll(int value) {
    for (int item = 1; item <= kItemCount; ++item) {
        if (record_.GetReporter() != kTeacher || ItemCatalogue::InTeacherReport(item)) {
            Require(record_.SetResponse(item, value), "an answer");
        }
    }
    return *this;
}

RecordBuilder& RecordBuilder::AnswerEveryItem(int value) {
    for (int item = 1; item <= kItemCount; ++item) Require(record_.SetResponse(item, value), "an answer");
    return *this;
}

RecordBuilder& RecordBuilder::Endorsing(std::initializer_list<int> items, int value) {
    for (int item : items) Require(record_.SetResponse(item, value), "an answer");
    return *this;
}

RecordBuilder& RecordBuilder::SavedAt(const LocalDateTime& when) {
    record_.SetStoredSaveDateTime(when);
    return *this;
}

AssessmentRecord RecordBuilder::Build() const {
    return record_;
}

}  // namespace orva::testsupport
