// SPDX-License-Identifier: Apache-2.0
#include "store/RecordCodec.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "store/BlockScrambler.h"
#include "store/RecordRules.h"

namespace orva {

namespace {

struct TextPlace {
    TextField field;
    std::size_t offset;
};

// The padded text fields of the image. The save date-time is not among them: it is stored
// at full width and read back raw.
constexpr TextPlace kTextPlaces[] = {
    {TextField::FirstName, kImageFirstName},
    {TextField::LastName, kImageLastName},
    {TextField::StreetAddress, kImageStreetAddress},
    {TextField::Town, kImageTown},
    {TextField::State, kImageState},
    {TextField::Postcode, kImagePostcode},
    {TextField::Phone, kImagePhone},
    {TextField::Phone2, kImagePhone2},
    {TextField::Country, kImageCountry},
    {TextField::Email, kImageEmail},
    {TextField::BirthDate, kImageBirthDate},
    {TextField::CompletionDate, kImageCompletionDate},
    {TextField::ObserverName, kImageObserverName},
    {TextField::ObserverRelationship, kImageObserverRelationship},
    {TextField::ObserverContact, kImageObserverContact},
    {TextField::ObserverComment, kImageObserverComment},
    {TextField::SchoolYear, kImageSchoolYear},
    {TextField::School, kImageSchool},
};

constexpr std::size_t kSaveDateTimeSize = 14;

void PutText(RecordImage& image, std::size_t offset, std::size_t width, const std::string& text) {
    const std::size_t n = std::min(text.size(), width);
    std::memcpy(image.data() + offset, text.data(), n);
    std::memset(image.data() + offset + n, kTextPad, width - n);
}

std::string_view GetText(const RecordImage& image, std::size_t offset, std::size_t width) {
    const auto* begin = reinterpret_cast<const char*>(image.data() + offset);
    const std::string_view all(begin, width);
    return all.substr(0, std::min(width, all.find(static_cast<char>(kTextPad))));
}

unsigned char ReporterByte(int reporter) {
    switch (reporter) {
        case kSelf:
            return 'S';
        case kParent:
            return 'P';
        case kTeacher:
            return 'T';
        default:
            return 'U';
    }
}

int ReporterFromByte(unsigned char byte) {
    switch (byte) {
        case 'S':
            return kSelf;
        case 'P':
            return kParent;
        case 'T':
            return kTeacher;
        default:
            return kReporterNotSet;
    }
}

void ComputeChecks(const RecordImage& image, unsigned char& xorByte, std::uint32_t& sum) {
    xorByte = 0;
    sum = 0;
    for (std::size_t i = 0; i < kImageCheckedBytes; ++i) {
        xorByte ^= image[i];
        sum += image[i];
    }
}

}  // namespace

RecordImage BuildImage(const AssessmentRecord& record) {
    RecordImage image{};
    for (const TextPlace& place : kTextPlaces) {
        PutText(image, place.offset, MaxLength(place.field), record.GetText(place.field));
    }
    PutText(image, kImageSaveDateTime, kSaveDateTimeSize, record.GetText(TextField::SaveDateTime));
    image[kImageGender] = static_cast<unsigned char>(record.GetGender());
    image[kImageReporter] = ReporterByte(record.GetReporter());
    for (std::size_t k = 0; k < kImageResponseBytes; ++k) {
        const int item = static_cast<int>(2 * k + 1);
        const unsigned low = static_cast<unsigned>(record.GetHeldResponse(item)) & 0x0F;
        const unsigned high = static_cast<unsigned>(record.GetHeldResponse(item + 1)) & 0x0F;
        image[kImageResponses + k] = static_cast<unsigned char>(low | (high << 4));
    }
    image[kImageDataEntry] = static_cast<unsigned char>(record.GetDataEntry());
    std::memset(image.data() + kImageFiller, kTextPad, kImageCheckByte - kImageFiller);

    unsigned char xorByte = 0;
    std::uint32_t sum = 0;
    ComputeChecks(image, xorByte, sum);
    image[kImageCheckByte] = xorByte;
    for (int i = 0; i < 4; ++i)
        image[kImageCheckSum + i] = static_cast<unsigned char>((sum >> (8 * i)) & 0xFF);
    return image;
}

StoredRecord ScrambleImage(const RecordImage& image, RandomSource& random) {
    StoredRecord stored{};
    std::array<unsigned char, kPlainBlockSize> plain{};
    for (int b = 0; b < kBlockCount; ++b) {
        std::memcpy(plain.data(), image.data() + kSliceSize * b, kSliceSize);
        plain[kSliceSize] = static_cast<unsigned char>(random.Between(kFillerLowest, kFillerHighest));
        BlockScrambler::Scramble(plain.data(), stored.data() + kStoredBlockSize * b);
    }
    return stored;
}

bool UnscrambleImage(const unsigned char* stored, RecordImage& image) {
    std::array<unsigned char, kPlainBlockSize> plain{};
    for (int b = 0; b < kBlockCount; ++b) {
        if (!BlockScrambler::Unscramble(stored + kStoredBlockSize * b, plain.data())) return false;
        std::memcpy(image.data() + kSliceSize * b, plain.data(), kSliceSize);
    }
    return true;
}

bool ImageChecksMatch(const RecordImage& image) {
    unsigned char xorByte = 0;
    std::uint32_t sum = 0;
    ComputeChecks(image, xorByte, sum);
    std::uint32_t storedSum = 0;
    for (int i = 0; i < 4; ++i) storedSum |= static_cast<std::uint32_t>(image[kImageCheckSum + i]) << (8 * i);
    return xorByte == image[kImageCheckByte] && sum == storedSum;
}

void ApplyImage(AssessmentRecord& record, const RecordImage& image) {
    for (const TextPlace& place : kTextPlaces) {
        record.SetText(place.field, GetText(image, place.offset, MaxLength(place.field)));
    }
    record.SetText(TextField::SaveDateTime,
                   std::string_view(reinterpret_cast<const char*>(image.data() + kImageSaveDateTime),
                                    kSaveDateTimeSize));
    record.SetStoredGender(static_cast<char>(image[kImageGender]));
    record.SetStoredReporter(ReporterFromByte(image[kImageReporter]));
    for (std::size_t k = 0; k < kImageResponseBytes; ++k) {
        const int item = static_cast<int>(2 * k + 1);
        record.SetHeldResponse(item, image[kImageResponses + k] & 0x0F);
        record.SetHeldResponse(item + 1, image[kImageResponses + k] >> 4);
    }
    record.SetDataEntry(static_cast<char>(image[kImageDataEntry]));
}

std::size_t ImageOffset(TextField field) {
    const auto place = std::find_if(std::begin(kTextPlaces), std::end(kTextPlaces),
                                    [field](const TextPlace& p) { return p.field == field; });
    return place == std::end(kTextPlaces) ? kImageSaveDateTime : place->offset;
}

StoredRecord EncodeForStorage(AssessmentRecord& record, const Clock& clock, RandomSource& random) {
    record.SetStoredSaveDateTime(clock.Now());
    return ScrambleImage(BuildImage(record), random);
}

StoreStatus DecodeFromStorage(AssessmentRecord& record, const unsigned char* stored) {
    RecordImage image{};
    if (!UnscrambleImage(stored, image) || !ImageChecksMatch(image) || !FollowsRecordRules(image)) {
        return StoreError::ChecksumMismatch;
    }
    ApplyImage(record, image);
    return {};
}

}  // namespace orva
