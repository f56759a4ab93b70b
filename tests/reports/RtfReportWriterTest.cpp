// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <numeric>

#include "support/FaultInjectingFileSystem.h"
#include "store/OutputFile.h"
#include "reports/support/ReportsTestSupport.h"
#include "reports/RtfDocument.h"
#include "reports/RtfReportWriter.h"
#include "store/StoreError.h"

namespace orva {
namespace {

using testsupport::ReadFile;
using testsupport::TempFolder;

class RtfReportWriterTest : public ::testing::Test {
  protected:
    std::vector<std::string> Chunks() const { return BuildRtfReport(PrepareRtfReportTexts(set_)); }

    TempFolder folder_;
    ReportSet set_ = reports_test::FullAnalysis();
};

TEST_F(RtfReportWriterTest, WritesTheWholeDocumentToAnOwnerOnlyFile) {
    OutputFile file;
    file.SetPath(folder_.Path("report.rtf"));
    ASSERT_TRUE(file.Open(false).Ok());
    EXPECT_TRUE(WriteRtfReport(set_, file).Ok());
    EXPECT_TRUE(file.Close().Ok());

    const std::vector<std::string> chunks = Chunks();
    const std::string expected = std::accumulate(chunks.begin(), chunks.end(), std::string());
    EXPECT_EQ(ReadFile(folder_.Path("report.rtf")), expected);
    if (testsupport::kPosixFileModes) {
        EXPECT_EQ(testsupport::FileMode(folder_.Path("report.rtf")), 0600u);
    }
}

TEST_F(RtfReportWriterTest, FullDiskStopsAtTheFailedChunkWithItsCodeAndLeavesNoFile) {
    const std::vector<std::string> chunks = Chunks();
    const std::size_t complete = chunks[0].size() + chunks[1].size() + chunks[2].size();
    for (long long budget : {0LL, static_cast<long long>(complete), static_cast<long long>(complete) + 100}) {
        FaultInjectingFileSystem fs;
        fs.DiskFullAfter(budget);
        OutputFile file(fs);
        file.SetPath(folder_.Path("full.rtf"));
        ASSERT_TRUE(file.Open(true).Ok());
        EXPECT_EQ(WriteRtfReport(set_, file), StoreError::DiskFull);
        // Nothing is tried after the failed chunk.
        EXPECT_LE(fs.BytesWritten(), budget);
        EXPECT_EQ(file.Close(), StoreError::DiskFull);
        EXPECT_FALSE(testsupport::FileExists(folder_.Path("full.rtf"))) << budget;
    }
}

TEST_F(RtfReportWriterTest, OtherWriteFailuresAreReturnedAsTheyCome) {
    FaultInjectingFileSystem fs;
    fs.FailWritesAfter(10, StoreError::HardwareError);
    OutputFile file(fs);
    file.SetPath(folder_.Path("broken.rtf"));
    ASSERT_TRUE(file.Open(true).Ok());
    EXPECT_EQ(WriteRtfReport(set_, file), StoreError::HardwareError);
}

TEST_F(RtfReportWriterTest, AFileThatIsNotOpenIsNotWritten) {
    OutputFile file;
    file.SetPath(folder_.Path("never.rtf"));
    EXPECT_FALSE(WriteRtfReport(set_, file).Ok());
    EXPECT_FALSE(testsupport::FileExists(folder_.Path("never.rtf")));
}

}  // namespace
}  // namespace orva
