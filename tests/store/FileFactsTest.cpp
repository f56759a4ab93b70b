// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "store/FileSystem.h"
#include "store/StoreError.h"
#include "store/support/StoreTestSupport.h"

namespace orva {
namespace {

using testsupport::TempFolder;
using testsupport::WriteAll;

struct ModeCase {
    const char* name;
    unsigned mode;
    bool othersMayWrite;
    bool everyoneMayWrite;
};

class FileFactsTest : public ::testing::TestWithParam<ModeCase> {};

TEST_P(FileFactsTest, TellWhoBesidesTheOwnerMayWrite) {
    TempFolder dir;
    const std::string path = dir.Path("file");
    WriteAll(path, {1, 2, 3});
    ASSERT_EQ(::chmod(path.c_str(), GetParam().mode), 0);
    FileSystem& fs = DefaultFileSystem();
    const StoreResult<FileFacts> found = fs.Facts(path);
    ASSERT_TRUE(found.Ok());
    const FileFacts& byPath = *found;
    EXPECT_TRUE(byPath.regularFile);
    EXPECT_FALSE(byPath.folder);
    EXPECT_EQ(byPath.othersMayWrite, GetParam().othersMayWrite);
    EXPECT_EQ(byPath.everyoneMayWrite, GetParam().everyoneMayWrite);

    const StoreResult<FileSystem::Handle> opened = fs.Open(path, OpenMode::ReadOnly, 0);
    ASSERT_TRUE(opened.Ok());
    const StoreResult<FileFacts> open = fs.Facts(*opened);
    EXPECT_TRUE(fs.Close(*opened).Ok());
    ASSERT_TRUE(open.Ok());
    EXPECT_EQ(open->othersMayWrite, GetParam().othersMayWrite);
    EXPECT_EQ(open->everyoneMayWrite, GetParam().everyoneMayWrite);
}

INSTANTIATE_TEST_SUITE_P(Modes, FileFactsTest,
                         ::testing::Values(ModeCase{"OwnerOnly", 0644, false, false},
                                           ModeCase{"Group", 0664, true, false},
                                           ModeCase{"Everyone", 0646, true, true},
                                           ModeCase{"ReadOnly", 0444, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FileFacts, FolderIsNoRegularFileAndNothingThereIsNotFound) {
    TempFolder dir;
    const StoreResult<FileFacts> facts = DefaultFileSystem().Facts(dir.Path(""));
    ASSERT_TRUE(facts.Ok());
    EXPECT_TRUE(facts->folder);
    EXPECT_FALSE(facts->regularFile);
    EXPECT_EQ(DefaultFileSystem().Facts(dir.Path("missing")).AsStatus(), StoreError::FileNotFound);
    EXPECT_EQ(DefaultFileSystem().Facts(dir.Path("missing/file")).AsStatus(), StoreError::BadPath);
}

TEST(FileFacts, CreateFolderAndRenameInOneStepReplacingOnlyWhenAsked) {
    TempFolder dir;
    FileSystem& fs = DefaultFileSystem();
    ASSERT_TRUE(fs.CreateFolder(dir.Path("sub")).Ok());
    EXPECT_TRUE(fs.CreateFolder(dir.Path("sub")).Ok());
    WriteAll(dir.Path("sub/new"), {7});
    WriteAll(dir.Path("sub/old"), {1, 2});
    EXPECT_EQ(fs.Rename(dir.Path("sub/new"), dir.Path("sub/old"), false), StoreError::FileExists);
    EXPECT_EQ(testsupport::ReadAll(dir.Path("sub/old")), (testsupport::Bytes{1, 2}));
    ASSERT_TRUE(fs.Rename(dir.Path("sub/new"), dir.Path("sub/old"), true).Ok());
    EXPECT_EQ(testsupport::ReadAll(dir.Path("sub/old")), testsupport::Bytes{7});
    EXPECT_FALSE(testsupport::FileExists(dir.Path("sub/new")));
    EXPECT_EQ(fs.Rename(dir.Path("sub/new"), dir.Path("sub/old"), true), StoreError::FileNotFound);
    ASSERT_TRUE(fs.Rename(dir.Path("sub/old"), dir.Path("sub/third"), false).Ok());
    EXPECT_EQ(testsupport::ReadAll(dir.Path("sub/third")), testsupport::Bytes{7});
}

}  // namespace
}  // namespace orva
