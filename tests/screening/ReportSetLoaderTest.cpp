// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <string>

#include "screening/CombinedRow.h"
#include "screening/ReportSetLoader.h"
#include "store/StoreError.h"
#include "support/RawRecordFile.h"
#include "support/RecordBuilder.h"
#include "support/RecordFileWriter.h"
#include "support/TempFolder.h"
#include "support/WholeFile.h"

namespace orva {
namespace {

class LoaderFile : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = folder_.Path("records.rpc");
        // Self with OCD items, Parent with CD items, Teacher with both PTSD items teachers are asked.
        Append(kSelf, "Self", {21, 61, 72});
        Append(kParent, "Parent", {4, 15, 83});
        Append(kTeacher, "Teacher", {2, 111});
    }
    void Append(int reporter, const std::string& last, std::initializer_list<int> endorsed) {
        // A record file holds only records with a birth date.
        const AssessmentRecord record =
            testsupport::RecordBuilder(reporter).Names("Kim", last).Born(2012, 4, 1).Endorsing(endorsed);
        ASSERT_TRUE(testsupport::AppendRecords(path_, {record}, {{2024, 5, 1, 9, 30, 0}}));
    }

    void Corrupt(int position) { ASSERT_TRUE(testsupport::SpoilRecord(path_, position)); }

    testsupport::TempFolder folder_;
    std::string path_;
};

TEST_F(LoaderFile, FillsEachSlotWithItsRecordReadyForScreening) {
    ReportSet set;
    set.Record(kParent).SetLastName("left over");
    ASSERT_TRUE(LoadReportSet(path_, {0, -1, 2}, set).Ok());
    EXPECT_EQ(set.Record(kSelf).GetLastName(), "Self");
    EXPECT_TRUE(set.IsSlotEmpty(kParent));
    EXPECT_EQ(set.Record(kTeacher).GetLastName(), "Teacher");
    // Endorsements were computed on loading: the rules see the answers.
    EXPECT_EQ(CombineRow(set, DisorderId::OCD).reporters[kSelf].result.itemsMet, (ItemList{21, 61, 72}));
    EXPECT_EQ(CombineRow(set, DisorderId::PTSD).reporters[kTeacher].result.itemsMet, (ItemList{2, 111}));
}

struct FailureCase {
    const char* name;
    std::array<int, 3> positions;
    int corrupt;  // record to damage first, or -1
    StoreError failure;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class LoaderFailure : public LoaderFile, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(LoaderFailure, LeavesTheAnalysisEmpty) {
    if (GetParam().corrupt >= 0) Corrupt(GetParam().corrupt);
    ReportSet set;
    EXPECT_EQ(LoadReportSet(path_, GetParam().positions, set), GetParam().failure);
    EXPECT_FALSE(set.AnyPresent());
}

INSTANTIATE_TEST_SUITE_P(
    Reads, LoaderFailure,
    ::testing::Values(FailureCase{"PositionBeyondEnd", {0, 1, 3}, -1, StoreError::PositionBeyondEnd},
                      FailureCase{"DamagedRecordAfterGoodOnes", {0, 1, 2}, 2, StoreError::ChecksumMismatch},
                      FailureCase{"DamagedFirstRecord", {0, -1, -1}, 0, StoreError::ChecksumMismatch}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoaderFile, ARecordFailingItsChecksIsToldFromAFileThatCannotBeRead) {
    Corrupt(1);
    EXPECT_EQ(ReadRecordForAnalysis(path_, 1).AsStatus(), StoreError::ChecksumMismatch);
    EXPECT_EQ(ReadRecordForAnalysis(folder_.Path("missing.rpc"), 0).AsStatus(), StoreError::FileNotFound);
}

TEST_F(LoaderFile, MissingFileIsNotCreated) {
    const std::string missing = folder_.Path("missing.rpc");
    ReportSet set;
    EXPECT_EQ(LoadReportSet(missing, {0, -1, -1}, set), StoreError::FileNotFound);
    EXPECT_FALSE(testsupport::FileExists(missing));
}

}  // namespace
}  // namespace orva
