// SPDX-License-Identifier: Apache-2.0
#include "model/AssessmentRecord.h"

#include <algorithm>
#include <cstring>

#include "model/FieldRules.h"
#include "model/ItemCatalogue.h"
#include "model/ModelTexts.h"

namespace orva {

namespace {

bool IsAllDigits(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int ReadNumber(std::string_view s) {
    int value = 0;
    for (char c : s) value = value * 10 + (c - '0');
    return value;
}

// Reads an 8-digit YYYYMMDD text; nothing unless it is exactly 8 characters. A text that is
// 8 characters but not all digits cannot be a date and is refused as well.
std::optional<Date> ReadStoredDate(const std::string& text) {
    if (text.size() != 8 || !IsAllDigits(text)) return std::nullopt;
    const std::string_view v(text);
    return Date{ReadNumber(v.substr(0, 4)), ReadNumber(v.substr(4, 2)), ReadNumber(v.substr(6, 2))};
}

}  // namespace

const std::array<AssessmentRecord::TextSlot, kTextFieldCount>& AssessmentRecord::Layout() {
    static const std::array<TextSlot, kTextFieldCount> layout = [] {
        std::array<TextSlot, kTextFieldCount> result{};
        std::size_t offset = 0;
        for (int i = 0; i < kTextFieldCount; ++i) {
            const std::size_t max = MaxLength(static_cast<TextField>(i));
            result[i] = {offset, max};
            offset += max + 1;
        }
        return result;
    }();
    return layout;
}

AssessmentRecord::AssessmentRecord() { Reset(); }

void AssessmentRecord::Reset() {
    texts_.fill('\0');
    gender_ = 'U';
    reporter_ = kReporterNotSet;
    dataEntry_ = kOnScreen;
    responses_.fill(kHeldNeverSet);
}

void AssessmentRecord::SetText(TextField field, std::string_view text) {
    const TextSlot slot = Layout()[static_cast<int>(field)];
    // A NUL ends a text, as it does in the fixed buffer.
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos) text = text.substr(0, nul);
    const std::size_t n = std::min(text.size(), slot.max);
    std::memcpy(texts_.data() + slot.offset, text.data(), n);
    std::memset(texts_.data() + slot.offset + n, 0, slot.max + 1 - n);
}

std::string AssessmentRecord::GetText(TextField field) const {
    const TextSlot slot = Layout()[static_cast<int>(field)];
    return std::string(texts_.data() + slot.offset);
}

int AssessmentRecord::SetGender(char code) {
    if (code != 'F' && code != 'M' && code != 'U' && code != 'X') return -1;
    gender_ = code;
    return 0;
}

int AssessmentRecord::SetReporter(int reporter) {
    if (reporter < kSelf || reporter > kTeacher) return -1;
    reporter_ = reporter;
    return 0;
}

void AssessmentRecord::SetDataEntry(char mode) { dataEntry_ = (mode == kPaper) ? kPaper : kOnScreen; }

int AssessmentRecord::SetResponse(int item, int value) {
    if (reporter_ < kSelf || reporter_ > kTeacher) return -3;
    if (item < 1 || item >= kResponseSlots) return -1;
    if (value < -1 || value > 5) return -2;
    responses_[item] = (value == -1) ? kHeldBlank : value;
    return 0;
}

int AssessmentRecord::GetResponse(int item) const {
    if (item < 0 || item >= kResponseSlots) return -1;
    const int held = responses_[item];
    return (held >= 0 && held <= 5) ? held : -1;
}

char AssessmentRecord::GetResponseChar(int item) const {
    const int value = GetResponse(item);
    return value < 0 ? ' ' : static_cast<char>('0' + value);
}

int AssessmentRecord::ParseResponse(std::string_view text) {
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '5') return text[0] - '0';
    return -1;
}

int AssessmentRecord::GetHeldResponse(int item) const {
    if (item < 0 || item >= kResponseSlots) return kHeldNeverSet;
    return responses_[item];
}

void AssessmentRecord::SetHeldResponse(int item, int heldValue) {
    if (item < 1 || item >= kResponseSlots) return;
    responses_[item] = heldValue;
}

int AssessmentRecord::SetBirthDate(int year, int month, int day) {
    if (IsValidDate(year, month, day) != kValidDate) return -1;
    SetText(TextField::BirthDate, StoredDate(Date{year, month, day}));
    return 0;
}

int AssessmentRecord::SetCompletionDate(int year, int month, int day, const Clock& clock) {
    if (IsValidDate(year, month, day) != kValidDate) return -1;
    const LocalDateTime now = clock.Now();
    if (CompareDates({year, month, day}, {now.year, now.month, now.day}).value_or(0) < 0) return -2;
    SetText(TextField::CompletionDate, StoredDate(Date{year, month, day}));
    return 0;
}

std::optional<Date> AssessmentRecord::GetBirthDate() const {
    return ReadStoredDate(GetText(TextField::BirthDate));
}

std::optional<Date> AssessmentRecord::GetCompletionDate() const {
    return ReadStoredDate(GetText(TextField::CompletionDate));
}

std::optional<LocalDateTime> AssessmentRecord::GetSaveDateTime() const {
    const std::string text = GetText(TextField::SaveDateTime);
    if (text.size() != 14 || !IsAllDigits(text)) return std::nullopt;
    const std::string_view v(text);
    return LocalDateTime{ReadNumber(v.substr(0, 4)), ReadNumber(v.substr(4, 2)),  ReadNumber(v.substr(6, 2)),
                         ReadNumber(v.substr(8, 2)), ReadNumber(v.substr(10, 2)), ReadNumber(v.substr(12, 2))};
}

void AssessmentRecord::SetStoredSaveDateTime(const LocalDateTime& when) {
    SetText(TextField::SaveDateTime, StoredDateTime(when));
}

std::optional<int> AssessmentRecord::AgeAtCompletion() const {
    const std::optional<Date> birth = GetBirthDate();
    const std::optional<Date> completion = GetCompletionDate();
    if (!birth || !completion) return std::nullopt;
    return AgeInYears(*birth, *completion);
}

const char* AssessmentRecord::GetItemText(int item) const {
    if (item < 0 || item >= kResponseSlots) return "";
    const int row = (reporter_ >= kSelf && reporter_ <= kTeacher) ? reporter_ : kSelf;
    return ItemCatalogue::Wording(row, item);
}

bool AssessmentRecord::SameContent(const AssessmentRecord& other) const {
    for (int i = 0; i < kTextFieldCount; ++i) {
        const auto field = static_cast<TextField>(i);
        if (field == TextField::SaveDateTime) continue;
        if (GetText(field) != other.GetText(field)) return false;
    }
    if (gender_ != other.gender_ || reporter_ != other.reporter_) return false;
    for (int item = 1; item < kResponseSlots; ++item) {
        if (GetResponse(item) != other.GetResponse(item)) return false;
    }
    return true;
}

const char* GenderLabel(char code) {
    switch (code) {
        case 'M':
        case 'm':
            return texts::kMale;
        case 'F':
        case 'f':
            return texts::kFemale;
        case 'X':
        case 'x':
            return texts::kOther;
        default:
            return texts::kNotSpecified;
    }
}

const char* ReporterListLabel(int reporter) {
    if (reporter == kTeacher) return texts::kTeacher;
    if (reporter == kParent) return texts::kParent;
    return texts::kSelfAssessment;
}

const char* ReporterCsvLabel(int reporter) {
    if (reporter == kTeacher) return texts::kTeacher;
    if (reporter == kParent) return texts::kParent;
    return texts::kSelf;
}

}  // namespace orva
