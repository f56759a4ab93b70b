// SPDX-License-Identifier: Apache-2.0
#include "screening/PersonHistory.h"

#include <algorithm>
#include <tuple>

#include "screening/AnalysisSelection.h"
#include "store/RecordList.h"
#include "store/RecordStore.h"
#include "store/StoreError.h"

namespace orva {

namespace {

// The person as RecordList::Find compares one: both names by their keys, the birth date as stored.
class PersonMatch {
  public:
    explicit PersonMatch(const PersonQuery& person)
        : first_(RecordList::NameKey(person.firstName)),
          last_(RecordList::NameKey(person.lastName)),
          person_(person) {}

    bool operator()(const AssessmentRecord& record) const {
        const std::optional<Date> birth = record.GetBirthDate();
        if (!birth) return false;
        return birth->year == person_.birthYear && birth->month == person_.birthMonth &&
               birth->day == person_.birthDay && RecordList::NameKey(record.GetLastName()) == last_ &&
               RecordList::NameKey(record.GetFirstName()) == first_;
    }

  private:
    std::string first_;
    std::string last_;
    const PersonQuery& person_;
};

HistoryAssessment AssessmentOf(long long position, const AssessmentRecord& stored) {
    HistoryAssessment assessment;
    assessment.position = position;
    assessment.record = stored;
    const Date completion = assessment.record.GetCompletionDate().value_or(Date{});
    assessment.completionYear = completion.year;
    assessment.completionMonth = completion.month;
    assessment.completionDay = completion.day;
    assessment.reporter = AnalysisSlotFor(assessment.record.GetReporter());
    ReportSet alone;
    alone.Record(assessment.reporter) = assessment.record;
    assessment.analysis = ComputeAnalysis(alone);
    return assessment;
}

auto DateKey(const HistoryAssessment& a) {
    return std::tie(a.completionYear, a.completionMonth, a.completionDay);
}

}  // namespace

PersonHistory BuildPersonHistory(std::span<const std::pair<long long, AssessmentRecord>> records,
                                 const PersonQuery& person) {
    const PersonMatch matches(person);
    PersonHistory history;
    for (const auto& [position, record] : records) {
        if (matches(record)) history.assessments.push_back(AssessmentOf(position, record));
    }
    std::sort(
        history.assessments.begin(), history.assessments.end(),
        [](const HistoryAssessment& a, const HistoryAssessment& b) {
            return std::tie(a.completionYear, a.completionMonth, a.completionDay, a.reporter, a.position) <
                   std::tie(b.completionYear, b.completionMonth, b.completionDay, b.reporter, b.position);
        });
    return history;
}

StoreStatus LoadPersonHistory(const RecordFilePath& path, const PersonQuery& person, PersonHistory& history,
                              int* skipped, FileSystem& fs) {
    history = PersonHistory{};
    if (skipped != nullptr) *skipped = 0;
    const PersonMatch matches(person);
    std::vector<std::pair<long long, AssessmentRecord>> found;
    int unread = 0;
    const StoreResult<long long> result = RecordStore(fs).ForEach(
        path, true, [&](long long position, StoreStatus read, const AssessmentRecord& record) {
            if (!read) {
                ++unread;
            } else if (matches(record)) {
                found.emplace_back(position, record);
            }
            return true;
        });
    if (!result) return result.Error();
    if (skipped != nullptr) *skipped = unread;
    history = BuildPersonHistory(found, person);
    return {};
}

std::vector<CompletionPeriod> GroupByCompletionDate(const PersonHistory& history) {
    std::vector<CompletionPeriod> periods;
    for (int column = 0; column < static_cast<int>(history.assessments.size()); ++column) {
        const HistoryAssessment& assessment = history.assessments[static_cast<std::size_t>(column)];
        if (periods.empty() ||
            DateKey(history.assessments[static_cast<std::size_t>(periods.back().columns.front())]) !=
                DateKey(assessment)) {
            periods.push_back({assessment.completionYear,
                               assessment.completionMonth,
                               assessment.completionDay,
                               {},
                               {-1, -1, -1}});
        }
        CompletionPeriod& period = periods.back();
        period.columns.push_back(column);
        // Within a date a reporter's columns run by position, so the last one is the latest.
        period.analysisColumns[assessment.reporter] = column;
    }
    return periods;
}

ReportSet PeriodReportSet(const PersonHistory& history, const CompletionPeriod& period) {
    ReportSet reports;
    for (int slot = 0; slot < kReportSlots; ++slot) {
        const int column = period.analysisColumns[slot];
        if (column >= 0) reports.Record(slot) = history.assessments[static_cast<std::size_t>(column)].record;
    }
    return reports;
}

}  // namespace orva
