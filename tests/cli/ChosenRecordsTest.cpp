#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/ChosenRecords.h"
#include "cli/CliTexts.h"
#include "store/StoreResult.h"
#include "store/StoreTexts.h"

namespace orva::cli {
namespace {

std::string ReadFailure(int code) {
    std::ostringstream err;
    PrintReadFailure(err, "/data/clinic.rpc", 4, code, std::nullopt);
    return err.str();
}

// A record that could not be read because the file failed is not a damaged record: the reader
// is told to look at the file, not that the record is beyond repair.
TEST(PrintReadFailure, TellsAFileThatFailedApartFromARecordThatFailedItsChecks) {
    for (const int code : {static_cast<int>(kFileGeneric), static_cast<int>(kHardwareError)}) {
        const std::string said = ReadFailure(code);
        EXPECT_EQ(said.find(texts::kRecordFailsChecks), std::string::npos) << code;
        EXPECT_NE(said.find(orva::texts::kOpenErrorBefore), std::string::npos) << code;
        EXPECT_NE(said.find("/data/clinic"), std::string::npos) << code;
    }
    for (const int code : {static_cast<int>(kChecksumMismatch), static_cast<int>(kIncompleteRecord)}) {
        EXPECT_NE(ReadFailure(code).find(std::string(texts::kRecordFailsChecks) + "4\n"), std::string::npos)
            << code;
    }
}

}  // namespace
}  // namespace orva::cli
