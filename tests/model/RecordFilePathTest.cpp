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

}  // namespace
}  // namespace orva
