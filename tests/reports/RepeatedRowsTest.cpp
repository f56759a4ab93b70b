// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include "reports/RepeatedRows.h"
#include "reports/support/ReportsTestSupport.h"
#include "support/RecordBuilder.h"

namespace orva {
namespace {

AssessmentRecord Saved(const std::string& first, int second) {
    AssessmentRecord record = reports_test::PersonRecord(kParent, first, "Lee", {{1, 2}, {5, 4}});
    record.SetStoredSaveDateTime({2024, 6, 1, 8, 5, second});
    return record;
}

TEST(SameSavedRecord, NeedsTheSameContentDataEntryAndSaveTime) {
    const AssessmentRecord record = Saved("Ann", 9);
    EXPECT_TRUE(SameSavedRecord(record, Saved("Ann", 9)));
    EXPECT_FALSE(SameSavedRecord(record, Saved("Ann", 10)));
    EXPECT_FALSE(SameSavedRecord(record, Saved("Anne", 9)));
    AssessmentRecord paper = record;
    paper.SetDataEntry(kPaper);
    EXPECT_FALSE(SameSavedRecord(record, paper));
    EXPECT_FALSE(SameSavedRecord(record, testsupport::RecordBuilder(record).Answers({{111, 0}})));
    // A blank answer set explicitly is the same as one never set.
    EXPECT_TRUE(SameSavedRecord(record, testsupport::RecordBuilder(record).Answers({{111, -1}})));
}

TEST(DropRepeatedRows, TakesOutRowsAlreadyInTheFileOrEarlierInTheCsvKeepingTheOrder) {
    std::vector<AssessmentRecord> rows = {Saved("Ann", 1), Saved("Bob", 2), Saved("Ann", 1), Saved("Cy", 3),
                                          Saved("Bob", 4)};
    const std::vector<AssessmentRecord> existing = {Saved("Cy", 3), Saved("Dee", 5)};
    EXPECT_EQ(DropRepeatedRows(rows, existing), 2);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].GetFirstName(), "Ann");
    EXPECT_EQ(rows[1].GetFirstName(), "Bob");
    EXPECT_EQ(rows[2].GetFirstName(), "Bob");
    EXPECT_EQ(rows[2].GetText(TextField::SaveDateTime), "20240601080504");
}

TEST(DropRepeatedRows, KeepsEveryRowWhenNoneRepeats) {
    std::vector<AssessmentRecord> rows = {Saved("Ann", 1), Saved("Ann", 2)};
    EXPECT_EQ(DropRepeatedRows(rows, {Saved("Ann", 3)}), 0);
    EXPECT_EQ(rows.size(), 2u);
}

}  // namespace
}  // namespace orva
