// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "support/FaultInjectingFileSystem.h"
#include "store/PosixFileSystem.h"
#include "store/RecordFile.h"
#include "store/RecordList.h"
#include "store/support/StoreTestSupport.h"

namespace orva {
namespace {

using namespace testsupport;

constexpr long long kNewFileBytes = 2430;
constexpr long long kAppendBytes = 2187 + 243;  // the record, then the header

// Byte counts to fail after: every count near the start, the end and the record's end, and a
// spread between them.
std::vector<long long> FailurePoints() {
    std::vector<long long> points;
    for (long long n = 0; n < kAppendBytes; ++n) {
        const bool nearEdge = n < 8 || std::abs(n - 2187) < 8 || n > kAppendBytes - 8;
        if (nearEdge || n % 23 == 0) points.push_back(n);
    }
    return points;
}

class RecordFileFaultTest : public ::testing::Test {
  protected:
    StoreStatus Append() { return AppendStored(RecordFile(clock_, faulty_), path_, record_).status; }
    StoreStatus Replace(int position) { return RecordFile(clock_, faulty_).ReplaceRecord(path_, position, record_); }

    FixedClock clock_{{2024, 6, 1, 8, 5, 9}};
    FaultInjectingFileSystem faulty_;
    TempFolder dir_;
    std::string path_ = dir_.Path("records.rpc");
    StoredRecord record_ = Encode(SampleRecord(77));
};

TEST_F(RecordFileFaultTest, NewFileThatFailsAtAnyByteIsNotLeftBehind) {
    for (long long n = 0; n < kNewFileBytes; n += 61) {
        faulty_.FailWritesAfter(n);
        EXPECT_EQ(Append(), StoreError::HardwareError) << "after " << n << " bytes";
        EXPECT_FALSE(FileExists(path_)) << "after " << n << " bytes";
    }
    faulty_.Heal();
    EXPECT_TRUE(Append().Ok());
}

TEST_F(RecordFileFaultTest, NewFileIsRemovedAfterClosingWhereItCannotBeRemovedWhileOpen) {
    faulty_.FailWritesAfter(100);
    faulty_.FailNextRemove(StoreError::SharingViolation);
    EXPECT_EQ(Append(), StoreError::HardwareError);
    EXPECT_FALSE(FileExists(path_));
}

TEST_F(RecordFileFaultTest, ExistingEmptyFileThatFailsStaysEmpty) {
    WriteAll(path_, {});
    faulty_.DiskFullAfter(1000);
    EXPECT_EQ(Append(), StoreError::DiskFull);
    ASSERT_TRUE(FileExists(path_));
    EXPECT_TRUE(ReadAll(path_).empty());
}

TEST_F(RecordFileFaultTest, AppendThatFailsAtAnyByteLeavesTheFileAsItWas) {
    WriteAll(path_, FileOfSamples(3));
    const Bytes before = ReadAll(path_);
    for (const long long n : FailurePoints()) {
        faulty_.FailWritesAfter(n);
        ASSERT_EQ(Append(), StoreError::HardwareError) << "after " << n << " bytes";
        ASSERT_EQ(ReadAll(path_), before) << "after " << n << " bytes";
    }
    faulty_.Heal();
    EXPECT_TRUE(Append().Ok());
    EXPECT_EQ(ReadAll(path_).size(), before.size() + 2187);
}

TEST_F(RecordFileFaultTest, ReplacementThatFailsAtAnyByteLeavesTheFileAsItWas) {
    WriteAll(path_, FileOfSamples(3));
    const Bytes before = ReadAll(path_);
    for (const long long n : FailurePoints()) {
        faulty_.FailWritesAfter(n, StoreError::LockViolation);
        ASSERT_EQ(Replace(1), StoreError::LockViolation) << "after " << n << " bytes";
        ASSERT_EQ(ReadAll(path_), before) << "after " << n << " bytes";
    }
}

TEST_F(RecordFileFaultTest, FullDiskRefusesTheAppendAndKeepsTheFile) {
    WriteAll(path_, FileOfSamples(2));
    const Bytes before = ReadAll(path_);
    // The append needs room for its record and for the journal (2773 bytes) that keeps the
    // header it rewrites and the bytes it writes until the record is on the disk.
    constexpr long long kNeeded = 2187 + 2773;
    for (long long room : {0LL, 1LL, 1000LL, 2186LL, kNeeded - 1}) {
        faulty_.DiskFullAfter(room);
        ASSERT_EQ(Append(), StoreError::DiskFull);
        ASSERT_EQ(ReadAll(path_), before);
    }
    faulty_.DiskFullAfter(kNeeded);
    EXPECT_TRUE(Append().Ok());
}

TEST_F(RecordFileFaultTest, FailedSyncIsAFailureAndUndoesTheWrite) {
    WriteAll(path_, FileOfSamples(2));
    const Bytes before = ReadAll(path_);
    faulty_.FailSync(StoreError::HardwareError);
    EXPECT_EQ(Append(), StoreError::HardwareError);
    EXPECT_EQ(ReadAll(path_), before);
}

TEST_F(RecordFileFaultTest, SuccessIsReportedOnlyAfterTheDataIsSynced) {
    WriteAll(path_, FileOfSamples(1));
    const int syncsBefore = faulty_.SyncCount();
    EXPECT_TRUE(Append().Ok());
    EXPECT_GT(faulty_.SyncCount(), syncsBefore);
}

TEST_F(RecordFileFaultTest, UnreadableHeaderIsReported) {
    WriteAll(path_, FileOfSamples(1));
    faulty_.FailReads(StoreError::HardwareError);
    RecordFile file(clock_, faulty_);
    EXPECT_EQ(file.OpenForReading(path_, true), StoreError::HeaderUnreadable);
    file.Close();
    EXPECT_EQ(Append(), StoreError::HeaderUnreadable);
}

class OpenFailureTest : public ::testing::TestWithParam<StoreError> {};

TEST_P(OpenFailureTest, EveryOperationReturnsTheCause) {
    TempFolder dir;
    const std::string path = dir.Path("f.rpc");
    WriteAll(path, FileOfSamples(1));
    FaultInjectingFileSystem faulty;
    faulty.FailOpen(GetParam());
    RecordFile file(SystemClock::Instance(), faulty);
    EXPECT_EQ(AppendStored(file, path, Encode(SampleRecord(1))).status, StoreStatus(GetParam()));
    EXPECT_EQ(file.OpenForReading(path, true), GetParam());
    EXPECT_EQ(file.ReadRecordAt(path, 0), GetParam());
    RecordList list(faulty);
    EXPECT_EQ(list.Load(path, false, true), StoreResult<int>(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Causes, OpenFailureTest,
                         ::testing::Values(StoreError::AccessDenied, StoreError::TooManyOpenFiles, StoreError::BadPath, StoreError::HardwareError,
                                           StoreError::OtherFileError));

TEST(RecordFileFault, ReadErrorMidFileMakesThatRecordIncompleteAndReadingGoesOn) {
    TempFolder dir;
    const std::string path = dir.Path("f.rpc");
    WriteAll(path, FileOfSamples(3));
    FaultInjectingFileSystem faulty;
    RecordFile file(SystemClock::Instance(), faulty);
    ASSERT_EQ(file.OpenForReading(path, true), StoreResult<ReadPlace>(ReadPlace::MoreRecords));
    faulty.FailReads(StoreError::HardwareError);
    EXPECT_EQ(file.ReadNext(), StoreError::IncompleteRecord);
    EXPECT_EQ(file.CurrentPosition(), 1);
    faulty.Heal();
    EXPECT_EQ(file.ReadNext(), StoreResult<ReadPlace>(ReadPlace::LastRecord));
    EXPECT_EQ(file.CurrentPosition(), 2);
}

TEST(RecordFileFault, UnreadableRecordsAreCountedAsNotLoaded) {
    TempFolder dir;
    const std::string path = dir.Path("f.rpc");
    WriteAll(path, FileOfSamples(3));
    FaultInjectingFileSystem faulty;
    faulty.FailReads(StoreError::HardwareError, static_cast<long long>(kHeaderSize) + 2187);
    RecordList list(faulty);
    EXPECT_EQ(list.Load(path, true, true), StoreResult<int>(2));
    EXPECT_EQ(list.RowCount(), 1);
    EXPECT_EQ(list.FailedPositions(), (std::vector<long long>{1, 2}));
    faulty.FailReads(StoreError::HardwareError, static_cast<long long>(kHeaderSize));
    EXPECT_EQ(list.Load(path, true, true), StoreResult<int>(3));
    EXPECT_EQ(list.RowCount(), 0);
}

struct ErrnoCase {
    const char* name;
    int error;
    StoreError cause;
};

void PrintTo(const ErrnoCase& c, std::ostream* os) { *os << c.name; }

class CauseFromErrnoTest : public ::testing::TestWithParam<ErrnoCase> {};

TEST_P(CauseFromErrnoTest, MapsToThePlatformCause) {
    EXPECT_EQ(CauseFromErrno(GetParam().error), GetParam().cause);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, CauseFromErrnoTest,
    ::testing::Values(
        ErrnoCase{"ENOENT", ENOENT, StoreError::FileNotFound}, ErrnoCase{"ENOTDIR", ENOTDIR, StoreError::BadPath},
        ErrnoCase{"ENAMETOOLONG", ENAMETOOLONG, StoreError::BadPath}, ErrnoCase{"EISDIR", EISDIR, StoreError::BadPath},
        ErrnoCase{"EMFILE", EMFILE, StoreError::TooManyOpenFiles}, ErrnoCase{"ENFILE", ENFILE, StoreError::TooManyOpenFiles},
        ErrnoCase{"EACCES", EACCES, StoreError::AccessDenied}, ErrnoCase{"EPERM", EPERM, StoreError::AccessDenied},
        ErrnoCase{"EROFS", EROFS, StoreError::AccessDenied}, ErrnoCase{"EBADF", EBADF, StoreError::InvalidFile},
        ErrnoCase{"EMLINK", EMLINK, StoreError::DirectoryFull}, ErrnoCase{"ESPIPE", ESPIPE, StoreError::BadSeek},
        ErrnoCase{"EIO", EIO, StoreError::HardwareError}, ErrnoCase{"EWOULDBLOCK", EWOULDBLOCK, StoreError::SharingViolation},
        ErrnoCase{"ETXTBSY", ETXTBSY, StoreError::SharingViolation}, ErrnoCase{"ENOLCK", ENOLCK, StoreError::LockViolation},
        ErrnoCase{"ENOSPC", ENOSPC, StoreError::DiskFull}, ErrnoCase{"EDQUOT", EDQUOT, StoreError::DiskFull},
        ErrnoCase{"EEXIST", EEXIST, StoreError::FileExists}, ErrnoCase{"EPROTO", EPROTO, StoreError::FileGeneric}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orva
