// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include "screening/DisorderId.h"
#include "reports/RtfReportTexts.h"
#include "reports/support/ReportsTestSupport.h"
#include "support/RecordBuilder.h"

namespace orva {
namespace {

using reports_test::PersonRecord;

const ReportRowTexts& Row(const RtfReportTexts& texts, DisorderId id) {
    return texts.rows[RowIndex(id)];
}

TEST(PrepareRtfReportTexts, TeacherOnlyAnalysisLeavesSelfAndParentCellsEmpty) {
    const RtfReportTexts texts = PrepareRtfReportTexts(reports_test::TeacherOnlyAnalysis());
    for (const ReportRowTexts& row : texts.rows) {
        for (int line = 0; line < kMaxCounts; ++line) {
            EXPECT_EQ(row.values[kSelf][line], "");
            EXPECT_EQ(row.values[kParent][line], "");
        }
    }
    EXPECT_EQ(Row(texts, DisorderId::GAD).values[kTeacher][0], "1");
    EXPECT_EQ(Row(texts, DisorderId::GAD).values[kTeacher][1], "3");
    EXPECT_EQ(Row(texts, DisorderId::GAD).values[kTeacher][2], "");
    EXPECT_EQ(Row(texts, DisorderId::GAD).cutoffAttained, "YES");
    EXPECT_EQ(Row(texts, DisorderId::GAD).itemsMet, "<14, 27, 87, 103>");
    EXPECT_EQ(texts.person.parentName, "");
    EXPECT_EQ(texts.person.teacherName, "Ms Park");
    EXPECT_EQ(texts.omega[kSelf], "");
    EXPECT_EQ(texts.omega[kParent], "");
    EXPECT_NE(texts.omega[kTeacher], "");
}

TEST(PrepareRtfReportTexts, TeacherCellsOfTheThreeRowsNotInTheTeacherReportSayNotAssessed) {
    for (const ReportSet& set : {reports_test::TeacherOnlyAnalysis(), reports_test::FullAnalysis()}) {
        const RtfReportTexts texts = PrepareRtfReportTexts(set);
        for (DisorderId id : {DisorderId::SAD, DisorderId::AN, DisorderId::BN}) {
            EXPECT_EQ(Row(texts, id).values[kTeacher][0], "Not Assessed in the TRF");
        }
        EXPECT_EQ(Row(texts, DisorderId::OCD).values[kTeacher][0], "0");
    }
}

TEST(PrepareRtfReportTexts, ItemsMetTakeTheBracketsOfTheirReporterAndOnlyPositiveLists) {
    const RtfReportTexts texts = PrepareRtfReportTexts(reports_test::FullAnalysis());
    // GAD: Self and Teacher positive, the Parent's endorsed item 14 is not listed.
    EXPECT_EQ(Row(texts, DisorderId::GAD).itemsMet, "[1, 14, 23, 27]; <14, 27, 87, 103>");
    EXPECT_EQ(Row(texts, DisorderId::CD).itemsMet, "[4, 15, 83]; (4, 15, 83)");
    EXPECT_EQ(Row(texts, DisorderId::CD).cutoffAttained, "YES");
    EXPECT_EQ(Row(texts, DisorderId::OCD).itemsMet, "");
    EXPECT_EQ(Row(texts, DisorderId::OCD).cutoffAttained, "NO");
}

TEST(PrepareRtfReportTexts, RowPositiveOnlyForTheParentShowsYesAndRoundBrackets) {
    ReportSet set;
    set.Record(kSelf) = PersonRecord(kSelf, "Ann", "Lee");
    set.Record(kParent) = PersonRecord(kParent, "Ann", "Lee", {{4, 3}, {15, 2}, {83, 5}});
    const RtfReportTexts texts = PrepareRtfReportTexts(set);
    EXPECT_EQ(Row(texts, DisorderId::CD).values[kParent][0], "3");
    EXPECT_EQ(Row(texts, DisorderId::CD).values[kSelf][0], "0");
    EXPECT_EQ(Row(texts, DisorderId::CD).cutoffAttained, "YES");
    EXPECT_EQ(Row(texts, DisorderId::CD).itemsMet, "(4, 15, 83)");
}

TEST(PrepareRtfReportTexts, CountRowHoldsEachReportersPositiveScreensAndNothingElse) {
    const RtfReportTexts texts = PrepareRtfReportTexts(reports_test::FullAnalysis());
    const ReportRowTexts& count = texts.rows[kPositiveScreensRow];
    EXPECT_EQ(count.values[kSelf][0], "2");
    EXPECT_EQ(count.values[kParent][0], "1");
    EXPECT_EQ(count.values[kTeacher][0], "1");
    EXPECT_EQ(count.cutoffAttained, "");
    EXPECT_EQ(count.itemsMet, "");
}

TEST(PrepareRtfReportTexts, OmegaTextsAndReliabilityComeFromEachPresentReport) {
    const RtfReportTexts texts = PrepareRtfReportTexts(reports_test::FullAnalysis());
    EXPECT_EQ(texts.omega[kSelf], " 0.54");
    EXPECT_EQ(texts.reliabilityAttained, "YES");
    EXPECT_EQ(
        texts.reliabilityComment,
        "The Self-report was above the Omega cutoff.   The Parent-report was above the Omega cutoff.   The "
        "Teacher-report was above the Omega cutoff.");
}

TEST(PrepareRtfReportTexts, PersonTextsAndCommentsAreEscapedForRtf) {
    const RtfReportTexts texts = PrepareRtfReportTexts(reports_test::FullAnalysis());
    EXPECT_EQ(texts.person.name, "Zo\xEB O'Brien \\{Jr\\}");
    EXPECT_EQ(texts.person.comments[kSelf], "[Self: Feels C:\\\\worried\\\\ most days]");
    EXPECT_EQ(texts.person.comments[kParent], "(Parent: Sleeps badly, \\{often\\} late)");
    EXPECT_EQ(texts.person.comments[kTeacher], "\\{No additional 'Teacher-Report' comments were supplied\\}");
}

TEST(PrepareRtfReportTexts, EveryTextFitsTheCapacityOfItsField) {
    // The longest texts the fields can give: every text field full of backslashes, every item endorsed.
    ReportSet set;
    for (int slot : {kSelf, kParent, kTeacher}) {
        AssessmentRecord& record = set.Record(slot);
        record = PersonRecord(slot, std::string(20, '\\'), std::string(20, '{'));
        for (TextField field :
             {TextField::StreetAddress, TextField::Town, TextField::State, TextField::Postcode,
              TextField::Country, TextField::Phone, TextField::Phone2, TextField::ObserverName,
              TextField::ObserverComment, TextField::SchoolYear, TextField::School}) {
            record.SetText(field, std::string(200, '}'));
        }
        record = testsupport::RecordBuilder(record).AnswerEveryItem(5);
    }
    const RtfReportTexts texts = PrepareRtfReportTexts(set);
    for (const ReportRowTexts& row : texts.rows) {
        for (int slot = 0; slot < kReportSlots; ++slot) {
            for (const std::string& value : row.values[slot])
                EXPECT_LE(value.size(), slot == kTeacher ? 29u : 5u);
        }
        EXPECT_LE(row.cutoffAttained.size(), 4u);
        EXPECT_LE(row.itemsMet.size(), 299u);
    }
    for (const std::string& line : texts.person.addressLines) EXPECT_LE(line.size(), 99u);
    for (const std::string& line : texts.person.phoneLines) EXPECT_LE(line.size(), 99u);
    for (const std::string& comment : texts.person.comments) EXPECT_LE(comment.size(), 599u);
    EXPECT_LE(texts.person.name.size(), 299u);
    EXPECT_LE(texts.reliabilityComment.size(), 299u);
}

TEST(PrepareRtfReportTexts, WithoutAnyReportTheTableCellsAreEmpty) {
    const RtfReportTexts texts = PrepareRtfReportTexts(ReportSet());
    for (const ReportRowTexts& row : texts.rows) EXPECT_EQ(row, ReportRowTexts{});
    EXPECT_EQ(texts.reliabilityAttained, "");
}

}  // namespace
}  // namespace orva
