// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <algorithm>

#include "reports/CsvFormat.h"
#include "reports/ExportRun.h"
#include "support/RecordFileWriter.h"
#include "support/FaultInjectingFileSystem.h"
#include "store/FileSystem.h"
#include "store/RecordCodec.h"
#include "store/RecordFormat.h"
#include "reports/support/ReportsTestSupport.h"
#include "support/ForwardingFileSystem.h"
#include "reports/ReportsTexts.h"
#include "store/StoreError.h"

namespace orva {
namespace {

using testsupport::FileExists;
using testsupport::ReadFile;
using testsupport::WriteFile;

// Passes everything through, but reading the record at `position` gives too few bytes.
class UnreadableRecordFileSystem final : public testsupport::ForwardingFileSystem {
  public:
    explicit UnreadableRecordFileSystem(long long position) : offset_(RecordOffset(position)) {}
    StoreResult<long long> ReadAt(Handle h, long long offset, void* buffer, std::size_t size) override {
        return offset == offset_ ? StoreResult<long long>(100) : Inner().ReadAt(h, offset, buffer, size);
    }

  private:
    long long offset_;
};

class ExportRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int i = 0; i < 3; ++i) {
            records_.push_back(reports_test::PersonRecord(i, "Kim" + std::to_string(i), "Lo, \"Ng\""));
        }
        ASSERT_TRUE(testsupport::AppendRecords(folder_.Path("clinic.rpc"), records_));
    }

    ExportRequest Request(bool privacy = true) const {
        return {folder_.Path("clinic"), folder_.Path("out"), privacy};
    }

    std::string Csv() const { return ReadFile(folder_.Path("out.csv")); }

    // Spoils record `position` of the record file so the decoder refuses it.
    void SpoilRecord(int position) {
        std::string bytes = ReadFile(folder_.Path("clinic.rpc"));
        bytes[static_cast<std::size_t>(RecordOffset(position)) + 500] ^= 0x5A;
        WriteFile(folder_.Path("clinic.rpc"), bytes);
    }

    std::string ExpectedCsv() const {
        std::string csv = texts::kCsvHeader;
        for (AssessmentRecord record : records_) {
            record.SetStoredSaveDateTime({2024, 6, 1, 8, 5, 9});
            csv += FormatCsvLine(record);
        }
        return csv;
    }

    testsupport::TempFolder folder_;
    std::vector<AssessmentRecord> records_;
    int asked_ = 0;
    ReplaceDecision yes_ = [this] {
        ++asked_;
        return true;
    };
    ReplaceDecision no_ = [this] {
        ++asked_;
        return false;
    };
};

TEST_F(ExportRunTest, ExportsEveryRecordInFileOrderAndSaysSo) {
    const ExportOutcome outcome = RunExport(Request(), yes_);
    EXPECT_EQ(outcome.stop, ExportStop::None);
    EXPECT_TRUE(outcome.exported);
    EXPECT_TRUE(outcome.failure.Ok());
    EXPECT_EQ(outcome.counters, (ExportCounters{3, 3, 0, 0, 0}));
    EXPECT_EQ(Csv(), ExpectedCsv());
    EXPECT_EQ(asked_, 0);
    ASSERT_TRUE(outcome.message);
    EXPECT_EQ(*outcome.message,
              (UserMessage{"Export OK",
                           "The ORVA file \n\n\t" + folder_.Path("clinic") + ".rpc\n\nwas exported to\n\n\t" +
                               folder_.Path("out") + ".csv",
                           MessageIcon::Information}));
    if (testsupport::kPosixFileModes) {
        EXPECT_EQ(testsupport::FileMode(folder_.Path("out.csv")), 0600u);
    }
}

TEST_F(ExportRunTest, RecordRefusedByTheDecoderIsCountedAndPassedOver) {
    SpoilRecord(1);
    const ExportOutcome outcome = RunExport(Request(), yes_);
    EXPECT_TRUE(outcome.exported);
    EXPECT_EQ(outcome.counters, (ExportCounters{3, 2, 0, 1, 0}));
    ASSERT_TRUE(outcome.message);
    EXPECT_EQ(outcome.message->caption, "Export File Problem");
    EXPECT_EQ(outcome.message->icon, MessageIcon::Exclamation);
    EXPECT_EQ(
        outcome.message->text,
        "The ORVA file \n\t" + folder_.Path("clinic") + ".rpc\n\nwas partially exported to\n\t" +
            folder_.Path("out") +
            ".csv\n\nNumber of Records:\t    3\nRecords Written:\t    2\nCould Not Read:\t    0\nCould Not "
            "Import:\t    1\nCould Not Write:\t    0");
    const std::string csv = Csv();
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 3);
    EXPECT_EQ(csv.find("Kim1"), std::string::npos);
}

TEST_F(ExportRunTest, RecordThatCannotBeReadIsCountedAndPassedOver) {
    UnreadableRecordFileSystem fs(2);
    const ExportOutcome outcome = RunExport(Request(), yes_, fs);
    EXPECT_EQ(outcome.counters, (ExportCounters{3, 2, 1, 0, 0}));
    EXPECT_EQ(outcome.message->caption, "Export File Problem");
}

TEST_F(ExportRunTest, WithoutThePrivacyTickNothingIsOpened) {
    const ExportOutcome outcome = RunExport(Request(false), yes_);
    EXPECT_EQ(outcome.stop, ExportStop::Privacy);
    EXPECT_FALSE(outcome.exported);
    EXPECT_EQ(outcome.message->caption, "Data Privacy Responsibility");
    EXPECT_EQ(outcome.message->icon, MessageIcon::Stop);
    EXPECT_FALSE(FileExists(folder_.Path("out.csv")));
}

TEST_F(ExportRunTest, ExistingCsvIsReplacedOnlyAfterYes) {
    WriteFile(folder_.Path("out.csv"), "keep me");
    const ExportOutcome declined = RunExport(Request(), no_);
    EXPECT_EQ(declined.stop, ExportStop::Declined);
    EXPECT_FALSE(declined.exported);
    EXPECT_FALSE(declined.message);
    EXPECT_EQ(Csv(), "keep me");

    const ExportOutcome replaced = RunExport(Request(), yes_);
    EXPECT_TRUE(replaced.exported);
    EXPECT_EQ(Csv(), ExpectedCsv());
    EXPECT_EQ(asked_, 2);
}

TEST_F(ExportRunTest, NoDecodableRecordCreatesNoFileAndReportsNothingWritten) {
    WriteFile(folder_.Path("out.csv"), "keep me");
    for (int position = 0; position < 3; ++position) SpoilRecord(position);
    const ExportOutcome outcome = RunExport(Request(), no_);
    EXPECT_TRUE(outcome.exported);
    EXPECT_EQ(asked_, 0);
    EXPECT_EQ(outcome.counters, (ExportCounters{3, 0, 0, 3, 0}));
    EXPECT_EQ(outcome.message->caption, "Export File Problem");
    EXPECT_EQ(Csv(), "keep me");
}

TEST_F(ExportRunTest, RecordsBeyondTheFilesCapacityAreCountedAsNotReadAndNeverExported) {
    // A file made by other means: the three records, then copies of the first up to 720.
    std::string bytes = ReadFile(folder_.Path("clinic.rpc"));
    const std::string first = bytes.substr(kHeaderSize, kStoredRecordSize);
    while (bytes.size() < kHeaderSize + 720 * kStoredRecordSize) bytes += first;
    WriteFile(folder_.Path("clinic.rpc"), bytes);
    const ExportOutcome outcome = RunExport(Request(), yes_);
    EXPECT_TRUE(outcome.exported);
    EXPECT_EQ(outcome.counters, (ExportCounters{720, 657, 63, 0, 0}));
    EXPECT_EQ(outcome.message->caption, "Export File Problem");
    const std::string csv = Csv();
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 658);  // the header row and 657 records
}

TEST_F(ExportRunTest, RecordFileThatCannotBeOpenedStopsTheRunWithItsMessage) {
    ExportRequest request = Request();
    request.recordFileName = folder_.Path("missing");
    ExportOutcome outcome = RunExport(request, yes_);
    EXPECT_EQ(outcome.stop, ExportStop::RecordFile);
    EXPECT_EQ(outcome.failure, StoreError::FileNotFound);
    EXPECT_EQ(
        *outcome.message,
        (UserMessage{"ORVA File Error", "The file\n\t'" + folder_.Path("missing") + ".rpc'\nwas not found",
                     MessageIcon::Stop}));

    WriteFile(folder_.Path("text.rpc"), std::string(kHeaderSize + kStoredRecordSize, 'x'));
    request.recordFileName = folder_.Path("text");
    outcome = RunExport(request, yes_);
    EXPECT_EQ(outcome.message->text,
              "The file\n\t'" + folder_.Path("text") + ".rpc'\nis not in a ORVA file format");
    EXPECT_FALSE(FileExists(folder_.Path("out.csv")));
}

TEST_F(ExportRunTest, CsvThatCannotBeCreatedStopsTheRunWithItsMessage) {
    ExportRequest request = Request();
    request.exportName = folder_.Path("no/such/folder/out");
    const ExportOutcome outcome = RunExport(request, yes_);
    EXPECT_EQ(outcome.stop, ExportStop::ExportFile);
    EXPECT_FALSE(outcome.exported);
    EXPECT_EQ(*outcome.message,
              (UserMessage{"Export File Error",
                           "The path to file\n\t'" + request.exportName + ".csv'\nwas not found",
                           MessageIcon::Stop}));
}

TEST_F(ExportRunTest, FullDiskLeavesNoCsvAndIsNeverSuccess) {
    const std::string expected = ExpectedCsv();
    const std::size_t firstRowEnd = expected.find('\n', std::string(texts::kCsvHeader).size()) + 1;
    FaultInjectingFileSystem fs;
    fs.DiskFullAfter(static_cast<long long>(firstRowEnd) + 40);
    const ExportOutcome outcome = RunExport(Request(), yes_, fs);
    // No half export is left, and the message says so: nothing was exported.
    EXPECT_EQ(outcome.stop, ExportStop::NotWritten);
    EXPECT_FALSE(outcome.exported);
    EXPECT_EQ(outcome.failure, StoreError::DiskFull);
    EXPECT_EQ(outcome.counters, (ExportCounters{3, 0, 0, 0, 3}));
    EXPECT_EQ(*outcome.message,
              (UserMessage{"Export File Error",
                           "The ORVA file \n\t" + Request().recordFileName + ".rpc\n\nwas not exported: the file\n\t" +
                               Request().exportName +
                               ".csv\ncould not be written in full, so none of it was kept.\n\nThe disk is full.",
                           MessageIcon::Stop}));
    EXPECT_FALSE(FileExists(folder_.Path("out.csv")));
}

TEST_F(ExportRunTest, FullDiskBeforeTheHeaderFailsEveryRow) {
    FaultInjectingFileSystem fs;
    fs.DiskFullAfter(100);
    const ExportOutcome outcome = RunExport(Request(), yes_, fs);
    EXPECT_EQ(outcome.stop, ExportStop::NotWritten);
    EXPECT_EQ(outcome.counters, (ExportCounters{3, 0, 0, 0, 3}));
    EXPECT_EQ(outcome.failure, StoreError::DiskFull);
    EXPECT_EQ(Csv(), "");
}

TEST_F(ExportRunTest, FailedFlushOnClosingCountsNoRowAsWritten) {
    FaultInjectingFileSystem fs;
    fs.FailSync(StoreError::HardwareError);
    const ExportOutcome outcome = RunExport(Request(), yes_, fs);
    EXPECT_EQ(outcome.stop, ExportStop::NotWritten);
    EXPECT_EQ(outcome.failure, StoreError::HardwareError);
    EXPECT_EQ(outcome.counters, (ExportCounters{3, 0, 0, 0, 3}));
    EXPECT_EQ(outcome.message->caption, "Export File Error");
    EXPECT_EQ(outcome.message->text.find("disk is full"), std::string::npos);
}

}  // namespace
}  // namespace orva
