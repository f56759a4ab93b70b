// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>

#include "model/Cp1252.h"
#include "store/RecordCodec.h"
#include "store/RecordRules.h"
#include "store/support/StoreTestSupport.h"
#include "support/RecordBuilder.h"

namespace orva {
namespace {

using testsupport::kSavedAt;
using testsupport::SampleRecord;

AssessmentRecord SoundRecord() {
    AssessmentRecord record = SampleRecord(5, kTeacher);  // born 2010-06-06, completed 2024-03-06
    record.SetStoredSaveDateTime(kSavedAt);               // 2024-05-17 09:30:15
    return record;
}

// The image of a sound record with one change and its checks made to match again: damage
// that the check byte and sum cannot see.
RecordImage Changed(const std::function<void(RecordImage&)>& change) {
    RecordImage image = BuildImage(SoundRecord());
    change(image);
    unsigned char xorByte = 0;
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < kImageCheckedBytes; ++i) {
        xorByte ^= image[i];
        sum += image[i];
    }
    image[kImageCheckByte] = xorByte;
    for (int i = 0; i < 4; ++i) image[kImageCheckSum + i] = static_cast<unsigned char>(sum >> (8 * i));
    return image;
}

void Put(RecordImage& image, std::size_t offset, const char* text) {
    std::memcpy(image.data() + offset, text, std::strlen(text));
}

struct RuleCase {
    const char* name;
    std::function<void(RecordImage&)> change;
};

void PrintTo(const RuleCase& c, std::ostream* os) {
    *os << c.name;
}

class BrokenRule : public ::testing::TestWithParam<RuleCase> {};

TEST_P(BrokenRule, RecordFailsToDecodeLikeAChecksumMismatch) {
    const RecordImage image = Changed(GetParam().change);
    ASSERT_TRUE(ImageChecksMatch(image));
    EXPECT_FALSE(FollowsRecordRules(image));
    SequenceRandomSource random({50});
    const StoredRecord stored = ScrambleImage(image, random);
    AssessmentRecord record = SampleRecord(9);
    const AssessmentRecord before = record;
    EXPECT_EQ(DecodeFromStorage(record, stored.data()), StoreError::ChecksumMismatch);
    EXPECT_TRUE(record.SameContent(before));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, BrokenRule,
    ::testing::Values(
        RuleCase{"BirthDateMissing",
                 [](RecordImage& i) { std::memset(i.data() + kImageBirthDate, 0x80, 8); }},
        RuleCase{"BirthDateCut", [](RecordImage& i) { i[kImageBirthDate + 7] = 0x80; }},
        RuleCase{"BirthDateLetter", [](RecordImage& i) { i[kImageBirthDate + 2] = 'O'; }},
        RuleCase{"BirthMonth13", [](RecordImage& i) { Put(i, kImageBirthDate + 4, "13"); }},
        RuleCase{"BirthFebruary30", [](RecordImage& i) { Put(i, kImageBirthDate + 4, "0230"); }},
        RuleCase{"BirthAfterCompletion", [](RecordImage& i) { Put(i, kImageBirthDate, "2024"); }},
        RuleCase{"CompletionInvalid", [](RecordImage& i) { Put(i, kImageCompletionDate + 6, "32"); }},
        RuleCase{"CompletionAfterSave", [](RecordImage& i) { Put(i, kImageCompletionDate + 4, "06"); }},
        RuleCase{"SaveBeforeCompletion", [](RecordImage& i) { Put(i, kImageSaveDateTime, "2023"); }},
        RuleCase{"SaveHour24", [](RecordImage& i) { Put(i, kImageSaveDateTime + 8, "24"); }},
        RuleCase{"SaveMinute60", [](RecordImage& i) { Put(i, kImageSaveDateTime + 10, "60"); }},
        RuleCase{"SaveNotDigits", [](RecordImage& i) { Put(i, kImageSaveDateTime + 12, "1-"); }},
        RuleCase{"GenderLowerCase", [](RecordImage& i) { i[kImageGender] = 'm'; }},
        RuleCase{"GenderNul", [](RecordImage& i) { i[kImageGender] = 0; }},
        RuleCase{"ReporterNotSet", [](RecordImage& i) { i[kImageReporter] = 'U'; }},
        RuleCase{"ReporterOther", [](RecordImage& i) { i[kImageReporter] = 'Q'; }},
        RuleCase{"DataEntryOther", [](RecordImage& i) { i[kImageDataEntry] = '2'; }},
        RuleCase{"AnswerSix", [](RecordImage& i) { i[kImageResponses] = 0x36; }},
        RuleCase{"AnswerNine", [](RecordImage& i) { i[kImageResponses + 94] = 0x9F; }},
        RuleCase{"ControlInName", [](RecordImage& i) { i[kImageFirstName + 1] = 0x1B; }},
        RuleCase{"LineBreakInName", [](RecordImage& i) { i[kImageLastName + 1] = '\n'; }},
        RuleCase{"LineBreakInSchool", [](RecordImage& i) { i[kImageSchool] = '\r'; }},
        RuleCase{"DeleteInTown", [](RecordImage& i) { i[kImageTown] = 0x7F; }},
        RuleCase{"UndefinedByteAfterName", [](RecordImage& i) { i[kImageFirstName + 6] = 0x81; }},
        RuleCase{"ControlInComment", [](RecordImage& i) { i[kImageObserverComment + 3] = 0x01; }},
        RuleCase{"NulInName", [](RecordImage& i) { i[kImageFirstName + 2] = 0; }},
        RuleCase{"NulInState", [](RecordImage& i) { i[kImageState] = 0; }},
        RuleCase{"FillerChanged", [](RecordImage& i) { i[kImageFiller + 20] = 0x81; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FollowsRecordRules, AcceptsEveryKindOfRecordOrvaWrites) {
    for (int seed = 0; seed < 12; ++seed) {
        AssessmentRecord record = SampleRecord(seed, seed % 3);  // every gender, reporter and entry
        EncodeForStorage(record, FixedClock(kSavedAt));
        EXPECT_TRUE(FollowsRecordRules(BuildImage(record))) << seed;
    }
    // What an import can hold: no completion date, every answer blank, gender U; birth and
    // save on one day.
    const AssessmentRecord imported = testsupport::RecordBuilder(kSelf)
                                          .Names("A", "B")
                                          .Born(2024, 5, 17)
                                          .AnswerEveryItem(-1)
                                          .SavedAt({2024, 5, 17, 0, 0, 0});
    EXPECT_TRUE(FollowsRecordRules(BuildImage(imported)));
    // Completion on the day of birth and of saving, answers never set.
    AssessmentRecord sameDay =
        testsupport::RecordBuilder(SoundRecord()).Born(2024, 5, 17).Completed(2024, 5, 17);
    for (int item = 1; item < kResponseSlots; ++item) sameDay.SetHeldResponse(item, kHeldNeverSet);
    sameDay.SetStoredSaveDateTime({2024, 5, 17, 23, 59, 59});
    EXPECT_TRUE(FollowsRecordRules(BuildImage(sameDay)));
}

TEST(FollowsRecordRules, AcceptsTabsEverywhereLineBreaksInTheMultiLineBoxesAndTextAfterAEuroSign) {
    AssessmentRecord record = SoundRecord();
    record.SetFirstName("Ann\tMarie");
    record.SetObserverContact("12 High St\r\nTown");
    record.SetObserverComment("one\r\ntwo\nthree");
    record.SetLastName(
        "Lee\x80"
        "hidden");           // the questionnaire keeps the bytes, reading cuts them
    record.SetState("ABC");  // full width: no pad follows
    EXPECT_TRUE(FollowsRecordRules(BuildImage(record)));
}

// What a change of one image byte that passed every check can be: one value put for another
// of the same kind, which nothing can tell from a real entry.
enum class Substitution { TextLetter, Answer, DateDigit, Code, Other };

Substitution KindOf(std::size_t offset, unsigned char was, unsigned char is) {
    const auto inField = [offset](std::size_t start, std::size_t width) {
        return offset >= start && offset < start + width;
    };
    const auto printable = [](unsigned char byte) {
        return byte != kTextPad && !Cp1252::IsControl(static_cast<char>(byte));
    };
    const auto digit = [](unsigned char byte) { return byte >= '0' && byte <= '9'; };
    if (inField(kImageBirthDate, 8) || inField(kImageCompletionDate, 8) || inField(kImageSaveDateTime, 14)) {
        return digit(was) && digit(is) ? Substitution::DateDigit : Substitution::Other;
    }
    if (inField(kImageResponses, kImageResponseBytes)) return Substitution::Answer;
    if (offset == kImageGender || offset == kImageReporter || offset == kImageDataEntry)
        return Substitution::Code;
    for (int f = 0; f < kTextFieldCount; ++f) {
        const auto field = static_cast<TextField>(f);
        if (field != TextField::SaveDateTime && inField(ImageOffset(field), MaxLength(field))) {
            return printable(was) && printable(is) ? Substitution::TextLetter : Substitution::Other;
        }
    }
    return Substitution::Other;
}

// Every single-byte change of stored records, with three masks. What the check byte and sum
// let through and changes what the record shows, the rules must catch, unless it puts one
// value for another of the same kind (a letter of a free text, an answer, a date digit), which
// nothing can tell from a real entry. Changes that show nothing (the filler byte of a block,
// bytes after a text's end) are left alone.
TEST(FollowsRecordRules, SingleByteDamageThatPassesTheChecksumsIsCaughtUnlessValueForValue) {
    int passedChecks = 0;
    int hidden = 0;
    int caughtByRules = 0;
    int valueForValue = 0;
    int kinds[5] = {};
    for (int seed = 0; seed < 12; ++seed) {
        AssessmentRecord original = SampleRecord(seed, seed % 3);
        SequenceRandomSource random({35, 64, 99});
        const StoredRecord stored = EncodeForStorage(original, FixedClock(kSavedAt), random);
        const RecordImage shown = BuildImage(original);
        for (std::size_t offset = 0; offset < kStoredRecordSize; ++offset) {
            for (unsigned char mask : {0x01, 0x24, 0xFF}) {
                StoredRecord damaged = stored;
                damaged[offset] ^= mask;
                RecordImage image{};
                if (!UnscrambleImage(damaged.data(), image) || !ImageChecksMatch(image)) continue;
                ++passedChecks;
                AssessmentRecord decoded;
                ApplyImage(decoded, image);
                // The record as it reads, in the form it is written: hidden bytes drop out.
                const RecordImage now = BuildImage(decoded);
                if (now == shown && image[kImageDataEntry] == shown[kImageDataEntry] &&
                    std::equal(image.begin() + kImageFiller, image.begin() + kImageCheckByte,
                               shown.begin() + kImageFiller)) {
                    ++hidden;
                    continue;
                }
                if (!DecodeFromStorage(decoded, damaged.data())) {
                    ++caughtByRules;
                    continue;
                }
                ++valueForValue;
                for (std::size_t i = 0; i < kImageCheckedBytes; ++i) {
                    if (now[i] == shown[i]) continue;
                    const Substitution kind = KindOf(i, shown[i], now[i]);
                    ++kinds[static_cast<int>(kind)];
                    EXPECT_NE(kind, Substitution::Other)
                        << "stored offset " << offset << " mask " << int(mask) << " changed image byte " << i
                        << " from " << int(shown[i]) << " to " << int(now[i]);
                }
            }
        }
    }
    EXPECT_GT(caughtByRules, 0);
    std::printf(
        "single-byte damage past the checksums: %d; showing nothing (block filler, bytes after a "
        "text's end): %d; caught by the rules: %d; passed, value for value: %d (bytes changed: %d text "
        "letters, %d answer bytes, %d date digits, %d codes)\n",
        passedChecks, hidden, caughtByRules, valueForValue, kinds[0], kinds[1], kinds[2], kinds[3]);
}

}  // namespace
}  // namespace orva
