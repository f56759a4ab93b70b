// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "screening/AnalysisSelection.h"
#include "model/AssessmentRecord.h"

namespace orva {
namespace {

struct SelectionCase {
    const char* name;
    std::vector<SelectedRecord> selected;
    std::array<int, 3> positions;
    std::string caption;  // empty when accepted
};

void PrintTo(const SelectionCase& c, std::ostream* os) { *os << c.name; }

const std::vector<SelectionCase> kCases = {
    {"NoneSelected", {}, {-1, -1, -1}, "No Selection"},
    {"OneOfEach", {{kTeacher, 7}, {kSelf, 2}, {kParent, 0}}, {2, 0, 7}, ""},
    {"SelfOnly", {{kSelf, 4}}, {4, -1, -1}, ""},
    {"PositionZeroTwiceIsOneOfEachReporter", {{kSelf, 0}, {kParent, 0}}, {0, 0, -1}, ""},
    {"FourSelected", {{kSelf, 1}, {kParent, 2}, {kTeacher, 3}, {kTeacher, 4}}, {-1, -1, -1}, "Too Many Selections"},
    {"TwoSelf", {{kSelf, 1}, {kParent, 2}, {kSelf, 3}}, {-1, -1, -1}, "Multiple Self Assessments"},
    {"TwoParent", {{kParent, 1}, {kParent, 2}}, {-1, -1, -1}, "Multiple Parent Assessments"},
    {"TwoTeacher", {{kTeacher, 1}, {kTeacher, 2}}, {-1, -1, -1}, "Multiple Teacher Assessments"},
    // A record without a reporter is listed as "Self Assessment" and goes with the Self reports.
    {"UnsetReporterCountsAsSelf", {{kReporterNotSet, 1}, {kSelf, 2}}, {-1, -1, -1}, "Multiple Self Assessments"},
    {"UnsetReporterBesideTeacher", {{kReporterNotSet, 1}, {kTeacher, 2}}, {1, -1, 2}, ""},
};

class Selection : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(Selection, ClassifiesByReporterOrRefuses) {
    const SelectionCase& c = GetParam();
    const AnalysisSelection result = ClassifyAnalysisSelection(c.selected);
    EXPECT_EQ(result.positions, c.positions);
    if (c.caption.empty()) {
        EXPECT_FALSE(result.refusal.has_value());
    } else {
        ASSERT_TRUE(result.refusal.has_value());
        EXPECT_EQ(result.refusal->caption, c.caption);
        EXPECT_EQ(result.refusal->icon, MessageIcon::Stop);
    }
}

INSTANTIATE_TEST_SUITE_P(Choices, Selection, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ClassifyAnalysisSelection, RefusalsAreWordedExactly) {
    const std::string oneOfEach =
        "You are limited to select at most one of each of\n\nSelf Assessment, Parent Assessment and Teacher "
        "Assessment.";
    const std::vector<std::pair<std::vector<SelectedRecord>, std::string>> cases = {
        {{},
         "You have not made a selection.\n\nEnter the name, date of birth and file to search\nthen click the "
         "'Load/Reload Matching ORVA Records' button.\n\nIf any matching records have been found you can\nthen "
         "select one from the list."},
        {{{kSelf, 0}, {kParent, 1}, {kTeacher, 2}, {kSelf, 3}},
         "You are limited to select at most three assessments.\n\nPlease select at most one of each of\n\n"
         "Self Assessment, Parent Assessment and Teacher Assessment."},
        {{{kSelf, 0}, {kSelf, 1}}, "You have selected more than one Self Assessment.\n\n" + oneOfEach},
        {{{kParent, 0}, {kParent, 1}}, "You have selected more than one Parent Assessment.\n\n" + oneOfEach},
        {{{kTeacher, 0}, {kTeacher, 1}},
         "You have selected more than one Teacher Assessment.\n\n" + oneOfEach},
    };
    for (const auto& [selected, text] : cases) {
        const AnalysisSelection result = ClassifyAnalysisSelection(selected);
        ASSERT_TRUE(result.refusal.has_value());
        EXPECT_EQ(result.refusal->text, text) << result.refusal->caption;
    }
}

TEST(AnalysisSlotFor, ClassifiesReporterCodesAsTheListLabelsThem) {
    EXPECT_EQ(AnalysisSlotFor(kSelf), kSelf);
    EXPECT_EQ(AnalysisSlotFor(kParent), kParent);
    EXPECT_EQ(AnalysisSlotFor(kTeacher), kTeacher);
    EXPECT_EQ(AnalysisSlotFor(kReporterNotSet), kSelf);
    EXPECT_EQ(AnalysisSlotFor(7), kSelf);
}

}  // namespace
}  // namespace orva
