// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include "model/Cp1252.h"
#include "reports/CsvFormat.h"
#include "reports/ExportRun.h"
#include "support/RecordFileWriter.h"
#include "support/FaultInjectingFileSystem.h"
#include "reports/ImportRun.h"
#include "reports/ReportsError.h"
#include "reports/support/ReportsTestSupport.h"
#include "reports/ReportsTexts.h"
#include "store/RecordFile.h"
#include "store/RecordFormat.h"
#include "store/StoreError.h"

namespace orva {
namespace {

using testsupport::FileExists;
using testsupport::ReadFile;
using testsupport::WriteFile;

class ImportRunTest : public ::testing::Test {
  protected:
    std::string CsvOf(int rows) const {
        std::string csv = texts::kCsvHeader;
        for (int i = 0; i < rows; ++i) {
            AssessmentRecord record = reports_test::AwkwardRecord();
            record.SetFirstName("Row" + std::to_string(i));
            csv += FormatCsvLine(record);
        }
        return csv;
    }

    ImportOutcome Import(const std::string& csv, const std::string& name,
                         FileSystem& fs = DefaultFileSystem()) {
        return RunImport(csv, folder_.Path(name), clock_, random_, fs);
    }

    // Exports `name`.rpc to `csvName`.csv and returns the CSV.
    std::string Export(const std::string& name, const std::string& csvName) {
        const ExportOutcome outcome =
            RunExport({folder_.Path(name), folder_.Path(csvName), true}, [] { return true; });
        EXPECT_EQ(outcome.counters.recordsWritten, outcome.counters.numberOfRecords);
        return ReadFile(folder_.Path(csvName + ".csv"));
    }

    testsupport::TempFolder folder_;
    FixedClock clock_{reports_test::kToday};
    SequenceRandomSource random_{{33, 90}};
};

TEST_F(ImportRunTest, CreatesTheRecordFileKeepingTheSaveTimeOfEachRow) {
    const ImportOutcome outcome = Import(CsvOf(3), "new.rpc");
    ASSERT_TRUE(outcome.status.Ok());
    EXPECT_EQ(outcome.appended, 3);
    EXPECT_EQ(outcome.existingRecords, 0);
    EXPECT_EQ(outcome.firstPosition, 0);
    EXPECT_EQ(ReadFile(folder_.Path("new.rpc")).size(), kHeaderSize + 3 * kStoredRecordSize);

    const std::string csv = Export("new", "again");
    EXPECT_NE(csv.find("Row2"), std::string::npos);
    EXPECT_NE(csv.find(",2024,06,01,08,05,09,Parent,"), std::string::npos);
    EXPECT_EQ(csv.find(",2024,06,14,10,20,30,"), std::string::npos);
}

TEST_F(ImportRunTest, RowsWithoutASaveTimeAreStampedNow) {
    std::string csv = CsvOf(1);
    csv.replace(csv.find(",2024,06,01,08,05,09,"), 21, ",,,,,,,");
    ASSERT_TRUE(Import(csv, "now.rpc").status.Ok());
    EXPECT_NE(Export("now", "again").find(",2024,06,14,10,20,30,Parent,"), std::string::npos);
}

TEST_F(ImportRunTest, ImportingTheSameCsvAgainAddsNothing) {
    const std::string csv = CsvOf(2) + CsvOf(3).substr(std::string(texts::kCsvHeader).size());
    ImportOutcome outcome = Import(csv, "retry.rpc");
    ASSERT_TRUE(outcome.status.Ok());
    EXPECT_EQ(outcome.rows, 5);
    EXPECT_EQ(outcome.repeated, 2);
    EXPECT_EQ(outcome.appended, 3);
    const std::string once = ReadFile(folder_.Path("retry.rpc"));

    outcome = Import(csv, "retry.rpc");
    ASSERT_TRUE(outcome.status.Ok());
    EXPECT_EQ(outcome.repeated, 5);
    EXPECT_EQ(outcome.appended, 0);
    EXPECT_EQ(outcome.firstPosition, -1);
    EXPECT_EQ(ReadFile(folder_.Path("retry.rpc")), once);
}

TEST_F(ImportRunTest, ReportsTheEncodingTheCsvWasReadIn) {
    EXPECT_EQ(Import(CsvOf(1), "latin.rpc").encoding, CsvEncoding::Windows1252);
    EXPECT_EQ(Import(Cp1252::ToUtf8(CsvOf(1)), "utf8.rpc").encoding, CsvEncoding::Utf8);
    // Both read to the same record.
    EXPECT_EQ(ReadFile(folder_.Path("latin.rpc")).size(), ReadFile(folder_.Path("utf8.rpc")).size());
    EXPECT_EQ(Export("latin", "latin"), Export("utf8", "utf8"));
}

TEST_F(ImportRunTest, AppendsAfterTheRecordsAlreadyThere) {
    ASSERT_TRUE(testsupport::AppendRecords(folder_.Path("old.rpc"),
                                  {reports_test::PersonRecord(kSelf, "First", "One")}));
    const ImportOutcome outcome = Import(CsvOf(2), "old.rpc");
    ASSERT_TRUE(outcome.status.Ok());
    EXPECT_EQ(outcome.existingRecords, 1);
    EXPECT_EQ(outcome.firstPosition, 1);
    const std::string csv = Export("old", "all");
    EXPECT_LT(csv.find("First"), csv.find("Row0"));
    EXPECT_LT(csv.find("Row0"), csv.find("Row1"));
}

TEST_F(ImportRunTest, ExportImportExportGivesTheSameCsv) {
    std::vector<AssessmentRecord> records = {reports_test::AwkwardRecord(),
                                             reports_test::FullAnalysis().Record(kParent),
                                             reports_test::TeacherOnlyAnalysis().Record(kTeacher)};
    ASSERT_TRUE(testsupport::AppendRecords(folder_.Path("source.rpc"), records));
    const std::string first = Export("source", "first");
    ASSERT_TRUE(Import(first, "copy.rpc").status.Ok());
    const std::string second = Export("copy", "second");

    EXPECT_EQ(first, second);
}

TEST_F(ImportRunTest, BadRowLeavesTheFileUntouched) {
    ASSERT_TRUE(testsupport::AppendRecords(folder_.Path("keep.rpc"),
                                  {reports_test::PersonRecord(kSelf, "First", "One")}));
    const std::string before = ReadFile(folder_.Path("keep.rpc"));
    std::string csv = CsvOf(3);
    csv.replace(csv.rfind(",Parent,"), 8, ",Pupil,");
    const ImportOutcome outcome = Import(csv, "keep.rpc");
    EXPECT_EQ(outcome.status, ReportsError::ImportBadRow);
    EXPECT_EQ(outcome.problem->line, 4);
    EXPECT_EQ(ReadFile(folder_.Path("keep.rpc")), before);
    EXPECT_EQ(Import(csv, "never.rpc").status, ReportsError::ImportBadRow);
    EXPECT_FALSE(FileExists(folder_.Path("never.rpc")));
}

TEST_F(ImportRunTest, RowsThatWouldPassTheRecordLimitAreRefusedWholly) {
    std::vector<AssessmentRecord> many(655, reports_test::PersonRecord(kSelf, "Many", "Rows"));
    ASSERT_TRUE(testsupport::AppendRecords(folder_.Path("big.rpc"), many));
    const std::string before = ReadFile(folder_.Path("big.rpc"));
    const ImportOutcome outcome = Import(CsvOf(3), "big.rpc");
    EXPECT_EQ(outcome.status, StoreError::FileFull);
    EXPECT_EQ(outcome.existingRecords, 655);
    EXPECT_EQ(outcome.rows, 3);
    EXPECT_EQ(outcome.appended, 0);
    EXPECT_EQ(ReadFile(folder_.Path("big.rpc")), before);
    EXPECT_TRUE(Import(CsvOf(2), "big.rpc").status.Ok());
    EXPECT_EQ(RecordCountForLength(static_cast<long long>(ReadFile(folder_.Path("big.rpc")).size())), 657);
}

TEST_F(ImportRunTest, FullDiskLeavesAnExistingFileExactlyAsItWas) {
    ASSERT_TRUE(testsupport::AppendRecords(folder_.Path("disk.rpc"),
                                  {reports_test::PersonRecord(kSelf, "First", "One")}));
    const std::string before = ReadFile(folder_.Path("disk.rpc"));
    for (long long room : {0LL, 100LL, static_cast<long long>(kStoredRecordSize) * 2 + 7}) {
        FaultInjectingFileSystem fs;
        fs.DiskFullAfter(room);
        EXPECT_EQ(Import(CsvOf(3), "disk.rpc", fs).status, StoreError::DiskFull) << room;
        EXPECT_EQ(ReadFile(folder_.Path("disk.rpc")), before) << room;
    }
}

TEST_F(ImportRunTest, FailureWhileCreatingLeavesNoFile) {
    FaultInjectingFileSystem fs;
    fs.DiskFullAfter(5000);
    EXPECT_EQ(Import(CsvOf(3), "created.rpc", fs).status, StoreError::DiskFull);
    EXPECT_FALSE(FileExists(folder_.Path("created.rpc")));

    FaultInjectingFileSystem syncFails;
    syncFails.FailSync(StoreError::HardwareError);
    EXPECT_EQ(Import(CsvOf(1), "created.rpc", syncFails).status, StoreError::HardwareError);
    EXPECT_FALSE(FileExists(folder_.Path("created.rpc")));
}

TEST_F(ImportRunTest, FileThatIsNoRecordFileIsRefusedUntouched) {
    WriteFile(folder_.Path("text.rpc"), std::string(5000, 'x'));
    EXPECT_EQ(Import(CsvOf(1), "text.rpc").status, StoreError::BadHeaderWord);
    EXPECT_EQ(ReadFile(folder_.Path("text.rpc")), std::string(5000, 'x'));
    WriteFile(folder_.Path("text.rpc"), std::string(kHeaderSize + kStoredRecordSize, 'x'));
    EXPECT_EQ(Import(CsvOf(1), "text.rpc").status, StoreError::BadHeaderWord);
    EXPECT_EQ(ReadFile(folder_.Path("text.rpc")), std::string(kHeaderSize + kStoredRecordSize, 'x'));
}

TEST_F(ImportRunTest, FileHeldByAnotherOperationIsReportedInUse) {
    ASSERT_TRUE(testsupport::AppendRecords(folder_.Path("held.rpc"),
                                  {reports_test::PersonRecord(kSelf, "First", "One")}));
    RecordFile holder;
    ASSERT_TRUE(holder.Open(folder_.Path("held.rpc"), true).Ok());
    EXPECT_EQ(Import(CsvOf(1), "held.rpc").status, StoreError::SharingViolation);
}

}  // namespace
}  // namespace orva
