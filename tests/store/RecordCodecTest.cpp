// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "store/BlockScrambler.h"
#include "store/RecordCodec.h"
#include "store/support/StoreTestSupport.h"
#include "support/RecordBuilder.h"

namespace orva {
namespace {

using testsupport::Encode;
using testsupport::kSavedAt;
using testsupport::SampleRecord;

RecordImage ImageOf(const StoredRecord& stored) {
    RecordImage image{};
    EXPECT_TRUE(UnscrambleImage(stored.data(), image));
    return image;
}

void ExpectSameStoredFields(const AssessmentRecord& a, const AssessmentRecord& b) {
    for (int f = 0; f < kTextFieldCount; ++f) {
        EXPECT_EQ(a.GetText(static_cast<TextField>(f)), b.GetText(static_cast<TextField>(f)))
            << "field " << f;
    }
    EXPECT_EQ(a.GetGender(), b.GetGender());
    EXPECT_EQ(a.GetReporter(), b.GetReporter());
    EXPECT_EQ(a.GetDataEntry(), b.GetDataEntry());
    for (int item = 1; item < kResponseSlots; ++item) {
        EXPECT_EQ(a.GetResponse(item), b.GetResponse(item)) << "item " << item;
    }
}

TEST(RecordCodec, EveryFieldRoundTripsIncludingAccentedLetters) {
    for (int reporter : {kSelf, kParent, kTeacher}) {
        AssessmentRecord original = SampleRecord(3 + reporter, reporter);
        DefaultRandomSource random;
        const StoredRecord stored = EncodeForStorage(original, FixedClock(kSavedAt), random);
        AssessmentRecord decoded;
        ASSERT_TRUE(DecodeFromStorage(decoded, stored.data()).Ok());
        ExpectSameStoredFields(original, decoded);
        EXPECT_EQ(decoded.GetFirstName(),
                  "Ren\xE9"
                  "e" +
                      std::to_string(3 + reporter));
        for (int item = 1; item < kResponseSlots; ++item) {
            const int held = original.GetHeldResponse(item);
            EXPECT_EQ(decoded.GetHeldResponse(item), held < 0 ? 15 : held) << "item " << item;
        }
    }
}

TEST(RecordCodec, EncodeStampsTheSaveDateTime) {
    AssessmentRecord record = SampleRecord(1);
    EncodeForStorage(record, FixedClock({2023, 12, 31, 23, 59, 58}));
    EXPECT_EQ(record.GetText(TextField::SaveDateTime), "20231231235958");
    const RecordImage image = BuildImage(record);
    EXPECT_EQ(std::memcmp(image.data() + kImageSaveDateTime, "20231231235958", 14), 0);
}

TEST(RecordCodec, FullWidthTextsHaveNoPadding) {
    AssessmentRecord record;
    record.SetFirstName("ABCDEFGHIJKLMNOPQRSTUVWXYZ");  // cut to 20
    const RecordImage image = BuildImage(record);
    EXPECT_EQ(std::memcmp(image.data(), "ABCDEFGHIJKLMNOPQRST", 20), 0);
    EXPECT_EQ(image[kImageLastName], kTextPad);
}

TEST(RecordCodec, EmptyRecordStoresPaddingAndNotSetCodes) {
    AssessmentRecord record;
    const RecordImage image = BuildImage(record);
    const std::pair<std::size_t, std::size_t> texts[] = {{0, 209}, {223, 531}, {629, 661}};
    for (auto [from, to] : texts) {
        for (std::size_t i = from; i < to; ++i) EXPECT_EQ(image[i], kTextPad) << "offset " << i;
    }
    EXPECT_EQ(image[kImageGender], 'U');
    EXPECT_EQ(image[kImageReporter], 'U');
    EXPECT_EQ(image[kImageResponses], 0xFF);
    EXPECT_EQ(image[kImageDataEntry], '0');
    for (std::size_t i = kImageFiller; i < kImageCheckByte; ++i) EXPECT_EQ(image[i], 0x80);
    EXPECT_TRUE(ImageChecksMatch(image));
}

// The offsets are written out as numbers: they are the file format, so a mix-up in the
// format's named constants must not be able to pass unnoticed.
TEST(RecordCodec, EveryFieldSitsAtItsOffsetInTheImage) {
    struct Place {
        TextField field;
        std::size_t offset;
        std::size_t width;
    };
    const Place places[] = {
        {TextField::FirstName, 0, 20},
        {TextField::LastName, 20, 20},
        {TextField::StreetAddress, 40, 40},
        {TextField::Town, 80, 20},
        {TextField::State, 100, 3},
        {TextField::Postcode, 103, 10},
        {TextField::Phone, 113, 14},
        {TextField::Phone2, 127, 14},
        {TextField::Country, 141, 20},
        {TextField::Email, 161, 40},
        {TextField::BirthDate, 201, 8},
        {TextField::CompletionDate, 223, 8},
        {TextField::ObserverName, 231, 20},
        {TextField::ObserverRelationship, 251, 20},
        {TextField::ObserverContact, 271, 60},
        {TextField::ObserverComment, 331, 200},
        {TextField::SchoolYear, 629, 2},
        {TextField::School, 631, 30},
    };
    AssessmentRecord record;
    char letter = 'A';
    for (const Place& p : places) record.SetText(p.field, std::string(p.width - 1, letter++));
    record = testsupport::RecordBuilder(record)
                 .Gender('F')
                 .Reporter(kTeacher)
                 .OnPaper()
                 .Answers({{1, 1}, {2, 2}, {189, 4}, {190, 0}})
                 .SavedAt({2019, 8, 7, 6, 5, 4});

    const RecordImage image = BuildImage(record);
    letter = 'A';
    for (const Place& p : places) {
        for (std::size_t i = p.offset; i < p.offset + p.width - 1; ++i)
            EXPECT_EQ(image[i], letter) << "offset " << i;
        EXPECT_EQ(image[p.offset + p.width - 1], 0x80) << "offset " << p.offset + p.width - 1;
        ++letter;
    }
    EXPECT_EQ(std::memcmp(image.data() + 209, "20190807060504", 14), 0);
    EXPECT_EQ(image[531], 'F');
    EXPECT_EQ(image[532], 'T');
    EXPECT_EQ(image[533], 0x21);
    EXPECT_EQ(image[627], 0x04);
    EXPECT_EQ(image[628], '1');
}

TEST(RecordCodec, ResponsesPackTwoItemsPerByteLowItemFirst) {
    const AssessmentRecord record =
        testsupport::RecordBuilder(AssessmentRecord()).Reporter(kSelf).Answers({{1, 3}, {2, 5}, {3, -1}});
    const RecordImage image = BuildImage(record);
    EXPECT_EQ(image[kImageResponses], 0x53);
    EXPECT_EQ(image[kImageResponses + 1], 0xF7);  // item 3 blank, item 4 never set
    EXPECT_EQ(image[kImageResponses + 94], 0xFF);
}

TEST(RecordCodec, ChecksAreXorAndLittleEndianSum) {
    const RecordImage image = BuildImage(SampleRecord(2));
    unsigned x = 0;
    unsigned long sum = 0;
    for (std::size_t i = 0; i < kImageCheckedBytes; ++i) {
        x ^= image[i];
        sum += image[i];
    }
    EXPECT_EQ(image[kImageCheckByte], x);
    EXPECT_EQ(
        image[716] | (image[717] << 8) | (image[718] << 16) | (static_cast<unsigned long>(image[719]) << 24),
        sum);
}

TEST(RecordCodec, EachBlockCarriesItsSliceAndAFillerFromTheRandomSource) {
    AssessmentRecord record = SampleRecord(5);
    SequenceRandomSource random({32, 50, 110, 7, 200});
    const StoredRecord stored = EncodeForStorage(record, FixedClock(kSavedAt), random);
    const RecordImage image = BuildImage(record);
    const int expectedFiller[] = {32, 50, 110, 32, 110, 32, 50, 110, 32};  // clamped into 32..110
    for (int b = 0; b < kBlockCount; ++b) {
        std::array<unsigned char, kPlainBlockSize> plain{};
        ASSERT_TRUE(BlockScrambler::Unscramble(stored.data() + kStoredBlockSize * b, plain.data()));
        EXPECT_EQ(std::memcmp(plain.data(), image.data() + kSliceSize * b, kSliceSize), 0);
        EXPECT_EQ(plain[80], expectedFiller[b]);
    }
}

TEST(RecordCodec, DefaultFillerBytesArePrintableCodesFrom32To110) {
    AssessmentRecord record = SampleRecord(5);
    DefaultRandomSource random;
    std::array<int, 256> seen{};
    for (int round = 0; round < 50; ++round) {
        const StoredRecord stored = EncodeForStorage(record, FixedClock(kSavedAt), random);
        for (int b = 0; b < kBlockCount; ++b) {
            std::array<unsigned char, kPlainBlockSize> plain{};
            ASSERT_TRUE(BlockScrambler::Unscramble(stored.data() + kStoredBlockSize * b, plain.data()));
            ++seen[plain[80]];
        }
    }
    for (int v = 0; v < 256; ++v) {
        if (v < 32 || v > 110) {
            EXPECT_EQ(seen[v], 0) << v;
        }
    }
    EXPECT_GT(std::count_if(seen.begin(), seen.end(), [](int n) { return n > 0; }), 40);
}

TEST(RecordCodec, ChangingAnyCheckedByteMakesTheRecordFail) {
    const StoredRecord stored = Encode(SampleRecord(4));
    const RecordImage image = ImageOf(stored);
    SequenceRandomSource random({60});
    for (std::size_t i = 0; i < kImageCheckedBytes; ++i) {
        RecordImage changed = image;
        changed[i] ^= static_cast<unsigned char>(1 + i % 255);
        const StoredRecord bad = ScrambleImage(changed, random);
        AssessmentRecord record;
        ASSERT_EQ(DecodeFromStorage(record, bad.data()), StoreError::ChecksumMismatch) << "offset " << i;
    }
}

TEST(RecordCodec, FailedDecodeLeavesTheRecordUnchanged) {
    StoredRecord stored = Encode(SampleRecord(6));
    stored[1000] ^= 0x01;
    AssessmentRecord record = SampleRecord(9, kTeacher);
    const AssessmentRecord before = record;
    EXPECT_EQ(DecodeFromStorage(record, stored.data()), StoreError::ChecksumMismatch);
    ExpectSameStoredFields(record, before);
}

TEST(RecordCodec, DecodeReplacesEveryStoredFieldOfTheRecord) {
    // As little as a sound record holds: a birth date and a reporter.
    const AssessmentRecord bare = testsupport::RecordBuilder(AssessmentRecord()).Born(2012, 1, 1).Reporter(kSelf);
    const StoredRecord stored = Encode(bare);
    AssessmentRecord record = SampleRecord(7, kTeacher);
    ASSERT_TRUE(DecodeFromStorage(record, stored.data()).Ok());
    EXPECT_EQ(record.GetFirstName(), "");
    EXPECT_EQ(record.GetSchool(), "");
    EXPECT_EQ(record.GetText(TextField::CompletionDate), "");
    EXPECT_EQ(record.GetGender(), 'U');
    EXPECT_EQ(record.GetReporter(), kSelf);
    EXPECT_EQ(record.GetDataEntry(), kOnScreen);
    for (int item = 1; item < kResponseSlots; ++item) EXPECT_EQ(record.GetHeldResponse(item), 15);
}

TEST(RecordCodec, EncodingTwiceDiffersButDecodesToTheSameFields) {
    AssessmentRecord record = SampleRecord(8);
    DefaultRandomSource random;
    const StoredRecord first = EncodeForStorage(record, FixedClock(kSavedAt), random);
    const StoredRecord second = EncodeForStorage(record, FixedClock({2024, 5, 17, 9, 30, 16}), random);
    EXPECT_NE(first, second);
    AssessmentRecord a;
    AssessmentRecord b;
    ASSERT_TRUE(DecodeFromStorage(a, first.data()).Ok());
    ASSERT_TRUE(DecodeFromStorage(b, second.data()).Ok());
    EXPECT_TRUE(a.SameContent(b));
    EXPECT_EQ(a.GetText(TextField::SaveDateTime), "20240517093015");
    EXPECT_EQ(b.GetText(TextField::SaveDateTime), "20240517093016");
}

// The image carries any byte; which ones a sound record may hold is for FollowsRecordRules.
TEST(RecordCodec, EveryByteButNulAndEuroSurvivesInTexts) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        if (b != 0x80) all += static_cast<char>(b);
    }
    AssessmentRecord record;
    for (int f = 0; f < kTextFieldCount; ++f) {
        const auto field = static_cast<TextField>(f);
        if (field != TextField::SaveDateTime) record.SetText(field, all.substr((f * 13) % all.size()));
    }
    DefaultRandomSource random;
    const auto carried = [&random](AssessmentRecord& original) {
        const StoredRecord stored = EncodeForStorage(original, FixedClock(kSavedAt), random);
        const RecordImage image = ImageOf(stored);
        EXPECT_TRUE(ImageChecksMatch(image));
        AssessmentRecord decoded;
        ApplyImage(decoded, image);
        return decoded;
    };
    AssessmentRecord decoded = carried(record);
    for (int f = 0; f < kTextFieldCount; ++f) {
        const auto field = static_cast<TextField>(f);
        EXPECT_EQ(decoded.GetText(field), record.GetText(field)) << "field " << f;
    }
    std::string comment;
    for (int round = 0; round < 2; ++round) {
        for (int b = 0x81; b < 256; ++b) comment += static_cast<char>(b);
    }
    record.SetObserverComment(comment);
    EXPECT_EQ(carried(record).GetObserverComment(), comment.substr(0, 200));
}

TEST(RecordCodec, EuroSignEndsTheTextOnReading) {
    AssessmentRecord record = SampleRecord(2);
    record.SetFirstName(
        "Ann\x80"
        "e");
    AssessmentRecord decoded;
    ASSERT_TRUE(DecodeFromStorage(decoded, Encode(record).data()).Ok());
    EXPECT_EQ(decoded.GetFirstName(), "Ann");
}

struct CodeCase {
    const char* name;
    unsigned char stored;
    int reporter;
};

void PrintTo(const CodeCase& c, std::ostream* os) { *os << c.name; }

class ReporterOnReading : public ::testing::TestWithParam<CodeCase> {};

TEST_P(ReporterOnReading, MapsTheStoredLetter) {
    RecordImage image = BuildImage(SampleRecord(1));
    image[kImageReporter] = GetParam().stored;
    AssessmentRecord probe;
    ApplyImage(probe, image);
    EXPECT_EQ(probe.GetReporter(), GetParam().reporter);
}

INSTANTIATE_TEST_SUITE_P(Letters, ReporterOnReading,
                         ::testing::Values(CodeCase{"S", 'S', kSelf}, CodeCase{"P", 'P', kParent},
                                           CodeCase{"T", 'T', kTeacher}, CodeCase{"U", 'U', kReporterNotSet},
                                           CodeCase{"LowerCaseP", 'p', kReporterNotSet},
                                           CodeCase{"NulByte", 0, kReporterNotSet}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RecordCodec, UnknownDataEntryReadsAsOnScreenAndOddGenderIsKept) {
    RecordImage image = BuildImage(SampleRecord(2));
    image[kImageDataEntry] = 'Z';
    image[kImageGender] = 'Q';
    AssessmentRecord record;
    ApplyImage(record, image);
    EXPECT_EQ(record.GetDataEntry(), kOnScreen);
    EXPECT_EQ(record.GetGender(), 'Q');
    image[kImageDataEntry] = '1';
    ApplyImage(record, image);
    EXPECT_EQ(record.GetDataEntry(), kPaper);
}

TEST(RecordCodec, OddHeldResponsesSurviveAndReadAsBlank) {
    RecordImage image = BuildImage(SampleRecord(2));
    image[kImageResponses] = 0x96;  // item 1 held 6, item 2 held 9
    AssessmentRecord record;
    ApplyImage(record, image);
    EXPECT_EQ(record.GetHeldResponse(1), 6);
    EXPECT_EQ(record.GetHeldResponse(2), 9);
    EXPECT_EQ(record.GetResponse(1), -1);
    EXPECT_EQ(BuildImage(record)[kImageResponses], 0x96);
}

}  // namespace
}  // namespace orva
