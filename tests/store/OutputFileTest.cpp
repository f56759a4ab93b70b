// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>

#include "support/FaultInjectingFileSystem.h"
#include "store/OutputFile.h"
#include "store/PosixFileSystem.h"
#include "store/StoreError.h"
#include "store/support/StoreTestSupport.h"

namespace orva {
namespace {

using testsupport::Bytes;
using testsupport::ReadAll;
using testsupport::TempFolder;
using testsupport::WriteAll;

class OutputFileTest : public ::testing::Test {
  protected:
    long long Entries() const {
        return std::distance(std::filesystem::directory_iterator(dir_.Path()), std::filesystem::directory_iterator());
    }

    TempFolder dir_;
    std::string path_ = dir_.Path("report.csv");
};

// Nothing of an output being written has a name until it is complete, so that nothing of it,
// health data in plain text, is left behind by a kill that no handler sees.
TEST_F(OutputFileTest, UntilItIsCompleteTheOutputHasNoNameAtAll) {
    OutputFile out;
    out.SetPath(path_);
    ASSERT_TRUE(out.Open(false).Ok());
    EXPECT_TRUE(out.Write("abc", 3).Ok());
    EXPECT_EQ(Entries(), 0);
    ASSERT_TRUE(out.Close().Ok());
    EXPECT_EQ(Entries(), 1);
}

// Where a file system cannot make unnamed files, a named one stands in, and goes whatever
// becomes of the output.
TEST_F(OutputFileTest, ANamedTemporaryFileGoesWithTheOutputDoneOrAbandoned) {
    PosixFileSystem named(false);
    OutputFile out(named);
    out.SetPath(path_);
    ASSERT_TRUE(out.Open(false).Ok());
    EXPECT_TRUE(out.Write("abc", 3).Ok());
    EXPECT_EQ(Entries(), 1);
    out.Discard();
    EXPECT_EQ(Entries(), 0);
    ASSERT_TRUE(out.Open(false).Ok());
    EXPECT_TRUE(out.Write("abc", 3).Ok());
    ASSERT_TRUE(out.Close().Ok());
    EXPECT_EQ(ReadAll(path_), (Bytes{'a', 'b', 'c'}));
    EXPECT_EQ(Entries(), 1);
}

// A file that another program makes under the name while the output is written, just before
// the output would take it, is never replaced: the name is claimed in one step.
class ArrivingFile final : public testsupport::ForwardingFileSystem {
  public:
    explicit ArrivingFile(FileSystem& inner) : ForwardingFileSystem(inner) {}
    StoreStatus Publish(TemporaryFile& file, const std::string& path, bool replace) override {
        testsupport::WriteFile(path, "theirs");
        return Inner().Publish(file, path, replace);
    }
};

TEST_F(OutputFileTest, AFileMadeUnderTheNameAtTheLastMomentIsNotReplaced) {
    for (bool unnamed : {true, false}) {
        std::filesystem::remove(path_);
        PosixFileSystem machine(unnamed);
        ArrivingFile arriving(machine);
        OutputFile out(arriving);
        out.SetPath(path_);
        ASSERT_TRUE(out.Open(false).Ok());
        EXPECT_TRUE(out.Write("mine", 4).Ok());
        EXPECT_EQ(out.Close(), StoreError::FileExists);
        EXPECT_EQ(testsupport::ReadFile(path_), "theirs");
        EXPECT_EQ(Entries(), 1) << (unnamed ? "unnamed" : "named");
    }
}

// No output, whatever it is named, takes the place of a record file: named ".rpc", or one
// found under the name, through a link too.
TEST_F(OutputFileTest, ARecordFileIsNeverReplaced) {
    const std::string record = dir_.Path("clinic.rpc");
    const Bytes recordBytes = testsupport::FileOfSamples(1);
    WriteAll(record, recordBytes);
    std::filesystem::create_symlink(record, dir_.Path("link.csv"));
    WriteAll(dir_.Path("renamed.pdf"), recordBytes);
    for (const std::string& target : {record, dir_.Path("new.RPC"), dir_.Path("link.csv"), dir_.Path("renamed.pdf")}) {
        OutputFile out;
        out.SetPath(target);
        EXPECT_EQ(out.Open(true), StoreError::OutputIsRecordFile) << target;
        EXPECT_EQ(out.Open(false), StoreError::OutputIsRecordFile) << target;
        EXPECT_FALSE(out.IsOpen());
    }
    EXPECT_EQ(ReadAll(record), recordBytes);
    EXPECT_EQ(ReadAll(dir_.Path("renamed.pdf")), recordBytes);
    EXPECT_FALSE(testsupport::FileExists(dir_.Path("new.RPC")));
    EXPECT_EQ(Entries(), 3);
}

TEST_F(OutputFileTest, ARecordFilePutUnderTheNameWhileTheOutputIsWrittenStays) {
    WriteAll(path_, {'o', 'l', 'd'});
    OutputFile out;
    out.SetPath(path_);
    ASSERT_TRUE(out.Open(true).Ok());
    EXPECT_TRUE(out.Write("new", 3).Ok());
    const Bytes recordBytes = testsupport::FileOfSamples(1);
    WriteAll(path_, recordBytes);
    EXPECT_EQ(out.Close(), StoreError::OutputIsRecordFile);
    EXPECT_EQ(ReadAll(path_), recordBytes);
    EXPECT_EQ(Entries(), 1);
}

TEST_F(OutputFileTest, WritesBlocksInOrderAndKeepsThemOwnerOnly) {
    OutputFile out;
    out.SetPath(path_);
    ASSERT_TRUE(out.Open(false).Ok());
    EXPECT_TRUE(out.IsOpen());
    EXPECT_TRUE(out.Write("abc", 3).Ok());
    EXPECT_TRUE(out.Write("\r\n\x80", 3).Ok());
    EXPECT_TRUE(out.Close().Ok());
    EXPECT_FALSE(out.IsOpen());
    EXPECT_EQ(ReadAll(path_), (Bytes{'a', 'b', 'c', '\r', '\n', 0x80}));
    EXPECT_EQ(testsupport::FileMode(path_), 0600u);
}

TEST_F(OutputFileTest, ExistingFileIsNotTouchedWithoutReplace) {
    WriteAll(path_, {'o', 'l', 'd'});
    OutputFile out;
    out.SetPath(path_);
    EXPECT_EQ(out.Open(false), StoreError::FileExists);
    EXPECT_FALSE(out.IsOpen());
    EXPECT_EQ(ReadAll(path_), (Bytes{'o', 'l', 'd'}));
}

TEST_F(OutputFileTest, ReplaceStartsAnEmptyFile) {
    WriteAll(path_, Bytes(100, 'x'));
    OutputFile out;
    out.SetPath(path_);
    ASSERT_TRUE(out.Open(true).Ok());
    EXPECT_TRUE(out.Write("new", 3).Ok());
    ASSERT_TRUE(out.Close().Ok());
    EXPECT_EQ(ReadAll(path_), (Bytes{'n', 'e', 'w'}));
}

TEST_F(OutputFileTest, FileHeldBySomeoneElseIsNeitherReplacedNorOpened) {
    WriteAll(path_, {'o', 'l', 'd'});
    FileSystem& fs = DefaultFileSystem();
    const StoreResult<FileSystem::Handle> held = fs.Open(path_, OpenMode::ReadWrite, 0);
    ASSERT_TRUE(held.Ok());
    ASSERT_TRUE(fs.LockExclusive(*held).Ok());
    OutputFile other;
    other.SetPath(path_);
    EXPECT_EQ(other.Open(true), StoreError::SharingViolation);
    EXPECT_TRUE(fs.Close(*held).Ok());
    EXPECT_EQ(ReadAll(path_), (Bytes{'o', 'l', 'd'}));
}

TEST_F(OutputFileTest, MissingFolderIsABadPath) {
    OutputFile out;
    out.SetPath(dir_.Path("nowhere/report.csv"));
    EXPECT_EQ(out.Open(false), StoreError::BadPath);
    EXPECT_EQ(out.Open(true), StoreError::BadPath);
}

// A report is written whole or not at all: after a failed block nothing takes the target's name,
// and an old file being replaced stays as it was.
TEST_F(OutputFileTest, AFailedBlockFailsTheWholeFileAndLeavesTheOldOneIntact) {
    WriteAll(path_, {'o', 'l', 'd'});
    FaultInjectingFileSystem faulty;
    faulty.DiskFullAfter(10);
    OutputFile out(faulty);
    out.SetPath(path_);
    ASSERT_TRUE(out.Open(true).Ok());
    EXPECT_TRUE(out.Write("12345678", 8).Ok());
    EXPECT_EQ(out.Write("abcdef", 6), StoreError::DiskFull);
    EXPECT_TRUE(out.Write("z", 1).Ok());
    EXPECT_EQ(out.Close(), StoreError::DiskFull);
    EXPECT_EQ(ReadAll(path_), (Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(Entries(), 1);
}

TEST_F(OutputFileTest, UntilItIsClosedTheOldFileStaysAndAFileNeverClosedLeavesNothing) {
    WriteAll(path_, {'o', 'l', 'd'});
    {
        OutputFile out;
        out.SetPath(path_);
        ASSERT_TRUE(out.Open(true).Ok());
        EXPECT_TRUE(out.Write("new", 3).Ok());
        EXPECT_EQ(ReadAll(path_), (Bytes{'o', 'l', 'd'}));
    }
    EXPECT_EQ(ReadAll(path_), (Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(Entries(), 1);
}

TEST_F(OutputFileTest, DiscardAfterAFailedWriteLeavesNoFile) {
    FaultInjectingFileSystem fs;
    fs.FailWritesAfter(4);
    OutputFile out(fs);
    out.SetPath(path_);
    ASSERT_TRUE(out.Open(false).Ok());
    EXPECT_TRUE(out.Write("abc", 3).Ok());
    EXPECT_FALSE(out.Write("defg", 4).Ok());
    out.Discard();
    EXPECT_FALSE(out.IsOpen());
    EXPECT_FALSE(testsupport::FileExists(path_));
    // Nothing open: nothing to discard.
    out.Discard();
}

TEST_F(OutputFileTest, WriteWithoutOpenFails) {
    OutputFile out;
    out.SetPath(path_);
    EXPECT_FALSE(out.Write("a", 1).Ok());
    EXPECT_FALSE(testsupport::FileExists(path_));
}

}  // namespace
}  // namespace orva
