// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "model/AssessmentRecord.h"
#include "model/RecordFilePath.h"
#include "screening/AnalysisResult.h"
#include "screening/ReportSet.h"
#include "store/FileSystem.h"
#include "store/StoreError.h"

namespace orva {

// The person whose records are wanted, as typed in the selection dialogs.
struct PersonQuery {
    std::string firstName, lastName;
    int birthYear = 0, birthMonth = 0, birthDay = 0;
};

// One record of the person, analysed alone.
struct HistoryAssessment {
    long long position = -1;
    // All 0 when the record holds no completion date.
    int completionYear = 0, completionMonth = 0, completionDay = 0;
    int reporter = kSelf;  // slot, as the list labels it (AnalysisSlotFor)
    // Kept, so a window can open the ordinary analysis without reading the file again.
    AssessmentRecord record;
    AnalysisResult analysis;  // of this record alone
};

// Ordered: completion date, then Self, Parent, Teacher, then position.
struct PersonHistory {
    std::vector<HistoryAssessment> assessments;
};

// The records of one completion date: the columns a window offers to open as one analysis.
struct CompletionPeriod {
    int completionYear = 0, completionMonth = 0, completionDay = 0;
    std::vector<int> columns;  // indices into PersonHistory::assessments, in history order
    // Per slot, the column an ordinary analysis of this date takes (the latest position of that
    // reporter), -1 when the date has none.
    std::array<int, kReportSlots> analysisColumns{-1, -1, -1};
};

// From records already read (position, record); the person is matched exactly as the selection
// dialogs and the record list match one: names compared as RecordList::NameKey makes them, and
// the stored birth date.
PersonHistory BuildPersonHistory(std::span<const std::pair<long long, AssessmentRecord>> records,
                                 const PersonQuery& person);

// Reads the file through RecordStore::ForEach and builds the history; on the store's failure
// `history` is left empty. `skipped` counts the records left unread as RecordList::Load
// counts them (damaged, or beyond the file's capacity), for the same "failed to load" message.
StoreStatus LoadPersonHistory(const RecordFilePath& path, const PersonQuery& person, PersonHistory& history,
                              int* skipped = nullptr, FileSystem& fs = DefaultFileSystem());

// The history's columns grouped by completion date, in history order.
std::vector<CompletionPeriod> GroupByCompletionDate(const PersonHistory& history);

// The report set of a period's analysis columns, ready for ComputeAnalysis and the analysis view.
ReportSet PeriodReportSet(const PersonHistory& history, const CompletionPeriod& period);

}  // namespace orva
