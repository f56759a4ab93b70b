// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/ChosenRecords.h"
#include "cli/CliTexts.h"
#include "store/StoreError.h"
#include "store/StoreTexts.h"

namespace orva::cli {
namespace {

std::string ReadFailure(StoreError failure) {
    std::ostringstream err;
    PrintReadFailure(err, "/data/clinic.rpc", 4, failure, std::nullopt);
    return err.str();
}

// A record that could not be read because the file failed is not a damaged record: the reader
// is told to look at the file, not that the record is beyond repair.
TEST(PrintReadFailure, TellsAFileThatFailedApartFromARecordThatFailedItsChecks) {
    for (const StoreError failure : {StoreError::FileGeneric, StoreError::HardwareError}) {
        const std::string said = ReadFailure(failure);
        EXPECT_EQ(said.find(texts::cli::kRecordFailsChecks), std::string::npos) << Code(failure);
        EXPECT_NE(said.find(orva::texts::kOpenErrorBefore), std::string::npos) << Code(failure);
        EXPECT_NE(said.find("/data/clinic"), std::string::npos) << Code(failure);
    }
    for (const StoreError failure : {StoreError::ChecksumMismatch, StoreError::IncompleteRecord}) {
        EXPECT_NE(ReadFailure(failure).find(std::string(texts::cli::kRecordFailsChecks) + "4\n"),
                  std::string::npos)
            << Code(failure);
    }
}

}  // namespace
}  // namespace orva::cli
