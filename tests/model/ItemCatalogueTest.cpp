#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>

#include "model/AssessmentRecord.h"
#include "model/ItemCatalogue.h"

namespace orva {
namespace {

constexpr const char* kExclusion = "(this item is not included in the ORVA Teacher-report)";

AssessmentRecord RecordFor(int reporter) {
    AssessmentRecord r;
    r.SetStoredReporter(reporter);
    return r;
}

TEST(ItemCatalogue, LeadInsPerReporter) {
    EXPECT_STREQ(RecordFor(kSelf).GetItemText(0), "");
    EXPECT_STREQ(RecordFor(kParent).GetItemText(0), "My child:");
    EXPECT_STREQ(RecordFor(kTeacher).GetItemText(0), "This student:");
    EXPECT_STREQ(RecordFor(kReporterNotSet).GetItemText(0), "");
}

TEST(ItemCatalogue, TeacherRowHoldsTheExclusionTextForExactlyTheTwentyItems) {
    const std::set<int> excluded = {7, 8, 16, 17, 18, 20, 22, 23, 28, 30, 33, 40, 41, 42, 48, 60, 63, 66, 98, 102};
    const AssessmentRecord teacher = RecordFor(kTeacher);
    const AssessmentRecord parent = RecordFor(kParent);
    int exclusions = 0;
    for (int item = 1; item <= 111; ++item) {
        const bool isExcluded = excluded.count(item) == 1;
        EXPECT_EQ(ItemCatalogue::InTeacherReport(item), !isExcluded) << item;
        if (isExcluded) {
            ++exclusions;
            EXPECT_STREQ(teacher.GetItemText(item), kExclusion) << item;
            EXPECT_STRNE(parent.GetItemText(item), kExclusion) << item;
        } else {
            EXPECT_STREQ(teacher.GetItemText(item), parent.GetItemText(item)) << item;
        }
    }
    EXPECT_EQ(exclusions, 20);
}

TEST(ItemCatalogue, EveryItemHasDistinctSelfAndOtherWordings) {
    std::set<std::string> selfTexts;
    std::set<std::string> otherTexts;
    for (int item = 1; item <= 111; ++item) {
        const std::string self = RecordFor(kSelf).GetItemText(item);
        const std::string other = RecordFor(kParent).GetItemText(item);
        ASSERT_FALSE(self.empty()) << item;
        ASSERT_FALSE(other.empty()) << item;
        EXPECT_NE(self, other) << item;
        EXPECT_EQ(self.back(), '.') << item;
        EXPECT_EQ(other.back(), '.') << item;
        // The other wording completes "My child:" and so starts in lower case.
        EXPECT_TRUE(other[0] >= 'a' && other[0] <= 'z') << item << ": " << other;
        selfTexts.insert(self);
        otherTexts.insert(other);
    }
    EXPECT_EQ(selfTexts.size(), 111u);
    EXPECT_EQ(otherTexts.size(), 111u);
}

TEST(ItemCatalogue, UnusedItemsAreEmptyForEveryReporter) {
    for (int reporter : {kSelf, kParent, kTeacher}) {
        const AssessmentRecord r = RecordFor(reporter);
        for (int item = 112; item <= 190; ++item) EXPECT_STREQ(r.GetItemText(item), "") << item;
        EXPECT_STREQ(r.GetItemText(191), "");
        EXPECT_STREQ(r.GetItemText(-1), "");
    }
}

TEST(ItemCatalogue, RepeatedPairsCarryTheFixedSelfWordings) {
    struct Fixed {
        int item;
        const char* text;
    };
    const Fixed fixed[] = {
        {57, "I get into arguments with adults."},
        {95, "I argue with adults."},
        {36, "I get tense muscles."},
        {14, "My muscles get tense."},
        {86, "I talk a lot."},
        {37, "People say that I talk too much."},
        {65, "I don\x92t have the energy to do things."},
        {27, "I feel tired or like I don\x92t have any energy to do things."},
        {19, "I don\x92t go to school or class when I don\x92t want to."},
        {59, "I 'skip' school."},
        {100, "I have trouble concentrating or making decisions."},
        {34, "I have difficulty concentrating or making decisions."},
        {49, "I am a messy writer."},
        {89, "I have trouble writing neatly."},
    };
    const AssessmentRecord self = RecordFor(kSelf);
    for (const Fixed& f : fixed) EXPECT_STREQ(self.GetItemText(f.item), f.text) << f.item;

    const auto& pairs = ItemCatalogue::RepeatedPairs();
    const int expected[7][2] = {{57, 95}, {36, 14}, {86, 37}, {65, 27}, {19, 59}, {100, 34}, {49, 89}};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(pairs[i].first, expected[i][0]);
        EXPECT_EQ(pairs[i].second, expected[i][1]);
    }
}

TEST(ItemCatalogue, WordingsAreWindows1252NotUtf8) {
    // A UTF-8 lead byte followed by a continuation byte would show as two odd characters.
    for (int reporter : {kSelf, kParent}) {
        const AssessmentRecord r = RecordFor(reporter);
        for (int item = 1; item <= 111; ++item) {
            const std::string text = r.GetItemText(item);
            for (std::size_t i = 0; i + 1 < text.size(); ++i) {
                const auto a = static_cast<unsigned char>(text[i]);
                const auto b = static_cast<unsigned char>(text[i + 1]);
                EXPECT_FALSE(a >= 0xC2 && a <= 0xF4 && b >= 0x80 && b <= 0xBF) << item << ": " << text;
            }
        }
    }
    // The typographic apostrophe of the fixed pairs is the single byte 0x92.
    EXPECT_NE(std::string(RecordFor(kSelf).GetItemText(65)).find('\x92'), std::string::npos);
}

TEST(ItemCatalogue, AnswerScaleLabels) {
    const char* labels[] = {"Never", "Rarely", "Sometimes", "Regularly", "Often", "Very Often"};
    for (int v = 0; v <= 5; ++v) EXPECT_STREQ(ItemCatalogue::AnswerLabel(v), labels[v]);
    EXPECT_STREQ(ItemCatalogue::AnswerLabel(-1), "No Response");
}

}  // namespace
}  // namespace orva
