// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "store/RecordFile.h"
#include "store/RecordList.h"
#include "store/RecordStore.h"
#include "store/support/StoreTestSupport.h"
#include "support/FaultInjectingFileSystem.h"

namespace orva {
namespace {

using namespace testsupport;

constexpr int kOverCapacity = 720;  // a file made by other means, 63 records past the capacity

struct Visit {
    long long position;
    StoreStatus read;
};

class RecordStoreTest : public ::testing::Test {
  protected:
    std::vector<Visit> VisitAll(RecordStore& store, StoreResult<long long>& result) {
        std::vector<Visit> visits;
        result = store.ForEach(path_, true,
                               [&visits](long long position, StoreStatus read, const AssessmentRecord&) {
                                   visits.push_back({position, read});
                                   return true;
                               });
        return visits;
    }

    FixedClock clock_{{2024, 6, 1, 8, 5, 9}};
    SequenceRandomSource random_{{40, 77, 101}};
    FaultInjectingFileSystem files_;
    RecordStore store_{files_, clock_, random_};
    TempFolder dir_;
    std::string typed_ = dir_.Path("clinic");
    RecordFilePath path_{typed_};
};

// Reading.

TEST_F(RecordStoreTest, ReadDecodesTheRecordAtItsPosition) {
    WriteAll(path_.OnDisk(), FileOfSamples(3));
    const StoreResult<AssessmentRecord> read = store_.Read(path_, 2);
    ASSERT_TRUE(read.Ok());
    const AssessmentRecord& record = *read;
    EXPECT_TRUE(record.SameContent(SampleRecord(2, 2)));
    EXPECT_EQ(record.GetText(TextField::SaveDateTime), "20240517093015");
}

TEST_F(RecordStoreTest, ReadTellsARecordFailingItsChecksFromAFileThatCannotBeRead) {
    Bytes bytes = FileOfSamples(2);
    bytes[static_cast<std::size_t>(RecordOffset(1)) + 500] ^= 0x10;
    WriteAll(path_.OnDisk(), bytes);
    EXPECT_EQ(store_.Read(path_, 1).AsStatus(), StoreError::ChecksumMismatch);
    EXPECT_EQ(store_.Read(path_, 2).AsStatus(), StoreError::PositionBeyondEnd);
    EXPECT_EQ(store_.Read(RecordFilePath(dir_.Path("missing")), 0).AsStatus(), StoreError::FileNotFound);
}

TEST_F(RecordStoreTest, ForEachHandsOutEveryPositionInOrderWithItsOutcome) {
    Bytes bytes = FileOfSamples(4);
    bytes[static_cast<std::size_t>(RecordOffset(2)) + 40] ^= 0x01;
    WriteAll(path_.OnDisk(), bytes);
    std::vector<std::string> firstNames;
    const StoreResult<long long> inFile =
        store_.ForEach(path_, true, [&](long long, StoreStatus read, const AssessmentRecord& record) {
            firstNames.push_back(read ? record.GetFirstName() : std::to_string(Code(read.Error())));
            return true;
        });
    EXPECT_EQ(inFile, StoreResult<long long>(4));
    EXPECT_EQ(firstNames,
              (std::vector<std::string>{SampleRecord(0).GetFirstName(), SampleRecord(1).GetFirstName(),
                                        std::to_string(Code(StoreError::ChecksumMismatch)),
                                        SampleRecord(3).GetFirstName()}));
}

TEST_F(RecordStoreTest, ForEachStopsWhenTheVisitorSaysSoAndReportsOpenFailures) {
    WriteAll(path_.OnDisk(), FileOfSamples(5));
    int visited = 0;
    EXPECT_EQ(
        store_.ForEach(path_, true,
                       [&visited](long long, StoreStatus, const AssessmentRecord&) { return ++visited < 2; }),
        StoreResult<long long>(5));
    EXPECT_EQ(visited, 2);
    const auto never = [](long long, StoreStatus, const AssessmentRecord&) {
        ADD_FAILURE() << "visited a file that cannot be read";
        return true;
    };
    EXPECT_EQ(store_.ForEach(RecordFilePath(dir_.Path("missing")), true, never), StoreError::FileNotFound);
    EXPECT_FALSE(FileExists(dir_.Path("missing.rpc")));
    WriteAll(path_.OnDisk(), Bytes(kSmallestFileWithRecord, 'x'));
    EXPECT_EQ(store_.ForEach(path_, true, never), StoreError::BadHeaderWord);
}

TEST_F(RecordStoreTest, ReadingHoldsTheFileOnlyWhileItReads) {
    WriteAll(path_.OnDisk(), FileOfSamples(2));
    ASSERT_TRUE(store_.Read(path_, 0).Ok());
    RecordFile holder;
    ASSERT_TRUE(holder.Open(path_.OnDisk(), true).Ok());
    EXPECT_EQ(store_.Read(path_, 0).AsStatus(), StoreError::SharingViolation);
    holder.Close();
    const StoreResult<long long> inFile =
        store_.ForEach(path_, true, [&](long long, StoreStatus, const AssessmentRecord&) {
            RecordFile other;
            EXPECT_EQ(other.Open(path_.OnDisk(), true), StoreError::SharingViolation);
            return true;
        });
    EXPECT_EQ(inFile, StoreResult<long long>(2));
    EXPECT_TRUE(holder.Open(path_.OnDisk(), true).Ok());
}

// The capacity: one rule for every command.

TEST_F(RecordStoreTest, RecordsBeyondTheCapacityAreNamedButNeverRead) {
    WriteAll(path_.OnDisk(), FileOfSamples(kOverCapacity));
    // A read of any record past the capacity would fail: none may happen.
    files_.FailReads(StoreError::HardwareError, RecordOffset(kMaxRecords));
    StoreResult<long long> inFile = 0;
    const std::vector<Visit> visits = VisitAll(store_, inFile);
    EXPECT_EQ(inFile, StoreResult<long long>(kOverCapacity));
    ASSERT_EQ(visits.size(), static_cast<std::size_t>(kOverCapacity));
    for (long long position = 0; position < kOverCapacity; ++position) {
        const Visit& visit = visits[static_cast<std::size_t>(position)];
        EXPECT_EQ(visit.position, position);
        EXPECT_EQ(visit.read,
                  position < kMaxRecords ? StoreStatus() : StoreStatus(StoreError::PositionBeyondEnd))
            << position;
    }
}

TEST_F(RecordStoreTest, EveryOperationKeepsToTheFirst657Records) {
    WriteAll(path_.OnDisk(), FileOfSamples(kOverCapacity));
    const Bytes before = ReadAll(path_.OnDisk());

    RecordList list;
    EXPECT_EQ(store_.List(path_, true, false, list), StoreResult<int>(kOverCapacity - kMaxRecords));
    EXPECT_EQ(list.RowCount(), kMaxRecords);
    EXPECT_EQ(list.RecordsBeyondCapacity(), kOverCapacity - kMaxRecords);
    EXPECT_TRUE(list.FailedPositions().empty());

    const StoreResult<AssessmentRecord> last = store_.Read(path_, kMaxRecords - 1);
    ASSERT_TRUE(last.Ok());
    const AssessmentRecord& record = *last;
    EXPECT_EQ(store_.Read(path_, kMaxRecords).AsStatus(), StoreError::PositionBeyondEnd);
    EXPECT_EQ(store_.Read(path_, 700).AsStatus(), StoreError::PositionBeyondEnd);

    AssessmentRecord replacement = SampleRecord(1);
    EXPECT_EQ(store_.Replace(path_, 700, record, replacement), StoreError::PositionBeyondEnd);
    std::vector<AssessmentRecord> more{SampleRecord(2)};
    EXPECT_EQ(store_.Append(path_, more).status, StoreError::FileFull);
    EXPECT_EQ(ReadAll(path_.OnDisk()), before);
}

TEST_F(RecordStoreTest, FileFarLongerThanAFullOneIsRefusedByItsLengthBeforeAnyRead) {
    // Sparse: it takes no room, yet reading it record by record would take minutes.
    WriteAll(path_.OnDisk(), FileOfSamples(1));
    std::filesystem::resize_file(path_.OnDisk(), 100LL * 1000 * 1000 * 1000);
    files_.FailReads(StoreError::HardwareError);  // any read at all fails the test's expectations below
    const auto never = [](long long, StoreStatus, const AssessmentRecord&) {
        ADD_FAILURE() << "visited a file refused by its length";
        return true;
    };
    EXPECT_EQ(store_.ForEach(path_, true, never), StoreError::BadLength);
    RecordList list;
    EXPECT_EQ(store_.List(path_, true, true, list), StoreError::BadLength);
    EXPECT_EQ(store_.Read(path_, 0).AsStatus(), StoreError::BadLength);
    std::vector<AssessmentRecord> more{SampleRecord(2)};
    EXPECT_EQ(store_.Append(path_, more).status, StoreError::BadLength);
    EXPECT_EQ(std::filesystem::file_size(path_.OnDisk()), 100ULL * 1000 * 1000 * 1000);
}

TEST_F(RecordStoreTest, LengthLimitLiesAtTwiceAFullFile) {
    WriteAll(path_.OnDisk(), FileOfSamples(1));
    std::filesystem::resize_file(path_.OnDisk(),
                                 static_cast<std::uintmax_t>(RecordFile::kLongestAcceptedLength));
    StoreResult<long long> inFile = 0;
    VisitAll(store_, inFile);
    EXPECT_EQ(inFile, StoreResult<long long>(2 * kMaxRecords));
    std::filesystem::resize_file(
        path_.OnDisk(), static_cast<std::uintmax_t>(RecordFile::kLongestAcceptedLength) + kStoredRecordSize);
    VisitAll(store_, inFile);
    EXPECT_EQ(inFile, StoreError::BadLength);
}

// Appending: all or nothing.

TEST_F(RecordStoreTest, AppendStampsEveryRecordAndAddsThemAllInOrder) {
    WriteAll(path_.OnDisk(), FileOfSamples(2));
    std::vector<AssessmentRecord> records{SampleRecord(10), SampleRecord(11), SampleRecord(12)};
    const AppendOutcome outcome = store_.Append(path_, records);
    EXPECT_TRUE(outcome.status.Ok());
    EXPECT_EQ(outcome.existingRecords, 2);
    EXPECT_EQ(outcome.firstPosition, 2);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(records[static_cast<std::size_t>(i)].GetText(TextField::SaveDateTime), "20240601080509");
        const StoreResult<AssessmentRecord> read = store_.Read(path_, 2 + i);
        ASSERT_TRUE(read.Ok());
        const AssessmentRecord& back = *read;
        EXPECT_TRUE(back.SameContent(SampleRecord(10 + i)));
        EXPECT_EQ(back.GetText(TextField::SaveDateTime), "20240601080509");
    }
}

TEST_F(RecordStoreTest, AppendCreatesAMissingFileFromTheTypedName) {
    std::vector<AssessmentRecord> records{SampleRecord(1), SampleRecord(2)};
    const AppendOutcome outcome = store_.Append(RecordFilePath(typed_), records);
    EXPECT_TRUE(outcome.status.Ok());
    EXPECT_EQ(outcome.existingRecords, 0);
    EXPECT_EQ(outcome.firstPosition, 0);
    EXPECT_EQ(ReadAll(typed_ + ".rpc").size(), kHeaderSize + 2 * kStoredRecordSize);
    EXPECT_FALSE(FileExists(typed_));
}

TEST_F(RecordStoreTest, AppendThatFailsAtAnyByteLeavesTheFileAsItWas) {
    WriteAll(path_.OnDisk(), FileOfSamples(3));
    const Bytes before = ReadAll(path_.OnDisk());
    const long long batchBytes = 2 * static_cast<long long>(kStoredRecordSize) + kHeaderSize;
    for (long long n = 0; n < batchBytes; n += 97) {
        files_.FailWritesAfter(n);
        std::vector<AssessmentRecord> records{SampleRecord(20), SampleRecord(21)};
        const AppendOutcome outcome = store_.Append(path_, records);
        ASSERT_EQ(outcome.status, StoreError::HardwareError) << "after " << n << " bytes";
        EXPECT_EQ(outcome.firstPosition, -1);
        ASSERT_EQ(ReadAll(path_.OnDisk()), before) << "after " << n << " bytes";
    }
    files_.Heal();
    files_.FailSync(StoreError::HardwareError);
    std::vector<AssessmentRecord> records{SampleRecord(20), SampleRecord(21)};
    EXPECT_EQ(store_.Append(path_, records).status, StoreError::HardwareError);
    EXPECT_EQ(ReadAll(path_.OnDisk()), before);
}

TEST_F(RecordStoreTest, AppendThatFailsWhileCreatingLeavesNoFile) {
    for (long long room : {0LL, 243LL, 3000LL}) {
        files_.Heal();
        files_.DiskFullAfter(room);
        std::vector<AssessmentRecord> records{SampleRecord(1), SampleRecord(2)};
        EXPECT_EQ(store_.Append(path_, records).status, StoreError::DiskFull) << room;
        EXPECT_FALSE(FileExists(path_.OnDisk())) << room;
    }
}

TEST_F(RecordStoreTest, AppendPastTheCapacityWritesNothing) {
    WriteAll(path_.OnDisk(), FileOfSamples(kMaxRecords - 1));
    const Bytes before = ReadAll(path_.OnDisk());
    std::vector<AssessmentRecord> two{SampleRecord(1), SampleRecord(2)};
    const AppendOutcome refused = store_.Append(path_, two);
    EXPECT_EQ(refused.status, StoreError::FileFull);
    EXPECT_EQ(refused.existingRecords, kMaxRecords - 1);
    EXPECT_EQ(ReadAll(path_.OnDisk()), before);
    std::vector<AssessmentRecord> one{SampleRecord(1)};
    EXPECT_EQ(store_.Append(path_, one).firstPosition, kMaxRecords - 1);
}

TEST_F(RecordStoreTest, AppendOfNothingLeavesNoFileBehind) {
    std::vector<AssessmentRecord> none;
    EXPECT_TRUE(store_.Append(path_, none).status.Ok());
    EXPECT_FALSE(FileExists(path_.OnDisk()));
}

// Replacing: only the record that was read.

class RecordStoreReplaceTest : public RecordStoreTest {
  protected:
    void SetUp() override {
        WriteAll(path_.OnDisk(), FileOfSamples(3));
        const StoreResult<AssessmentRecord> read = store_.Read(path_, 1);
        ASSERT_TRUE(read.Ok());
        read_ = *read;
        edited_ = read_;
        edited_.SetTown("Perth");
    }

    AssessmentRecord read_;
    AssessmentRecord edited_;
};

TEST_F(RecordStoreReplaceTest, WritesWhenTheRecordInPlaceIsTheOneThatWasRead) {
    const Bytes before = ReadAll(path_.OnDisk());
    ASSERT_TRUE(store_.Replace(path_, 1, read_, edited_).Ok());
    EXPECT_EQ(edited_.GetText(TextField::SaveDateTime), "20240601080509");
    const StoreResult<AssessmentRecord> read = store_.Read(path_, 1);
    ASSERT_TRUE(read.Ok());
    const AssessmentRecord& back = *read;
    EXPECT_TRUE(back.SameContent(edited_));
    EXPECT_EQ(back.GetText(TextField::SaveDateTime), "20240601080509");
    const Bytes after = ReadAll(path_.OnDisk());
    ASSERT_EQ(after.size(), before.size());
    const auto record1 = static_cast<std::ptrdiff_t>(RecordOffset(1));
    const auto record2 = static_cast<std::ptrdiff_t>(RecordOffset(2));
    EXPECT_TRUE(
        std::equal(after.begin() + kHeaderSize, after.begin() + record1, before.begin() + kHeaderSize));
    EXPECT_TRUE(std::equal(after.begin() + record2, after.end(), before.begin() + record2));
}

TEST_F(RecordStoreReplaceTest, RefusesAndWritesNothingWhenAnotherSaveChangedTheRecord) {
    // Another program saved an edit of the same record in the meantime.
    AssessmentRecord theirs = read_;
    theirs.SetTown("Broome");
    const FixedClock later({2024, 5, 30, 1, 2, 3});
    RecordStore other(DefaultFileSystem(), later, random_);
    ASSERT_TRUE(other.Replace(path_, 1, read_, theirs).Ok());
    const Bytes before = ReadAll(path_.OnDisk());
    const std::string savedBefore = edited_.GetText(TextField::SaveDateTime);

    EXPECT_EQ(store_.Replace(path_, 1, read_, edited_), StoreError::RecordChanged);
    EXPECT_EQ(ReadAll(path_.OnDisk()), before);
    EXPECT_EQ(edited_.GetText(TextField::SaveDateTime), savedBefore);
}

TEST_F(RecordStoreReplaceTest, SameContentSavedAgainIsAChangeToo) {
    AssessmentRecord again = read_;
    const FixedClock later({2024, 5, 30, 1, 2, 3});
    RecordStore other(DefaultFileSystem(), later, random_);
    ASSERT_TRUE(other.Replace(path_, 1, read_, again).Ok());
    const Bytes before = ReadAll(path_.OnDisk());
    EXPECT_EQ(store_.Replace(path_, 1, read_, edited_), StoreError::RecordChanged);
    EXPECT_EQ(ReadAll(path_.OnDisk()), before);
}

TEST_F(RecordStoreReplaceTest, RecordInPlaceThatNoLongerDecodesIsAChange) {
    Bytes bytes = ReadAll(path_.OnDisk());
    bytes[static_cast<std::size_t>(RecordOffset(1)) + 500] ^= 0x10;
    WriteAll(path_.OnDisk(), bytes);
    EXPECT_EQ(store_.Replace(path_, 1, read_, edited_), StoreError::RecordChanged);
    EXPECT_EQ(ReadAll(path_.OnDisk()), bytes);
}

TEST_F(RecordStoreReplaceTest, ComparesWithTheRecordAtTheGivenPosition) {
    const Bytes before = ReadAll(path_.OnDisk());
    EXPECT_EQ(store_.Replace(path_, 0, read_, edited_), StoreError::RecordChanged);
    EXPECT_EQ(store_.Replace(path_, 3, read_, edited_), StoreError::PositionBeyondEnd);
    EXPECT_EQ(store_.Replace(path_, -1, read_, edited_), StoreError::PositionBeyondEnd);
    EXPECT_EQ(ReadAll(path_.OnDisk()), before);
}

TEST_F(RecordStoreReplaceTest, FailedWriteLeavesTheFileAsItWas) {
    const Bytes before = ReadAll(path_.OnDisk());
    for (long long n : {0LL, 1000LL, 2186LL, 2200LL}) {
        files_.FailWritesAfter(n);
        AssessmentRecord edited = edited_;
        EXPECT_EQ(store_.Replace(path_, 1, read_, edited), StoreError::HardwareError) << n;
        EXPECT_EQ(ReadAll(path_.OnDisk()), before) << n;
    }
}

TEST_F(RecordStoreReplaceTest, FileHeldByAnotherOperationIsInUse) {
    RecordFile holder;
    ASSERT_TRUE(holder.Open(path_.OnDisk(), true).Ok());
    EXPECT_EQ(store_.Replace(path_, 1, read_, edited_), StoreError::SharingViolation);
}

}  // namespace
}  // namespace orva
