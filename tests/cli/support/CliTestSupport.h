// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <vector>

#include "model/AssessmentRecord.h"
#include "support/CliRunner.h"
#include "support/TempFolder.h"
#include "support/WholeFile.h"

namespace orva::testing {

using test::CliRun;
using test::FileExists;
using test::ReadFile;
using test::RunCli;
using test::TempFolder;
using test::WriteFile;

// A person's record as the wizards save it.
AssessmentRecord MakePerson(int reporter, const std::string& first, const std::string& last,
                            const std::vector<std::pair<int, int>>& answers, const std::string& observer = "");

// Appends records to a record file with the store's own encoder and writer; the save
// date-times are 2024-03-0<n> 10:00:0<n> for the n-th record written by one call (n up to 9;
// later ones stay valid dates in the same March).
void AppendRecords(const std::string& path, std::vector<AssessmentRecord> records);

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Overwrites one byte of the file.
void PatchByte(const std::string& path, long long offset, unsigned char value);

}  // namespace orva::testing
