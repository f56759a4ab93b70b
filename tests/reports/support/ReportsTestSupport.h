// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "model/AssessmentRecord.h"
#include "model/Clock.h"
#include "screening/ReportSet.h"
#include "support/TempFolder.h"
#include "support/WholeFile.h"

namespace orva::reports_test {

inline const LocalDateTime kToday{2024, 6, 14, 10, 20, 30};

using test::FileExists;
using test::FileMode;
using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

// A person's record as a wizard makes it: names, birth 2010-03-15, completion 2024-05-02,
// gender, reporter; answers given as (item, value).
AssessmentRecord PersonRecord(int reporter, const std::string& first, const std::string& last,
                              std::initializer_list<std::pair<int, int>> answers = {});

// Records of one young person by all three reporters, with details, observers and comments
// and answers that make several rows positive, as the analysis loads them.
ReportSet FullAnalysis();
// The same person's Teacher-report alone.
ReportSet TeacherOnlyAnalysis();

// A record whose texts hold every character the CSV must clean, accented letters and blanks,
// each where the questionnaire lets it be typed (line breaks only in the multi-line boxes), so
// that it also reads back from a record file.
AssessmentRecord AwkwardRecord();

// The CSV with the six save columns of each data row emptied: they are written when a record
// is saved, so comparisons across saves leave them out.
std::string WithoutSaveColumns(const std::string& csv);

// The bytes of a record file holding `records`, written through the store.
void WriteRecordFile(const std::string& path, std::vector<AssessmentRecord> records);

// Whether a program of that name is on the path; tests that read a report back with one skip
// without it.
bool HasProgram(const std::string& name);
// What a shell command writes on its standard output.
std::string CommandOutput(const std::string& command);

}  // namespace orva::reports_test
