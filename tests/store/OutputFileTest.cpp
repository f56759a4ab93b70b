#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>

#include "support/FaultInjectingFileSystem.h"
#include "store/OutputFile.h"
#include "store/StoreResult.h"
#include "store/StoreTestSupport.h"

namespace orva {
namespace {

using test::Bytes;
using test::ReadAll;
using test::TempFolder;
using test::WriteAll;

class OutputFileTest : public ::testing::Test {
  protected:
    TempFolder dir_;
    std::string path_ = dir_.Path("report.csv");
};

TEST_F(OutputFileTest, WritesBlocksInOrderAndKeepsThemOwnerOnly) {
    OutputFile out;
    out.SetPath(path_);
    ASSERT_EQ(out.Open(false), kStoreOk);
    EXPECT_TRUE(out.IsOpen());
    EXPECT_EQ(out.Write("abc", 3), 3);
    EXPECT_EQ(out.Write("\r\n\x80", 3), 3);
    EXPECT_EQ(out.Close(), kStoreOk);
    EXPECT_FALSE(out.IsOpen());
    EXPECT_EQ(ReadAll(path_), (Bytes{'a', 'b', 'c', '\r', '\n', 0x80}));
    EXPECT_EQ(test::FileMode(path_), 0600u);
}

TEST_F(OutputFileTest, ExistingFileIsNotTouchedWithoutReplace) {
    WriteAll(path_, {'o', 'l', 'd'});
    OutputFile out;
    out.SetPath(path_);
    EXPECT_EQ(out.Open(false), kFileExists);
    EXPECT_FALSE(out.IsOpen());
    EXPECT_EQ(ReadAll(path_), (Bytes{'o', 'l', 'd'}));
}

TEST_F(OutputFileTest, ReplaceStartsAnEmptyFile) {
    WriteAll(path_, Bytes(100, 'x'));
    OutputFile out;
    out.SetPath(path_);
    ASSERT_EQ(out.Open(true), kStoreOk);
    EXPECT_EQ(out.Write("new", 3), 3);
    out.Close();
    EXPECT_EQ(ReadAll(path_), (Bytes{'n', 'e', 'w'}));
}

TEST_F(OutputFileTest, ReplaceWorksWhereAFileCannotBeRemovedWhileOpen) {
    WriteAll(path_, Bytes(100, 'x'));
    FaultInjectingFileSystem faulty;
    faulty.FailNextRemove(kSharingViolation);
    OutputFile out(faulty);
    out.SetPath(path_);
    ASSERT_EQ(out.Open(true), kStoreOk);
    out.Close();
    EXPECT_TRUE(ReadAll(path_).empty());
}

TEST_F(OutputFileTest, FileHeldBySomeoneElseIsNeitherReplacedNorOpened) {
    WriteAll(path_, {'o', 'l', 'd'});
    FileSystem& fs = DefaultFileSystem();
    FileSystem::Handle held = -1;
    bool created = false;
    ASSERT_EQ(fs.Open(path_, OpenMode::ReadWrite, 0, held, created), kStoreOk);
    ASSERT_EQ(fs.LockExclusive(held), kStoreOk);
    OutputFile other;
    other.SetPath(path_);
    EXPECT_EQ(other.Open(true), kSharingViolation);
    fs.Close(held);
    EXPECT_EQ(ReadAll(path_), (Bytes{'o', 'l', 'd'}));
}

TEST_F(OutputFileTest, MissingFolderIsABadPath) {
    OutputFile out;
    out.SetPath(dir_.Path("nowhere/report.csv"));
    EXPECT_EQ(out.Open(false), kBadPath);
    EXPECT_EQ(out.Open(true), kBadPath);
}

// A report is written whole or not at all: after a failed block nothing takes the target's name,
// and an old file being replaced stays as it was.
TEST_F(OutputFileTest, AFailedBlockFailsTheWholeFileAndLeavesTheOldOneIntact) {
    WriteAll(path_, {'o', 'l', 'd'});
    FaultInjectingFileSystem faulty;
    faulty.DiskFullAfter(10);
    OutputFile out(faulty);
    out.SetPath(path_);
    ASSERT_EQ(out.Open(true), kStoreOk);
    EXPECT_EQ(out.Write("12345678", 8), 8);
    EXPECT_EQ(out.Write("abcdef", 6), kDiskFull);
    EXPECT_EQ(out.Write("z", 1), 1);
    EXPECT_EQ(out.Close(), kDiskFull);
    EXPECT_EQ(ReadAll(path_), (Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.Path()), std::filesystem::directory_iterator()),
              1);
}

TEST_F(OutputFileTest, UntilItIsClosedTheOldFileStaysAndAFileNeverClosedLeavesNothing) {
    WriteAll(path_, {'o', 'l', 'd'});
    {
        OutputFile out;
        out.SetPath(path_);
        ASSERT_EQ(out.Open(true), kStoreOk);
        EXPECT_EQ(out.Write("new", 3), 3);
        EXPECT_EQ(ReadAll(path_), (Bytes{'o', 'l', 'd'}));
    }
    EXPECT_EQ(ReadAll(path_), (Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.Path()), std::filesystem::directory_iterator()),
              1);
}

TEST_F(OutputFileTest, DiscardAfterAFailedWriteLeavesNoFile) {
    FaultInjectingFileSystem fs;
    fs.FailWritesAfter(4);
    OutputFile out(fs);
    out.SetPath(path_);
    ASSERT_EQ(out.Open(false), kStoreOk);
    EXPECT_EQ(out.Write("abc", 3), 3);
    EXPECT_LT(out.Write("defg", 4), 0);
    EXPECT_EQ(out.Discard(), kStoreOk);
    EXPECT_FALSE(out.IsOpen());
    EXPECT_FALSE(test::FileExists(path_));
    // Nothing open: nothing to discard.
    EXPECT_EQ(out.Discard(), kStoreOk);
}

TEST_F(OutputFileTest, WriteWithoutOpenFails) {
    OutputFile out;
    out.SetPath(path_);
    EXPECT_LT(out.Write("a", 1), 0);
    EXPECT_FALSE(test::FileExists(path_));
}

}  // namespace
}  // namespace orva
