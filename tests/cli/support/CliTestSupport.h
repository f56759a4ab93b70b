// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <vector>

#include "model/AssessmentRecord.h"
#include "support/CliRunner.h"
#include "support/RecordFileWriter.h"
#include "support/TempFolder.h"
#include "support/WholeFile.h"

namespace orva::cli_test {


// A person's record as the wizards save it: born 17 May 2012, a girl, the Teacher-report on
// paper.
AssessmentRecord MakePerson(int reporter, const std::string& first, const std::string& last,
                            const std::vector<std::pair<int, int>>& answers, const std::string& observer = "");

// The records of one write saved a day and a minute apart from 1 March 2024 10:00: their order
// by save time is their order in the file, and each has a day of its own.
inline const testsupport::SaveSchedule kDailySaves{{2024, 3, 1, 10, 0, 0}, 24 * 60 + 1};

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Overwrites one byte of the file.
void PatchByte(const std::string& path, long long offset, unsigned char value);

}  // namespace orva::cli_test
