// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include "screening/ComparisonPresentation.h"
#include "support/RecordBuilder.h"

namespace orva {
namespace {

using testing::MakeRecord;

ReporterAgreement Pair(int first, int second, std::optional<double> share, std::optional<double> r) {
    ReporterAgreement pair;
    pair.first = first;
    pair.second = second;
    pair.identicalShare = share;
    pair.pearsonR = r;
    return pair;
}

TEST(ComparisonAnswerText, IsTheDigitAndItsScaleWordOrNothingForABlank) {
    ReportSet set;
    set.Record(kSelf) = MakeRecord(kSelf, {{1, 0}, {2, 5}, {3, -1}});
    set.Record(kTeacher) = MakeRecord(kTeacher, {{1, 3}, {7, 4}});
    const ReporterComparison comparison = CompareReporters(set, ComputeAnalysis(set));
    const auto& items = comparison.items;
    EXPECT_EQ(ComparisonAnswerText(comparison, items[0], kSelf), "0 Never");
    EXPECT_EQ(ComparisonAnswerText(comparison, items[1], kSelf), "5 Very Often");
    EXPECT_EQ(ComparisonAnswerText(comparison, items[0], kTeacher), "3 Regularly");
    EXPECT_EQ(ComparisonAnswerText(comparison, items[2], kSelf), "");
    EXPECT_EQ(ComparisonAnswerText(comparison, items[6], kTeacher), "not asked of teachers");
    // An absent reporter says nothing, not even about the items teachers are not asked.
    EXPECT_EQ(ComparisonAnswerText(comparison, items[0], kParent), "");
    set.Record(kTeacher).Reset();
    const ReporterComparison withoutTeacher = CompareReporters(set, ComputeAnalysis(set));
    EXPECT_EQ(ComparisonAnswerText(withoutTeacher, withoutTeacher.items[6], kTeacher), "");
}

TEST(AgreementTexts, NameThePairAndRoundTheFigures) {
    EXPECT_EQ(ReporterPairText(Pair(kSelf, kTeacher, {}, {})), "Self and Teacher");
    EXPECT_EQ(ReporterPairText(Pair(kParent, kTeacher, {}, {})), "Parent and Teacher");
    EXPECT_EQ(IdenticalShareText(Pair(kSelf, kParent, 1.0 / 3, {})), "33%");
    EXPECT_EQ(IdenticalShareText(Pair(kSelf, kParent, 2.0 / 3, {})), "67%");
    EXPECT_EQ(IdenticalShareText(Pair(kSelf, kParent, 0.125, {})), "13%");
    EXPECT_EQ(IdenticalShareText(Pair(kSelf, kParent, 1.0, {})), "100%");
    EXPECT_EQ(PearsonText(Pair(kSelf, kParent, 1.0, 0.8660254037844386)), "0.87");
    EXPECT_EQ(PearsonText(Pair(kSelf, kParent, 1.0, -1.0)), "-1.00");
    EXPECT_EQ(PearsonText(Pair(kSelf, kParent, 1.0, -0.001)), "0.00");
}

TEST(AgreementTexts, WithoutAFigureShowTheDashes) {
    EXPECT_EQ(IdenticalShareText(Pair(kSelf, kParent, {}, {})), "---");
    EXPECT_EQ(PearsonText(Pair(kSelf, kParent, 0.5, {})), "---");
}

TEST(RowIdsText, JoinsTheIdsAsTheAnalysisNamesThem) {
    EXPECT_EQ(RowIdsText({DisorderId::ADHD_HI, DisorderId::ADHD_I, DisorderId::ADHD_C}),
              "ADHD_HI, ADHD_I, ADHD_C");
    EXPECT_EQ(RowIdsText({}), "");
}

}  // namespace
}  // namespace orva
