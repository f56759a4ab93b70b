// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <string>

#include "model/FileNameRules.h"
#include "model/RecordFilePath.h"

namespace orva {
namespace {

constexpr const char* kWithoutExtension =
    "You must enter a ORVA filename without the extension.  For example:  c:/data_files/ORVA_2005";

struct NameCase {
    const char* name;
    const char* typed;
    bool ok;
    const char* fullPathOrMessage;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }

class RecordFileNameRule : public ::testing::TestWithParam<NameCase> {};

TEST_P(RecordFileNameRule, AddsTheExtensionOrRefuses) {
    const NameCase c = GetParam();
    const FileNameCheck check = RecordFilePath::Check(c.typed);
    EXPECT_EQ(check.ok, c.ok);
    if (c.ok) {
        EXPECT_EQ(check.fullPath, c.fullPathOrMessage);
    } else {
        EXPECT_STREQ(check.message, c.fullPathOrMessage);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, RecordFileNameRule,
    ::testing::Values(NameCase{"Empty", "", false, "You have not entered a filename."},
                      NameCase{"NoExtension", "/data/clinic", true, "/data/clinic.rpc"},
                      NameCase{"RpcExtension", "/data/clinic.rpc", true, "/data/clinic.rpc"},
                      NameCase{"BackslashPath", "c:\\data\\x", true, "c:\\data\\x.rpc"},
                      NameCase{"OneLetter", "a", true, "a.rpc"},
                      NameCase{"CsvExtension", "/data/clinic.csv", false, kWithoutExtension},
                      NameCase{"CapitalRpcExtension", "/data/clinic.RPC", false, kWithoutExtension},
                      NameCase{"EndsInDot", "/data/clinic.", false, kWithoutExtension},
                      NameCase{"OneLetterExtension", "/data/clinic.x", false, kWithoutExtension},
                      NameCase{"TwoLetterExtension", "/data/clinic.ab", false, kWithoutExtension},
                      NameCase{"FolderOnly", "/data/", false, kWithoutExtension},
                      NameCase{"BackslashFolderOnly", "c:\\data\\", false, kWithoutExtension},
                      NameCase{"ExtensionOnlyInFolder", "/data/.rpc", false, kWithoutExtension},
                      NameCase{"ExtensionOnly", ".rpc", false, kWithoutExtension},
                      NameCase{"ThisFolder", "./ab", true, "./ab.rpc"},
                      NameCase{"FolderAbove", "../ab", true, "../ab.rpc"},
                      NameCase{"ThisFolderDash", "./-x", true, "./-x.rpc"},
                      NameCase{"DotInFolderName", "/data.v2/clinic", true, "/data.v2/clinic.rpc"},
                      NameCase{"BackslashDotFolder", "..\\ab", true, "..\\ab.rpc"},
                      NameCase{"ExtensionAfterDotFolder", "./ab.csv", false, kWithoutExtension},
                      NameCase{"DotFolderOnly", "./", false, kWithoutExtension},
                      NameCase{"Dot", ".", false, kWithoutExtension},
                      NameCase{"DotDot", "..", false, kWithoutExtension}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BrowsedPath, AcceptsOnlyTheExactExtensionWithACleanStem) {
    std::string stem;
    EXPECT_TRUE(AcceptBrowsedPath("/x/data.older.rpc", ".rpc", stem));
    EXPECT_EQ(stem, "/x/data.older");
    EXPECT_FALSE(AcceptBrowsedPath("/x/data.old.rpc", ".rpc", stem));
    EXPECT_FALSE(AcceptBrowsedPath("/x/data.RPC", ".rpc", stem));
    EXPECT_FALSE(AcceptBrowsedPath("/x/.rpc", ".rpc", stem));
    EXPECT_FALSE(AcceptBrowsedPath(".rpc", ".rpc", stem));
    EXPECT_TRUE(AcceptBrowsedPath("a.csv", ".csv", stem));
    EXPECT_EQ(stem, "a");
    EXPECT_FALSE(AcceptBrowsedPath("a.rtf", ".csv", stem));
    EXPECT_EQ(stem, "a");
}

TEST(BrowsedPath, LooksForFullStopsInTheFileNameOnly) {
    std::string stem;
    EXPECT_TRUE(AcceptBrowsedPath("./ab.rpc", ".rpc", stem));
    EXPECT_EQ(stem, "./ab");
    EXPECT_TRUE(AcceptBrowsedPath("../a.csv", ".csv", stem));
    EXPECT_EQ(stem, "../a");
    EXPECT_TRUE(AcceptBrowsedPath("c:\\x.y\\ab.rtf", ".rtf", stem));
    EXPECT_FALSE(AcceptBrowsedPath("../x/data.old.rpc", ".rpc", stem));
    EXPECT_FALSE(AcceptBrowsedPath("./.ab.rpc", ".rpc", stem));
}

TEST(PathParts, SplitAtTheLastSeparatorOfEitherKind) {
    EXPECT_EQ(BaseName("c:/a/old"), "old");
    EXPECT_EQ(DirectoryPart("c:/a/old"), "c:/a/");
    EXPECT_EQ(BaseName("d:\\x\\y"), "y");
    EXPECT_EQ(DirectoryPart("d:\\x/y"), "d:\\x/");
    EXPECT_EQ(BaseName("plain"), "plain");
    EXPECT_EQ(DirectoryPart("plain"), "");
}

}  // namespace
}  // namespace orva
