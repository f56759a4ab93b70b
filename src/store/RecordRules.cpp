// SPDX-License-Identifier: Apache-2.0
#include "store/RecordRules.h"

#include <algorithm>
#include <string_view>

#include "model/AssessmentRecord.h"
#include "model/Cp1252.h"
#include "model/Date.h"
#include "store/RecordCodec.h"

namespace orva {

namespace {

constexpr TextField kLineBreaksAllowed[] = {TextField::ObserverContact, TextField::ObserverComment};

// The text as read, and nothing hidden after it: a text ends at its first 0x80 or at the
// field's end, never at a NUL. Checked on the image's bytes, as every record is on loading.
bool TextAllowed(const RecordImage& image, TextField field) {
    const std::size_t offset = ImageOffset(field);
    const std::size_t width = MaxLength(field);
    const bool breaks = std::find(std::begin(kLineBreaksAllowed), std::end(kLineBreaksAllowed), field) !=
                        std::end(kLineBreaksAllowed);
    for (std::size_t i = 0; i < width; ++i) {
        const auto c = static_cast<char>(image[offset + i]);
        if (image[offset + i] == kTextPad) return true;
        if (c == '\0') return false;
        if (Cp1252::IsControl(c) && c != '\t' && !(breaks && (c == '\r' || c == '\n'))) return false;
    }
    return true;
}

// `count` digits at `offset` as a number; false unless every one is a digit.
bool Digits(const RecordImage& image, std::size_t offset, std::size_t count, int& value) {
    value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned char c = image[offset + i];
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

// A stored YYYYMMDD date that is a valid day.
bool StoredDate(const RecordImage& image, std::size_t offset, Date& date) {
    return Digits(image, offset, 4, date.year) && Digits(image, offset + 4, 2, date.month) &&
           Digits(image, offset + 6, 2, date.day) && IsValidDate(date) == kValidDate;
}

bool NotBefore(const Date& later, const Date& earlier) {
    return CompareDates(earlier, later).value_or(-1) >= 0;
}

bool DatesFollowRules(const RecordImage& image) {
    Date birth;
    if (!StoredDate(image, kImageBirthDate, birth)) return false;
    Date latest = birth;
    if (image[kImageCompletionDate] != kTextPad) {
        Date completion;
        if (!StoredDate(image, kImageCompletionDate, completion) || !NotBefore(completion, birth)) return false;
        latest = completion;
    }
    Date saved;
    int hour = 0;
    int minute = 0;
    int second = 0;
    return StoredDate(image, kImageSaveDateTime, saved) && Digits(image, kImageSaveDateTime + 8, 2, hour) &&
           Digits(image, kImageSaveDateTime + 10, 2, minute) && Digits(image, kImageSaveDateTime + 12, 2, second) &&
           hour <= 23 && minute <= 59 && second <= 59 && NotBefore(saved, latest);
}

bool CodesFollowRules(const RecordImage& image) {
    constexpr std::string_view kGenders = "FMUX";
    constexpr std::string_view kReporters = "SPT";
    if (kGenders.find(static_cast<char>(image[kImageGender])) == std::string_view::npos) return false;
    if (kReporters.find(static_cast<char>(image[kImageReporter])) == std::string_view::npos) return false;
    if (image[kImageDataEntry] != '0' && image[kImageDataEntry] != '1') return false;
    for (std::size_t k = 0; k < kImageResponseBytes; ++k) {
        const unsigned byte = image[kImageResponses + k];
        for (const unsigned nibble : {byte & 0x0Fu, byte >> 4u}) {
            if (nibble > 5 && nibble != kHeldBlank && nibble != 0x0F) return false;
        }
    }
    return std::all_of(image.begin() + kImageFiller, image.begin() + kImageCheckByte,
                       [](unsigned char byte) { return byte == kTextPad; });
}

}  // namespace

bool FollowsRecordRules(const RecordImage& image) {
    if (!CodesFollowRules(image)) return false;
    for (int i = 0; i < kTextFieldCount; ++i) {
        const auto field = static_cast<TextField>(i);
        if (field != TextField::SaveDateTime && !TextAllowed(image, field)) return false;
    }
    return DatesFollowRules(image);
}

}  // namespace orva
