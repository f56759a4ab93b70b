#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <set>
#include <string>
#include <vector>

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

// Lower-cased words of a wording; the apostrophe (0x92 or ') stays inside a word.
std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalpha(u) || c == '\x92' || c == '\'') {
            word += static_cast<char>(std::tolower(u));
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

bool HasWord(const std::string& text, const std::string& word) {
    const std::vector<std::string> words = Words(text);
    return std::find(words.begin(), words.end(), word) != words.end();
}

TEST(ItemWordings, SelfWordingsAreFirstPersonSentences) {
    for (int item = 1; item <= 111; ++item) {
        const std::string self = kItemWordings[item - 1].self;
        ASSERT_FALSE(self.empty()) << item;
        EXPECT_TRUE(std::isupper(static_cast<unsigned char>(self[0]))) << item << ": " << self;
        EXPECT_EQ(self.back(), '.') << item << ": " << self;
        EXPECT_TRUE(HasWord(self, "i") || HasWord(self, "my") || HasWord(self, "me")) << item << ": " << self;
    }
}

TEST(ItemWordings, OtherWordingsCompleteTheLeadInWithoutAGenderedPronoun) {
    // The text follows "My child:" or "This student:", so it opens on the verb in the
    // third person singular ("is", "has", "seems", "worries"), in lower case, and is one
    // sentence. It speaks of the young person without "he or she".
    const std::set<std::string> gendered = {"he", "she", "him", "her", "his", "hers", "himself", "herself"};
    for (int item = 1; item <= 111; ++item) {
        const std::string other = kItemWordings[item - 1].other;
        ASSERT_FALSE(other.empty()) << item;
        EXPECT_TRUE(std::islower(static_cast<unsigned char>(other[0]))) << item << ": " << other;
        const std::string verb = Words(other).front();
        EXPECT_EQ(verb.back(), 's') << item << ": " << other;
        EXPECT_EQ(other.back(), '.') << item << ": " << other;
        EXPECT_EQ(other.find('.'), other.size() - 1) << item << ": " << other;
        for (const std::string& word : Words(other)) EXPECT_EQ(gendered.count(word), 0u) << item << ": " << other;
    }
}

TEST(ItemWordings, WordingsReadCleanlyBesideTheAnswerScale) {
    // The answer scale runs from "Never" to "Very Often", so an item that carries its own
    // frequency or opens on a negation reads as a contradiction or a double negative.
    // Allowed: the frequency that is the item's very content, and the fixed Self wordings
    // of repeated pairs 4 and 5 and of item 107.
    const std::vector<std::string> frequency = {"never", "always", "often", "usually", "a lot", "all the time"};
    const std::set<std::pair<int, std::string>> allowedFrequency = {{26, "never"}, {68, "always"}, {86, "a lot"}};
    const std::vector<std::string> negativeOpenings = {"I don\x92t", "I can\x92t", "I am not", "I do not", "I cannot",
                                                       "doesn\x92t", "can\x92t",  "is not",   "does not", "cannot",
                                                       "not"};
    const std::set<int> fixedNegativeSelf = {19, 65, 107};
    for (int item = 1; item <= 111; ++item) {
        for (const std::string text : {kItemWordings[item - 1].self, kItemWordings[item - 1].other}) {
            const std::vector<std::string> words = Words(text);
            std::string joined;
            for (const std::string& w : words) joined += " " + w + " ";
            for (const std::string& f : frequency) {
                if (allowedFrequency.count({item, f}) == 1) continue;
                EXPECT_EQ(joined.find(" " + f + " "), std::string::npos) << item << " says \"" << f << "\": " << text;
            }
            const bool isFixedSelf = text == kItemWordings[item - 1].self && fixedNegativeSelf.count(item) == 1;
            if (isFixedSelf) continue;
            for (const std::string& n : negativeOpenings) {
                EXPECT_NE(text.rfind(n + " ", 0), 0u) << item << ": " << text;
            }
        }
    }
}

TEST(ItemWordings, WordingsAreShortAndUseTypographicQuotes) {
    // An item is read at a glance beside its answer; 100 characters is about two lines.
    constexpr std::size_t kLongest = 100;
    for (int item = 1; item <= 111; ++item) {
        for (const std::string text : {kItemWordings[item - 1].self, kItemWordings[item - 1].other}) {
            EXPECT_LE(text.size(), kLongest) << item << ": " << text;
            EXPECT_EQ(text.find('"'), std::string::npos) << item << ": " << text;
            EXPECT_EQ(text.find("  "), std::string::npos) << item << ": " << text;
        }
    }
}

TEST(ItemCatalogue, AnswerScaleLabels) {
    const char* labels[] = {"Never", "Rarely", "Sometimes", "Regularly", "Often", "Very Often"};
    for (int v = 0; v <= 5; ++v) EXPECT_STREQ(ItemCatalogue::AnswerLabel(v), labels[v]);
    EXPECT_STREQ(ItemCatalogue::AnswerLabel(-1), "No Response");
}

}  // namespace
}  // namespace orva
