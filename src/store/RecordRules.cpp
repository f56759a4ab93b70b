#include "store/RecordRules.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "model/AssessmentRecord.h"
#include "model/Cp1252.h"
#include "model/Date.h"
#include "store/RecordCodec.h"

namespace orva {

namespace {

constexpr TextField kLineBreaksAllowed[] = {TextField::ObserverContact, TextField::ObserverComment};

// The text as read, and nothing hidden after it: a text ends at its first 0x80 or at the
// field's end, never at a NUL.
bool TextAllowed(const RecordImage& image, TextField field, const std::string& text) {
    const std::size_t width = MaxLength(field);
    if (text.size() < width && image[ImageOffset(field) + text.size()] != kTextPad) return false;
    const bool breaks = std::find(std::begin(kLineBreaksAllowed), std::end(kLineBreaksAllowed), field) !=
                        std::end(kLineBreaksAllowed);
    return std::all_of(text.begin(), text.end(), [breaks](char c) {
        return !Cp1252::IsControl(c) || c == '\t' || (breaks && (c == '\r' || c == '\n'));
    });
}

bool ReadDate(const AssessmentRecord& record, TextField field, Date& date) {
    const int read = field == TextField::BirthDate
                         ? record.GetBirthDate(date.year, date.month, date.day)
                         : record.GetCompletionDate(date.year, date.month, date.day);
    return read == 0 && IsValidDate(date) == kValidDate;
}

bool NotBefore(const Date& later, const Date& earlier) {
    int order = 0;
    return CompareDates(earlier, later, order) == 0 && order >= 0;
}

bool DatesFollowRules(const AssessmentRecord& record) {
    Date birth;
    if (!ReadDate(record, TextField::BirthDate, birth)) return false;
    Date latest = birth;
    if (!record.GetText(TextField::CompletionDate).empty()) {
        Date completion;
        if (!ReadDate(record, TextField::CompletionDate, completion) || !NotBefore(completion, birth))
            return false;
        latest = completion;
    }
    LocalDateTime saved;
    if (record.GetSaveDateTime(saved) != 0) return false;
    const Date savedDay{saved.year, saved.month, saved.day};
    return IsValidDate(savedDay) == kValidDate && saved.hour <= 23 && saved.minute <= 59 &&
           saved.second <= 59 && NotBefore(savedDay, latest);
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
    AssessmentRecord record;
    ApplyImage(record, image);
    for (int i = 0; i < kTextFieldCount; ++i) {
        const auto field = static_cast<TextField>(i);
        if (field != TextField::SaveDateTime && !TextAllowed(image, field, record.GetText(field)))
            return false;
    }
    return DatesFollowRules(record);
}

}  // namespace orva
