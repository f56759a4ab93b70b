// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <string>

#include "screening/AnalysisGrid.h"
#include "support/RecordBuilder.h"
#include "screening/ScreeningRules.h"

namespace orva {
namespace {

using testing::Endorsed;
using testing::MakeRecord;

const GridCell kWhite = {"", false};

TEST(AnalysisGrid, FixedTextsAreInPlaceBeforeAnyAnalysis) {
    const AnalysisGrid grid = FixedAnalysisGrid();
    const char* const screeningHeadings[kGridColumns] = {
        "Disorder\n  # indicates mutually exclusive screens",
        "Positive\nScreen\nCutoff",
        "Self-\nReport\nScore",
        "Parent-\nReport\nScore",
        "Teacher-\nReport\nScore",
        "Cutoff\nAttained",
        "Positive Screen Items Met\n       [Self-Report Items Met]\n       (Parent-Report Items Met)\n"
        "       {Teacher-Report Items Met}",
    };
    const char* const reliabilityHeadings[kGridColumns] = {
        "\r\n\r\nReliability Measure (Omega Statistic)",
        "\r\nOmega\r\nCutoff",
        "Self-\r\nReport\r\nOmega",
        "Parent-\r\nReport\r\nOmega",
        "Teacher-\r\nReport\r\nOmega",
        "\r\nReliability\r\nAttained",
        "\r\n\r\nComments on Reliability",
    };
    for (int column = 0; column < kGridColumns; ++column) {
        EXPECT_EQ(grid.screening[0][column].text, screeningHeadings[column]) << column;
        EXPECT_EQ(grid.reliability[0][column].text, reliabilityHeadings[column]) << column;
    }
    EXPECT_EQ(grid.screening[9][0].text, "Oppositional defiant disorder (#2)");
    EXPECT_EQ(grid.screening[9][1].text, ">=4\n<3");
    EXPECT_EQ(grid.screening[23][0].text, "Tourette's disorder (#5)");
    EXPECT_EQ(grid.screening[24][0].text, "Number of positive screens");
    EXPECT_EQ(grid.screening[24][1].text, "");
    for (int column = 0; column < kGridColumns; ++column) EXPECT_TRUE(grid.reliability[0][column].shaded);
    EXPECT_EQ(grid.reliability[1][0].text, "Range: -1 to +1");
    EXPECT_EQ(grid.reliability[1][1].text, ">=0.07");
    for (int column = 2; column < kGridColumns; ++column) EXPECT_EQ(grid.reliability[1][column], kWhite);
}

TEST(AnalysisGrid, OnlySelfReportLeavesParentAndTeacherColumnsEmptyAndWhite) {
    ReportSet set;
    set.Record(kSelf) = MakeRecord(kSelf, {});
    const AnalysisGrid grid = BuildAnalysisGrid(set);
    for (int row = 1; row <= kDisorderCount; ++row) {
        EXPECT_EQ(grid.screening[row][3], kWhite) << row;
        EXPECT_EQ(grid.screening[row][4], kWhite) << row;
        EXPECT_EQ(grid.screening[row][5], (GridCell{"NO", false})) << row;
        EXPECT_EQ(grid.screening[row][6], kWhite) << row;
    }
    EXPECT_EQ(grid.screening[1][2], (GridCell{"0\n0", false}));
    EXPECT_EQ(grid.screening[20][2], (GridCell{"0\n0\n0", false}));
    // The count row shades the present reporter's count even when it is 0.
    const GridRow& counts = grid.screening[kCountRow];
    EXPECT_EQ(counts[1], (GridCell{" ", false}));
    EXPECT_EQ(counts[2], (GridCell{"0", true}));
    EXPECT_EQ(counts[3], kWhite);
    EXPECT_EQ(counts[4], kWhite);
    EXPECT_EQ(counts[5], (GridCell{" ", false}));
    EXPECT_EQ(counts[6], (GridCell{" ", false}));
    EXPECT_EQ(grid.reliability[1][2], (GridCell{"---", false}));
    EXPECT_EQ(grid.reliability[1][3], (GridCell{" ", false}));
    EXPECT_EQ(grid.reliability[1][4], (GridCell{" ", false}));
    EXPECT_EQ(grid.reliability[1][5], (GridCell{"NO", false}));
    EXPECT_EQ(grid.reliability[1][6], (GridCell{"Too few Self-report responses to calculate Omega.", false}));
}

TEST(AnalysisGrid, TeacherReportShowsNotAssessedRowsAndShadesItsPositives) {
    ReportSet set;
    set.Record(kTeacher) = MakeRecord(kTeacher, Endorsed({2, 111, 21, 61, 72}));
    const AnalysisGrid grid = BuildAnalysisGrid(set);
    for (int row : {4, 14, 15}) {
        EXPECT_EQ(grid.screening[row][4], (GridCell{"Not Assessed in the TRF", false})) << row;
    }
    EXPECT_EQ(grid.screening[2][4], (GridCell{"3", true}));
    EXPECT_EQ(grid.screening[2][5], (GridCell{"YES", true}));
    EXPECT_EQ(grid.screening[2][6], (GridCell{"{21, 61, 72}", false}));
    EXPECT_EQ(grid.screening[3][4], (GridCell{"2", true}));
    EXPECT_EQ(grid.screening[kCountRow][4], (GridCell{"2", true}));
}

TEST(AnalysisGrid, ReliableParentAndUnreliableSelfShadeReliabilityAttained) {
    ReportSet set;
    // Self: pairs give 0.04; Parent: pairs give 0.10.
    set.Record(kSelf) = MakeRecord(kSelf, {{57, 3}, {95, 3}, {36, 4}, {14, 3}, {86, 1}, {37, 2}, {65, 5}, {27, 4},
                                           {19, 0}, {59, 1}});
    set.Record(kParent) = MakeRecord(kParent, {{57, 3}, {95, 3}, {36, 3}, {14, 4}, {86, 2}, {37, 1}, {65, 0}, {27, 1}});
    const AnalysisGrid grid = BuildAnalysisGrid(set);
    EXPECT_EQ(grid.reliability[1][2].text, " 0.04");
    EXPECT_EQ(grid.reliability[1][3].text, " 0.10");
    EXPECT_EQ(grid.reliability[1][5], (GridCell{"YES", true}));
    EXPECT_EQ(grid.reliability[1][6].text,
              "The Self-report was below the Omega cutoff.   The Parent-report was above the Omega cutoff.");
}

TEST(AnalysisGrid, RebuildingWithFewerReportsLeavesNothingOfTheFirstBehind) {
    ReportSet set;
    set.Record(kSelf) = MakeRecord(kSelf, Endorsed({21, 61, 72}));
    set.Record(kParent) = MakeRecord(kParent, Endorsed({4, 15, 83}));
    set.Record(kTeacher) = MakeRecord(kTeacher, Endorsed({56}));
    const AnalysisGrid first = BuildAnalysisGrid(set);
    EXPECT_EQ(first.screening[8][3], (GridCell{"3", true}));

    set.Reset();
    set.Record(kSelf) = MakeRecord(kSelf, {});
    const AnalysisGrid second = BuildAnalysisGrid(set);
    ReportSet onlySelf;
    onlySelf.Record(kSelf) = MakeRecord(kSelf, {});
    const AnalysisGrid fresh = BuildAnalysisGrid(onlySelf);
    EXPECT_EQ(second.screening, fresh.screening);
    EXPECT_EQ(second.reliability, fresh.reliability);
}

TEST(AnalysisGrid, EmptySetShowsNoScoresAndNoReliability) {
    const AnalysisGrid grid = BuildAnalysisGrid(ReportSet{});
    for (int row = 1; row <= kDisorderCount; ++row) {
        for (int column = 2; column <= 4; ++column) EXPECT_EQ(grid.screening[row][column], kWhite);
    }
    EXPECT_EQ(grid.reliability[1][5], kWhite);
    EXPECT_EQ(grid.reliability[1][6], kWhite);
}

TEST(ReportSet, SlotIsEmptyExactlyWhenItsLastNameIs) {
    ReportSet set;
    EXPECT_FALSE(set.AnyPresent());
    set.Record(kParent).SetFirstName("Sam");
    EXPECT_TRUE(set.IsSlotEmpty(kParent));
    set.Record(kParent).SetLastName("Lee");
    EXPECT_FALSE(set.IsSlotEmpty(kParent));
    EXPECT_TRUE(set.IsSlotEmpty(kSelf));
    EXPECT_TRUE(set.AnyPresent());
    set.Reset();
    EXPECT_TRUE(set.IsSlotEmpty(kParent));
    EXPECT_FALSE(set.AnyPresent());
}

}  // namespace
}  // namespace orva
