// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/Clock.h"
#include "reports/CsvImport.h"
#include "reports/ReportsError.h"
#include "store/FileSystem.h"
#include "store/RandomSource.h"

namespace orva {

struct ImportOutcome {
    // Ok; CsvImport's refusal (the problem says where); StoreError::FileFull when the rows do
    // not fit; or the record file's failure.
    ReportsStatus status;
    int rows = 0;  // record rows of the CSV, once every one has passed its checks
    int repeated = 0;  // rows left out: already in the file, or earlier in the CSV
    int appended = 0;
    int existingRecords = 0;  // records the file held before
    int firstPosition = -1;   // position of the first appended record
    std::optional<CsvImportProblem> problem;
    CsvEncoding encoding = CsvEncoding::Windows1252;
};

// Checks every row of an exported CSV, then appends one record per row to the record file at
// `recordFilePath` (created when missing), each with the save date-time DecodeCsvImport gave
// it. Rows that repeat a record of the file or an earlier row are left out (DropRepeatedRows).
// Either every other row is appended or the file is left exactly as it was.
ImportOutcome RunImport(std::string_view csv, const std::string& recordFilePath, const Clock& clock,
                        RandomSource& random, FileSystem& fileSystem = DefaultFileSystem());

}  // namespace orva
