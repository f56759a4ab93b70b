// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include "reports/ReportFileNames.h"
#include "reports/support/ReportsTestSupport.h"

namespace orva {
namespace {

TEST(InitialExportNames, ExportGoesToThePreviousExportFolderUnderTheRecordFilesName) {
    const ExportDialogNames names = InitialExportNames("c:/data/clinic_2007", "d:\\exports\\old");
    EXPECT_EQ(names.recordFileName, "c:/data/clinic_2007");
    EXPECT_EQ(names.exportName, "d:\\exports\\clinic_2007");
    EXPECT_EQ(names.rememberedBaseName, "clinic_2007");
    EXPECT_EQ(InitialExportNames("clinic", "").exportName, "clinic");
}

TEST(UpdateDefaultExportName, NewRecordFileNameMovesTheExportNameAndSaysSo) {
    const ExportNameUpdate update = UpdateDefaultExportName("c:/a/new", "d:/x/old", "old");
    EXPECT_TRUE(update.changed);
    EXPECT_EQ(update.exportName, "d:/x/new");
    EXPECT_EQ(update.rememberedBaseName, "new");
    ASSERT_TRUE(update.message);
    EXPECT_EQ(*update.message,
              (UserMessage{"Export File Name",
                           "The default Export File name has changed because the ORVA file name "
                           "has changed",
                           MessageIcon::Information}));
}

TEST(UpdateDefaultExportName, SameBaseNameInAnotherFolderChangesNothing) {
    const ExportNameUpdate update = UpdateDefaultExportName("e:/elsewhere/old", "d:/x/mine", "old");
    EXPECT_FALSE(update.changed);
    EXPECT_FALSE(update.message);
    EXPECT_EQ(update.exportName, "d:/x/mine");
    // The comparison is exact: a change of case is a new name.
    EXPECT_TRUE(UpdateDefaultExportName("c:/a/Old", "d:/x/old", "old").changed);
}

struct BrowseCase {
    const char* label;
    const char* path;
    const char* extension;
    bool accepted;
    const char* name;
};

void PrintTo(const BrowseCase& c, std::ostream* os) { *os << c.label; }

class CheckBrowsedNameTest : public ::testing::TestWithParam<BrowseCase> {};

TEST_P(CheckBrowsedNameTest, AcceptsOnlyPathsEndingInTheExtension) {
    const BrowseCase& c = GetParam();
    const BrowsedName result = CheckBrowsedName(c.path, c.extension);
    EXPECT_EQ(result.accepted, c.accepted);
    EXPECT_EQ(result.name, c.name);
    EXPECT_EQ(result.refusal.has_value(), !c.accepted);
    if (result.refusal) {
        EXPECT_EQ(result.refusal->caption, "Incorrect File Name");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, CheckBrowsedNameTest,
    ::testing::Values(BrowseCase{"FullStopFarFromTheEnd", "c:/d/data.older.rpc", ".rpc", true,
                                 "c:/d/data.older"},
                      BrowseCase{"FullStopNearTheEnd", "c:/d/data.old.rpc", ".rpc", false, ""},
                      BrowseCase{"Csv", "c:/d/out.csv", ".csv", true, "c:/d/out"},
                      BrowseCase{"CapitalCsv", "c:/d/out.CSV", ".csv", false, ""},
                      BrowseCase{"CsvWithoutStem", "c:/d/.csv", ".csv", false, ""},
                      BrowseCase{"RtfWithoutFolder", "a.rtf", ".rtf", true, "a"},
                      BrowseCase{"RtfOnly", ".rtf", ".rtf", false, ""},
                      BrowseCase{"OtherExtension", "c:/d/report.rtf", ".csv", false, ""}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(SuggestedAnalysisFileName, NamesTheFirstPresentPersonAndThePresentReports) {
    ReportSet set;
    set.Record(kParent) = reports_test::PersonRecord(kParent, "Jane", "Smith");
    set.Record(kTeacher) = reports_test::PersonRecord(kTeacher, "Jane", "Smith");
    EXPECT_EQ(SuggestedAnalysisFileName("c:/reports/old_name", set, {2007, 3, 15, 9, 0, 0}),
              "c:/reports/Smith_Jane_pt_20070315");
    set.Record(kSelf) = reports_test::PersonRecord(kSelf, "Janie", "Smyth");
    EXPECT_EQ(SuggestedAnalysisFileName("", set, {2024, 12, 1, 0, 0, 0}), "Smyth_Janie_spt_20241201");
}

TEST(SuggestedAnalysisFileName, NamesCannotLeadIntoAnotherFolder) {
    ReportSet set;
    set.Record(kSelf) = reports_test::PersonRecord(kSelf, "J:o\\", "../a/b..c");
    EXPECT_EQ(SuggestedAnalysisFileName("c:/reports/", set, {2007, 3, 15, 9, 0, 0}),
              "c:/reports/__a_b_c_J_o__s_20070315");
}

TEST(WithoutTypedExtension, DropsOneTypedExtensionOnly) {
    EXPECT_EQ(WithoutTypedExtension("c:/r/jane.rtf", ".rtf"), "c:/r/jane");
    EXPECT_EQ(WithoutTypedExtension("jane.rtf.rtf", ".rtf"), "jane.rtf");
    EXPECT_EQ(WithoutTypedExtension("jane.RTF", ".rtf"), "jane.RTF");
    EXPECT_EQ(WithoutTypedExtension("jane", ".rtf"), "jane");
}

TEST(CheckSaveFileName, RefusesAnEmptyNameAndANameEndingInASeparator) {
    EXPECT_EQ(CheckSaveFileName("")->text,
              "You must specify a file name.\n\nYou may like to use the 'Browse ...' button.");
    for (const char* name : {"c:/reports/", "c:", "c:\\reports\\"}) {
        ASSERT_TRUE(CheckSaveFileName(name)) << name;
        EXPECT_EQ(CheckSaveFileName(name)->caption, "File Name Error");
        EXPECT_EQ(CheckSaveFileName(name)->text,
                  "You must specify a valid file name.\n\nYou may like to use the 'Browse ...' button.");
    }
    EXPECT_FALSE(CheckSaveFileName("c:/reports/jane"));
}

}  // namespace
}  // namespace orva
