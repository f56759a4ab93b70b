// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "screening/Endorsement.h"
#include "screening/PersonHistory.h"
#include "store/RecordFormat.h"
#include "store/RecordStore.h"
#include "store/StoreError.h"
#include "support/RecordBuilder.h"
#include "support/TempFolder.h"

namespace orva {
namespace {

using D = DisorderId;
using Records = std::vector<std::pair<long long, AssessmentRecord>>;

const Date kBirth{2012, 4, 1};
const Date kNoDate{};

// A record as the wizards save it; endorsements are left for the history to compute.
AssessmentRecord Assessment(int reporter, const Date& completed, std::initializer_list<int> endorsed = {},
                            const std::string& first = "Kim", const std::string& last = "Lee",
                            const Date& birth = kBirth) {
    testsupport::RecordBuilder built(AssessmentRecord{});
    built.Names(first, last).Born(birth.year, birth.month, birth.day);
    if (completed.year != 0) built.Completed(completed.year, completed.month, completed.day);
    AssessmentRecord record = built;
    record.SetStoredReporter(reporter);
    for (int item : endorsed) record.SetHeldResponse(item, 4);
    return record;
}

const PersonQuery kKim{"Kim", "Lee", 2012, 4, 1};

std::vector<long long> Positions(const PersonHistory& history) {
    std::vector<long long> positions;
    for (const HistoryAssessment& a : history.assessments) positions.push_back(a.position);
    return positions;
}

// Records of Kim Lee born 1 April 2012 over three completion dates, and of others with names like hers.
class History : public ::testing::Test {
  protected:
    History() {
        records_ = {
            {0, Assessment(kTeacher, {2024, 3, 1}, {2, 111})},
            {1, Assessment(kSelf, {2023, 11, 10}, {21, 61, 72})},
            {2, Assessment(kParent, {2024, 3, 1})},
            {3, Assessment(kSelf, {2024, 3, 1}, {21, 61, 72, 4, 15, 83})},
            {4, Assessment(kSelf, {2024, 3, 1})},
            {5, Assessment(kSelf, {2023, 1, 1}, {}, "Kim", "Lee", {2012, 4, 2})},
            {6, Assessment(kParent, {2022, 6, 30}, {}, "kim ", "LEE  ")},
            {7, Assessment(kSelf, {2022, 6, 30}, {}, "Kim", "Lees")},
            {8, Assessment(kSelf, {2022, 6, 30}, {}, "Kimberly", "Lee")},
            {9, Assessment(kReporterNotSet, {2024, 3, 1})},
        };
    }

    PersonHistory Build() const {
        // Given backwards, so the order cannot come from the input.
        const Records backwards(records_.rbegin(), records_.rend());
        return BuildPersonHistory(backwards, kKim);
    }

    Records records_;
};

TEST_F(History, HoldsThePersonsRecordsByCompletionDateThenReporterThenPosition) {
    const PersonHistory history = Build();
    // 6 (30 June 2022, Parent), 1 (10 November 2023), then 1 March 2024: Self 3, 4 and 9, Parent 2, Teacher
    // 0.
    EXPECT_EQ(Positions(history), (std::vector<long long>{6, 1, 3, 4, 9, 2, 0}));
    std::vector<int> reporters;
    for (const HistoryAssessment& a : history.assessments) reporters.push_back(a.reporter);
    EXPECT_EQ(reporters, (std::vector<int>{kParent, kSelf, kSelf, kSelf, kSelf, kParent, kTeacher}));
    const HistoryAssessment& first = history.assessments.front();
    EXPECT_EQ(std::make_tuple(first.completionYear, first.completionMonth, first.completionDay),
              std::make_tuple(2022, 6, 30));
}

TEST_F(History, LeavesOutOthersWithTheSameNamesOrTheSameBirthDate) {
    const std::vector<long long> positions = Positions(Build());
    for (long long other : {5, 7, 8}) {
        EXPECT_EQ(std::count(positions.begin(), positions.end(), other), 0) << other;
    }
    EXPECT_TRUE(BuildPersonHistory(records_, {"Kim", "Lee", 2012, 4, 3}).assessments.empty());
    EXPECT_TRUE(BuildPersonHistory(records_, {"Kim", "", 2012, 4, 1}).assessments.empty());
}

TEST_F(History, AnalysesEachRecordAlone) {
    const PersonHistory history = Build();
    const HistoryAssessment& teacher = history.assessments[6];
    EXPECT_EQ(teacher.analysis.present, (std::array<bool, kReportSlots>{false, false, true}));
    // Two PTSD items are enough for a teacher, alone as much as with the others.
    EXPECT_TRUE(teacher.analysis.Row(D::PTSD).reporters[kTeacher].result.positive);
    EXPECT_EQ(teacher.analysis.positiveScreens[kTeacher], 1);

    const HistoryAssessment& self = history.assessments[2];
    ASSERT_EQ(self.position, 3);
    EXPECT_TRUE(self.analysis.Row(D::OCD).reporters[kSelf].result.positive);
    EXPECT_TRUE(self.analysis.Row(D::CD).reporters[kSelf].result.positive);
    EXPECT_EQ(self.analysis.positiveScreens[kSelf], 2);
    // The record is kept ready for an analysis: its endorsements are computed.
    EXPECT_TRUE(IsEndorsed(self.record, 21));

    EXPECT_EQ(history.assessments[3].analysis.positiveScreens[kSelf], 0);
}

TEST_F(History, ARecordWithoutCompletionDateComesFirst) {
    records_.push_back({10, Assessment(kTeacher, kNoDate)});
    const PersonHistory history = Build();
    ASSERT_EQ(history.assessments.size(), 8u);
    const HistoryAssessment& first = history.assessments.front();
    EXPECT_EQ(first.position, 10);
    EXPECT_EQ(std::make_tuple(first.completionYear, first.completionMonth, first.completionDay),
              std::make_tuple(0, 0, 0));
}

TEST_F(History, GroupsColumnsByCompletionDateWithTheLatestRecordOfEachReporterForAnAnalysis) {
    const PersonHistory history = Build();
    const std::vector<CompletionPeriod> periods = GroupByCompletionDate(history);
    ASSERT_EQ(periods.size(), 3u);
    EXPECT_EQ(
        std::make_tuple(periods[0].completionYear, periods[0].completionMonth, periods[0].completionDay),
        std::make_tuple(2022, 6, 30));
    EXPECT_EQ(periods[0].columns, std::vector<int>{0});
    EXPECT_EQ(periods[0].analysisColumns, (std::array<int, kReportSlots>{-1, 0, -1}));
    EXPECT_EQ(periods[1].columns, std::vector<int>{1});
    EXPECT_EQ(periods[1].analysisColumns, (std::array<int, kReportSlots>{1, -1, -1}));
    EXPECT_EQ(
        std::make_tuple(periods[2].completionYear, periods[2].completionMonth, periods[2].completionDay),
        std::make_tuple(2024, 3, 1));
    EXPECT_EQ(periods[2].columns, (std::vector<int>{2, 3, 4, 5, 6}));
    // Of the three Self records of the date, the one at the latest position (9).
    EXPECT_EQ(periods[2].analysisColumns, (std::array<int, kReportSlots>{4, 5, 6}));
    EXPECT_TRUE(GroupByCompletionDate(PersonHistory{}).empty());
}

TEST_F(History, APeriodsReportSetHoldsItsAnalysisRecordsReadyForTheAnalysis) {
    const PersonHistory history = Build();
    const CompletionPeriod period = GroupByCompletionDate(history)[2];
    const ReportSet reports = PeriodReportSet(history, period);
    const AnalysisResult analysis = ComputeAnalysis(reports);
    EXPECT_EQ(analysis.present, (std::array<bool, kReportSlots>{true, true, true}));
    EXPECT_EQ(reports.Record(kSelf).GetReporter(), kReporterNotSet);
    EXPECT_EQ(reports.Record(kParent).GetReporter(), kParent);
    EXPECT_TRUE(analysis.Row(D::PTSD).reporters[kTeacher].result.positive);

    const ReportSet older = PeriodReportSet(history, GroupByCompletionDate(history)[1]);
    EXPECT_TRUE(ComputeAnalysis(older).Row(D::OCD).reporters[kSelf].result.positive);
    EXPECT_TRUE(older.IsSlotEmpty(kParent));
    EXPECT_TRUE(older.IsSlotEmpty(kTeacher));
}

// Reading the history from a record file.

class HistoryFile : public ::testing::Test {
  protected:
    void Append(std::vector<AssessmentRecord> records) {
        const FixedClock clock({2024, 6, 1, 9, 30, 0});
        RecordStore store(DefaultFileSystem(), clock);
        ASSERT_TRUE(store.Append(path_, records).status.Ok());
    }

    void Corrupt(long long position) {
        std::fstream file(path_.OnDisk(), std::ios::binary | std::ios::in | std::ios::out);
        file.seekp(static_cast<std::streamoff>(kHeaderSize + kStoredRecordSize * position + 700));
        file.write("\xFF\xFF\xFF", 3);
    }

    testsupport::TempFolder folder_;
    RecordFilePath path_{folder_.Path("clinic")};
};

TEST_F(HistoryFile, ReadsThePersonsRecordsAndCountsTheDamagedOnesSkipped) {
    Append({Assessment(kSelf, {2024, 3, 1}, {21, 61, 72}), Assessment(kParent, {2024, 3, 1}),
            Assessment(kSelf, {2024, 3, 1}, {}, "Ann", "Lee"), Assessment(kTeacher, {2023, 2, 1}, {2, 111})});
    Corrupt(1);
    PersonHistory history;
    int skipped = -1;
    ASSERT_TRUE(LoadPersonHistory(path_, kKim, history, &skipped).Ok());
    EXPECT_EQ(skipped, 1);
    EXPECT_EQ(Positions(history), (std::vector<long long>{3, 0}));
    EXPECT_TRUE(history.assessments[1].analysis.Row(D::OCD).reporters[kSelf].result.positive);
}

TEST_F(HistoryFile, AFileThatCannotBeReadGivesTheStoresCodeAndNoHistory) {
    PersonHistory history;
    history.assessments.resize(2);
    int skipped = -1;
    EXPECT_EQ(LoadPersonHistory(path_, kKim, history, &skipped), StoreError::FileNotFound);
    EXPECT_TRUE(history.assessments.empty());
    EXPECT_EQ(skipped, 0);
}

TEST_F(HistoryFile, FindsThePersonAnywhereInAFullFile) {
    // 657 records of 219 others, three reports each, with the person's own in between.
    std::vector<AssessmentRecord> records;
    const std::vector<int> own = {0, 328, 656};
    for (int i = 0; i < kMaxRecords; ++i) {
        const bool mine = std::find(own.begin(), own.end(), i) != own.end();
        // The others share her names; only their birth dates differ.
        records.push_back(
            mine ? Assessment(i % 3, {2020 + i % 5, 1 + i % 12, 1 + i % 28})
                 : Assessment(i % 3, {2024, 1, 2}, {}, "Kim", "Lee", {2010, 1 + i % 12, 1 + i % 28}));
    }
    Append(records);
    PersonHistory history;
    int skipped = -1;
    ASSERT_TRUE(LoadPersonHistory(path_, kKim, history, &skipped).Ok());
    EXPECT_EQ(skipped, 0);
    // Completed in 2020 (0), 2023 (328) and 2021 (656).
    EXPECT_EQ(Positions(history), (std::vector<long long>{0, 656, 328}));
}

}  // namespace
}  // namespace orva
