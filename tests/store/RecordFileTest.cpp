// SPDX-License-Identifier: Apache-2.0
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

#include "store/RecordCodec.h"
#include "store/RecordFile.h"
#include "store/support/StoreTestSupport.h"

namespace orva {
namespace {

using testsupport::AppendStored;
using testsupport::Bytes;
using testsupport::Encode;
using testsupport::FileExists;
using testsupport::FileBytes;
using testsupport::FileOfSamples;
using testsupport::ReadAll;
using testsupport::SampleRecord;
using testsupport::TempFolder;
using testsupport::WriteAll;

class RecordFileTest : public ::testing::Test {
  protected:
    FixedClock clock_{{2024, 6, 1, 8, 5, 9}};
    TempFolder dir_;
    std::string path_ = dir_.Path("records.rpc");
};

TEST_F(RecordFileTest, AppendingToAMissingFileCreatesHeaderAndRecord) {
    RecordFile file(clock_);
    const StoredRecord stored = Encode(SampleRecord(1));
    const RecordFile::AppendResult appended = AppendStored(file, path_, stored);
    ASSERT_TRUE(appended.status.Ok());
    EXPECT_EQ(appended.firstPosition, 0);
    const Bytes bytes = ReadAll(path_);
    ASSERT_EQ(bytes.size(), 2430u);
    EXPECT_EQ(std::memcmp(bytes.data(), "ORVA 4.0  2024060108050920240601080509", 38), 0);
    for (std::size_t i = 38; i < 80; ++i) EXPECT_EQ(bytes[i], ' ');
    for (std::size_t i = 80; i < 243; ++i) EXPECT_EQ(bytes[i], 0);
    EXPECT_TRUE(std::equal(stored.begin(), stored.end(), bytes.begin() + 243));
}

TEST_F(RecordFileTest, NewFilesAreSharedWithTheGroupOnlyWhateverTheUmask) {
    const mode_t before = ::umask(0077);
    const StoreStatus written = AppendStored(RecordFile(clock_), path_, Encode(SampleRecord(1))).status;
    ::umask(before);
    ASSERT_TRUE(written.Ok());
    EXPECT_EQ(testsupport::FileMode(path_), 0660u);
}

TEST_F(RecordFileTest, AppendKeepsCreationTimeAndUpdatesLastWrite) {
    ASSERT_TRUE(AppendStored(RecordFile(clock_), path_, Encode(SampleRecord(1))).status.Ok());
    clock_.Set({2025, 1, 2, 3, 4, 5});
    const RecordFile::AppendResult appended = AppendStored(RecordFile(clock_), path_, Encode(SampleRecord(2)));
    ASSERT_TRUE(appended.status.Ok());
    EXPECT_EQ(appended.firstPosition, 1);
    const Bytes bytes = ReadAll(path_);
    ASSERT_EQ(bytes.size(), 243u + 2 * 2187u);
    EXPECT_EQ(std::memcmp(bytes.data() + 10, "2024060108050920250102030405", 28), 0);
}

TEST_F(RecordFileTest, ReplacingARecordChangesOnlyThatRecordAndTheLastWriteTime) {
    WriteAll(path_, FileOfSamples(5));
    const Bytes before = ReadAll(path_);
    const StoredRecord replacement = Encode(SampleRecord(42));
    ASSERT_TRUE(RecordFile(clock_).ReplaceRecord(path_, 3, replacement).Ok());
    const Bytes after = ReadAll(path_);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        const bool inRecord = i >= RecordOffset(3) && i < RecordOffset(4);
        const bool inLastWrite = i >= 24 && i < 38;
        if (inRecord) {
            ASSERT_EQ(after[i], replacement[i - RecordOffset(3)]);
        } else if (!inLastWrite) {
            ASSERT_EQ(after[i], before[i]) << "offset " << i;
        }
    }
    EXPECT_EQ(std::memcmp(after.data() + 24, "20240601080509", 14), 0);
}

TEST_F(RecordFileTest, ReplacingBeyondTheLastRecordWritesNothing) {
    WriteAll(path_, FileOfSamples(2));
    const Bytes before = ReadAll(path_);
    EXPECT_EQ(RecordFile(clock_).ReplaceRecord(path_, 2, Encode(SampleRecord(1))), StoreError::PositionBeyondEnd);
    EXPECT_EQ(RecordFile(clock_).ReplaceRecord(path_, 50, Encode(SampleRecord(1))), StoreError::PositionBeyondEnd);
    EXPECT_EQ(RecordFile(clock_).ReplaceRecord(path_, -1, Encode(SampleRecord(1))), StoreError::PositionBeyondEnd);
    EXPECT_EQ(ReadAll(path_), before);
}

TEST_F(RecordFileTest, ReplacingInAMissingFileLeavesNoFile) {
    EXPECT_EQ(RecordFile(clock_).ReplaceRecord(path_, 0, Encode(SampleRecord(1))), StoreError::FileNotFound);
    EXPECT_FALSE(FileExists(path_));
}

TEST_F(RecordFileTest, FileWith656RecordsTakesOneMoreAndThenIsFull) {
    WriteAll(path_, FileOfSamples(656));
    const RecordFile::AppendResult appended = AppendStored(RecordFile(clock_), path_, Encode(SampleRecord(1)));
    ASSERT_TRUE(appended.status.Ok());
    EXPECT_EQ(appended.firstPosition, 656);
    EXPECT_EQ(ReadAll(path_).size(), 1'437'102u);
    const Bytes full = ReadAll(path_);
    EXPECT_EQ(AppendStored(RecordFile(clock_), path_, Encode(SampleRecord(2))).status, StoreStatus(StoreError::FileFull));
    EXPECT_EQ(ReadAll(path_), full);
    EXPECT_TRUE(RecordFile(clock_).ReplaceRecord(path_, 10, Encode(SampleRecord(3))).Ok());
}

struct LengthCase {
    std::size_t length;
    StoreResult<HeaderCheck> expected;
};

void PrintTo(const LengthCase& c, std::ostream* os) { *os << "length " << c.length; }

class ValidateHeaderLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(ValidateHeaderLength, GivesTheCodeOfTheLengthRule) {
    TempFolder dir;
    const std::string path = dir.Path("f.rpc");
    Bytes bytes = FileOfSamples(2);
    bytes.resize(GetParam().length, 0x41);
    WriteAll(path, bytes);
    RecordFile file;
    ASSERT_EQ(file.Open(path, true), StoreResult<long long>(static_cast<long long>(GetParam().length)));
    EXPECT_EQ(file.ValidateHeader(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Lengths, ValidateHeaderLength,
                         ::testing::Values(LengthCase{0, HeaderCheck::NewEmptyFile}, LengthCase{1, StoreError::TooShort},
                                           LengthCase{243, StoreError::TooShort}, LengthCase{2429, StoreError::TooShort},
                                           LengthCase{2430, HeaderCheck::Sound}, LengthCase{2431, HeaderCheck::Sound},
                                           LengthCase{4616, HeaderCheck::Sound}, LengthCase{4617, HeaderCheck::Sound}),
                         [](const auto& info) { return "Length" + std::to_string(info.param.length); });

TEST_F(RecordFileTest, FileNotStartingWithTheVersionWordIsRefused) {
    Bytes bytes = FileOfSamples(1);
    bytes[3] = 'B';
    WriteAll(path_, bytes);
    RecordFile file;
    ASSERT_EQ(file.Open(path_, true), StoreResult<long long>(2430));
    EXPECT_EQ(file.ValidateHeader(), StoreError::BadHeaderWord);
    file.Close();
    EXPECT_EQ(AppendStored(RecordFile(clock_), path_, Encode(SampleRecord(1))).status, StoreStatus(StoreError::BadHeaderWord));
    EXPECT_EQ(ReadAll(path_), bytes);
}

TEST_F(RecordFileTest, OnlyTheVersionWordIsChecked) {
    Bytes bytes = FileOfSamples(1);
    std::memcpy(bytes.data() + 4, "-9.9", 4);
    WriteAll(path_, bytes);
    RecordFile file;
    EXPECT_EQ(file.OpenForReading(path_, true), StoreResult<ReadPlace>(ReadPlace::LastRecord));
}

TEST_F(RecordFileTest, ReadOnlyOpenOfAMissingFileIsNotFoundAndCreatesNothing) {
    RecordFile file;
    EXPECT_EQ(file.Open(path_, true), StoreError::FileNotFound);
    EXPECT_EQ(file.OpenForReading(path_, true), StoreError::FileNotFound);
    EXPECT_EQ(file.OpenForReading(path_, false), StoreError::FileNotFound);
    EXPECT_EQ(file.ReadRecordAt(path_, 0), StoreError::FileNotFound);
    EXPECT_FALSE(FileExists(path_));
}

// Only an append makes a file, and then whole, with its records.
TEST_F(RecordFileTest, OpeningForWritingMakesNoFile) {
    RecordFile file;
    EXPECT_EQ(file.Open(path_, false), StoreError::FileNotFound);
    EXPECT_FALSE(FileExists(path_));
    WriteAll(path_, {});
    EXPECT_EQ(file.Open(path_, false), StoreResult<long long>(0));
    EXPECT_EQ(file.ValidateHeader(), StoreResult<HeaderCheck>(HeaderCheck::NewEmptyFile));
    file.Close();
    EXPECT_EQ(file.OpenForReading(path_, true), StoreError::TooShort);
}

TEST_F(RecordFileTest, MissingFolderIsABadPathAndMissingFileIsNotFound) {
    RecordFile file;
    EXPECT_EQ(file.Open(dir_.Path("no/such/folder.rpc"), false), StoreError::BadPath);
    EXPECT_EQ(file.Open(dir_.Path("no/such/folder.rpc"), true), StoreError::BadPath);
    EXPECT_EQ(file.Open(dir_.Path("missing.rpc"), true), StoreError::FileNotFound);
    EXPECT_EQ(AppendStored(file, dir_.Path("no/folder.rpc"), Encode(SampleRecord(1))).status, StoreStatus(StoreError::BadPath));
}

TEST_F(RecordFileTest, FolderInPlaceOfAFileIsABadPath) {
    RecordFile file;
    EXPECT_EQ(file.Open(dir_.Path(""), true), StoreError::BadPath);
    EXPECT_EQ(AppendStored(file, dir_.Path(""), Encode(SampleRecord(1))).status, StoreStatus(StoreError::BadPath));
}

TEST_F(RecordFileTest, SequentialReadHandsOutEveryRecordInOrder) {
    std::vector<StoredRecord> records;
    for (int i = 0; i < 4; ++i) records.push_back(Encode(SampleRecord(i)));
    WriteAll(path_, FileBytes(records));
    RecordFile file;
    StoreResult<ReadPlace> result = file.OpenForReading(path_, true);
    EXPECT_EQ(file.RecordCount(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(result, i == 3 ? StoreResult<ReadPlace>(ReadPlace::LastRecord) : StoreResult<ReadPlace>(ReadPlace::MoreRecords));
        EXPECT_EQ(file.CurrentPosition(), i);
        EXPECT_EQ(file.CurrentRecord(), records[static_cast<std::size_t>(i)]);
        result = file.ReadNext();
    }
    EXPECT_EQ(result, StoreError::NoMoreRecords);
    file.Close();
    EXPECT_EQ(file.RecordCount(), -1);
    EXPECT_EQ(file.ReadNext(), StoreError::NoMoreRecords);
}

TEST_F(RecordFileTest, ReadRecordAtReadsByPositionAndRefusesPositionsPastTheEnd) {
    std::vector<StoredRecord> records;
    for (int i = 0; i < 3; ++i) records.push_back(Encode(SampleRecord(i)));
    WriteAll(path_, FileBytes(records));
    RecordFile file;
    EXPECT_EQ(file.ReadRecordAt(path_, 2), StoreResult<StoredRecord>(records[2]));
    EXPECT_EQ(file.ReadRecordAt(path_, 3), StoreError::PositionBeyondEnd);
    EXPECT_EQ(file.ReadRecordAt(path_, -1), StoreError::PositionBeyondEnd);
    WriteAll(path_, {});
    EXPECT_EQ(file.ReadRecordAt(path_, 0), StoreError::PositionBeyondEnd);
}

TEST_F(RecordFileTest, EveryOperationClosesTheFileBeforeItReturns) {
    RecordFile file(clock_);
    ASSERT_TRUE(AppendStored(file, path_, Encode(SampleRecord(1))).status.Ok());
    RecordFile other;
    EXPECT_TRUE(other.Open(path_, true).Ok());
    other.Close();
    ASSERT_TRUE(file.ReadRecordAt(path_, 0).Ok());
    EXPECT_TRUE(other.Open(path_, true).Ok());
}

TEST_F(RecordFileTest, SecondOpenerInThisProcessGetsSharingViolation) {
    WriteAll(path_, FileOfSamples(2));
    RecordFile holder;
    ASSERT_EQ(holder.OpenForReading(path_, true), StoreResult<ReadPlace>(ReadPlace::MoreRecords));
    RecordFile second(clock_);
    EXPECT_EQ(second.Open(path_, true), StoreError::SharingViolation);
    EXPECT_EQ(second.OpenForReading(path_, true), StoreError::SharingViolation);
    EXPECT_EQ(AppendStored(second, path_, Encode(SampleRecord(1))).status, StoreStatus(StoreError::SharingViolation));
    EXPECT_EQ(second.ReadRecordAt(path_, 0), StoreError::SharingViolation);
    holder.Close();
    EXPECT_TRUE(AppendStored(second, path_, Encode(SampleRecord(1))).status.Ok());
}

TEST_F(RecordFileTest, FileHeldByAnotherProcessGetsSharingViolation) {
    const Bytes bytes = FileOfSamples(1);
    WriteAll(path_, bytes);
    int ready[2];
    int release[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(release), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int fd = ::open(path_.c_str(), O_RDONLY);
        const char ok = (fd >= 0 && ::flock(fd, LOCK_EX) == 0) ? 'y' : 'n';
        (void)!::write(ready[1], &ok, 1);
        char go = 0;
        (void)!::read(release[0], &go, 1);
        ::_exit(0);
    }
    char ok = 0;
    ASSERT_EQ(::read(ready[0], &ok, 1), 1);
    ASSERT_EQ(ok, 'y');
    RecordFile file(clock_);
    EXPECT_EQ(AppendStored(file, path_, Encode(SampleRecord(2))).status, StoreStatus(StoreError::SharingViolation));
    EXPECT_EQ(file.OpenForReading(path_, true), StoreError::SharingViolation);
    EXPECT_EQ(ReadAll(path_), bytes);
    (void)!::write(release[1], "g", 1);
    int status = 0;
    ::waitpid(child, &status, 0);
    for (int fd : {ready[0], ready[1], release[0], release[1]}) ::close(fd);
    const RecordFile::AppendResult appended = AppendStored(file, path_, Encode(SampleRecord(2)));
    EXPECT_TRUE(appended.status.Ok());
    EXPECT_EQ(appended.firstPosition, 1);
}

TEST_F(RecordFileTest, RecordsWrittenByTheStoreReadBackByteForByte) {
    std::vector<StoredRecord> written;
    for (int i = 0; i < 6; ++i) {
        written.push_back(Encode(SampleRecord(i, i % 3)));
        const RecordFile::AppendResult appended = AppendStored(RecordFile(clock_), path_, written.back());
        ASSERT_TRUE(appended.status.Ok());
        ASSERT_EQ(appended.firstPosition, i);
    }
    RecordFile file;
    for (int i = 0; i < 6; ++i) {
        const StoreResult<StoredRecord> read = file.ReadRecordAt(path_, i);
        ASSERT_TRUE(read.Ok());
        const StoredRecord& out = *read;
        EXPECT_EQ(out, written[static_cast<std::size_t>(i)]);
        AssessmentRecord original = SampleRecord(i, i % 3);
        AssessmentRecord decoded;
        ASSERT_TRUE(DecodeFromStorage(decoded, out.data()).Ok());
        for (int f = 0; f < kTextFieldCount; ++f) {
            const auto field = static_cast<TextField>(f);
            if (field == TextField::SaveDateTime) continue;
            EXPECT_EQ(decoded.GetText(field), original.GetText(field));
        }
        EXPECT_EQ(decoded.GetText(TextField::SaveDateTime), "20240517093015");
        EXPECT_TRUE(decoded.SameContent(original));
    }
}

}  // namespace
}  // namespace orva
