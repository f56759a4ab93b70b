// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include "model/RecordFilePath.h"

namespace orva {
namespace {

struct PathCase {
    const char* name;
    const char* typed;
    const char* onDisk;
    const char* withoutExtension;
};

class RecordFilePathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(RecordFilePathTest, GivesTheFileOnDiskAndTheNameWithoutExtension) {
    const RecordFilePath path(GetParam().typed);
    EXPECT_EQ(path.OnDisk(), GetParam().onDisk);
    EXPECT_EQ(path.WithoutExtension(), GetParam().withoutExtension);
}

INSTANTIATE_TEST_SUITE_P(
    Names, RecordFilePathTest,
    ::testing::Values(PathCase{"Typed", "/data/clinic", "/data/clinic.rpc", "/data/clinic"},
                      PathCase{"TypedWithExtension", "/data/clinic.rpc", "/data/clinic.rpc", "/data/clinic"},
                      PathCase{"OtherCaseIsNotTheExtension", "/data/clinic.RPC", "/data/clinic.RPC.rpc",
                               "/data/clinic.RPC"},
                      PathCase{"ExtensionInsideTheName", "c:\\x.rpc.old", "c:\\x.rpc.old.rpc",
                               "c:\\x.rpc.old"},
                      PathCase{"DoubleExtensionKeepsOne", "a.rpc.rpc", "a.rpc.rpc", "a.rpc"}),
    [](const ::testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });

TEST(RecordFilePath, TheSameFileHoweverItWasTyped) {
    EXPECT_EQ(RecordFilePath("/data/clinic"), RecordFilePath("/data/clinic.rpc"));
    EXPECT_EQ(RecordFilePath(RecordFilePath("/data/clinic").OnDisk()), RecordFilePath("/data/clinic"));
    EXPECT_EQ(RecordFilePath(RecordFilePath("/data/clinic").WithoutExtension()),
              RecordFilePath("/data/clinic"));
    EXPECT_FALSE(RecordFilePath("/data/clinic") == RecordFilePath("/data/clinic2"));
}

// The desktop program's windows once disagreed on where a name without a folder lives (the
// wizards took the home folder, the dialogs the working folder): the base folder decides, and
// the messages still name the file as it was typed.
TEST(RecordFilePath, ANameWithoutAFolderLivesInTheBaseFolder) {
    const RecordFilePath typed("clinic", "/home/kim");
    EXPECT_EQ(typed.OnDisk(), "/home/kim/clinic.rpc");
    EXPECT_EQ(typed.Named(), "clinic.rpc");
    EXPECT_EQ(typed.WithoutExtension(), "clinic");
    EXPECT_EQ(RecordFilePath("data/clinic.rpc", "/home/kim/").OnDisk(), "/home/kim/data/clinic.rpc");
    EXPECT_EQ(RecordFilePath("../clinic", "/home/kim").OnDisk(), "/home/kim/../clinic.rpc");
    EXPECT_EQ(RecordFilePath("clinic", "/").OnDisk(), "/clinic.rpc");
}

TEST(RecordFilePath, ANameWithItsFolderIgnoresTheBaseFolder) {
    const RecordFilePath full("/data/clinic", "/home/kim");
    EXPECT_EQ(full.OnDisk(), "/data/clinic.rpc");
    EXPECT_EQ(full, RecordFilePath("/data/clinic"));
    EXPECT_EQ(RecordFilePath("clinic", "").OnDisk(), "clinic.rpc");
#ifdef _WIN32
    EXPECT_EQ(RecordFilePath("c:\\data\\clinic", "C:/Users/kim").OnDisk(), "c:\\data\\clinic.rpc");
    EXPECT_EQ(RecordFilePath("\\data\\clinic", "C:/Users/kim").OnDisk(), "\\data\\clinic.rpc");
    EXPECT_EQ(RecordFilePath("clinic", "C:/Users/kim").OnDisk(), "C:/Users/kim/clinic.rpc");
#endif
}

}  // namespace
}  // namespace orva
