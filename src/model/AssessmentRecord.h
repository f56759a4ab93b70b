// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <optional>
#include <cstddef>
#include <string>
#include <string_view>

#include "model/Clock.h"
#include "model/Date.h"
#include "model/RecordFieldError.h"

namespace orva {

// Who answered the questionnaire.
enum ReporterType : int { kReporterNotSet = -1, kSelf = 0, kParent = 1, kTeacher = 2 };

// How the answers were captured, as the record holds it.
inline constexpr char kOnScreen = '0';
inline constexpr char kPaper = '1';

inline constexpr int kItemCount = 111;       // items in use
inline constexpr int kResponseSlots = 191;   // index 0 unused, 1..190 addressable
inline constexpr int kHeldBlank = 7;         // blank set explicitly
inline constexpr int kHeldNeverSet = -1;     // value after Reset

// The text fields of a record, in the order of the record's field table. The three date
// fields are digit strings as stored; only the decoder writes them raw.
enum class TextField {
    FirstName,
    LastName,
    StreetAddress,
    Town,
    State,
    Postcode,
    Country,
    Phone,
    Phone2,
    Email,
    BirthDate,
    SaveDateTime,
    CompletionDate,
    ObserverName,
    ObserverRelationship,
    ObserverContact,
    ObserverComment,
    SchoolYear,
    School,
};
inline constexpr int kTextFieldCount = 19;

// Maximum length of each text field, in single-byte characters. Part of the stored format.
constexpr std::size_t MaxLength(TextField field) {
    constexpr std::size_t kMax[kTextFieldCount] = {20, 20, 40, 20, 3, 10, 20, 14, 14, 40,
                                                   8,  14, 8,  20, 20, 60, 200, 2, 30};
    return kMax[static_cast<int>(field)];
}

// One completed questionnaire: a plain value, copied byte for byte, owning no heap memory.
// Texts are Windows-1252 bytes.
class AssessmentRecord {
public:
    AssessmentRecord();

    // Empties every field: texts and dates empty, gender 'U', reporter not set, data entry
    // On-Screen, every response never set.
    void Reset();

    // Generic text access; the setter cuts to the field's maximum and never fails.
    void SetText(TextField field, std::string_view text);
    std::string GetText(TextField field) const;

    void SetFirstName(std::string_view t) { SetText(TextField::FirstName, t); }
    void SetLastName(std::string_view t) { SetText(TextField::LastName, t); }
    void SetStreetAddress(std::string_view t) { SetText(TextField::StreetAddress, t); }
    void SetTown(std::string_view t) { SetText(TextField::Town, t); }
    void SetState(std::string_view t) { SetText(TextField::State, t); }
    void SetPostcode(std::string_view t) { SetText(TextField::Postcode, t); }
    void SetCountry(std::string_view t) { SetText(TextField::Country, t); }
    void SetPhone(std::string_view t) { SetText(TextField::Phone, t); }
    void SetPhone2(std::string_view t) { SetText(TextField::Phone2, t); }
    void SetEmail(std::string_view t) { SetText(TextField::Email, t); }
    void SetObserverName(std::string_view t) { SetText(TextField::ObserverName, t); }
    void SetObserverRelationship(std::string_view t) { SetText(TextField::ObserverRelationship, t); }
    void SetObserverContact(std::string_view t) { SetText(TextField::ObserverContact, t); }
    void SetObserverComment(std::string_view t) { SetText(TextField::ObserverComment, t); }
    void SetSchoolYear(std::string_view t) { SetText(TextField::SchoolYear, t); }
    void SetSchool(std::string_view t) { SetText(TextField::School, t); }

    std::string GetFirstName() const { return GetText(TextField::FirstName); }
    std::string GetLastName() const { return GetText(TextField::LastName); }
    std::string GetStreetAddress() const { return GetText(TextField::StreetAddress); }
    std::string GetTown() const { return GetText(TextField::Town); }
    std::string GetState() const { return GetText(TextField::State); }
    std::string GetPostcode() const { return GetText(TextField::Postcode); }
    std::string GetCountry() const { return GetText(TextField::Country); }
    std::string GetPhone() const { return GetText(TextField::Phone); }
    std::string GetPhone2() const { return GetText(TextField::Phone2); }
    std::string GetEmail() const { return GetText(TextField::Email); }
    std::string GetObserverName() const { return GetText(TextField::ObserverName); }
    std::string GetObserverRelationship() const { return GetText(TextField::ObserverRelationship); }
    std::string GetObserverContact() const { return GetText(TextField::ObserverContact); }
    std::string GetObserverComment() const { return GetText(TextField::ObserverComment); }
    std::string GetSchoolYear() const { return GetText(TextField::SchoolYear); }
    std::string GetSchool() const { return GetText(TextField::School); }

    // Coded fields. The setters refuse values outside their sets and keep the field.
    RecordFieldStatus SetGender(char code);  // 'F', 'M', 'U', 'X' only
    char GetGender() const { return gender_; }
    RecordFieldStatus SetReporter(int reporter);  // 0..2 only
    int GetReporter() const { return reporter_; }
    void SetDataEntry(char mode);  // '1' Paper, anything else On-Screen
    char GetDataEntry() const { return dataEntry_; }

    // Answers: 0..5, or -1 for a blank (held as 7). Refused before the reporter is chosen, for
    // an item outside 1..190 and for any other value.
    RecordFieldStatus SetResponse(int item, int value);
    int GetResponse(int item) const;      // 0..5, or -1 for blank, never set or out of range
    char GetResponseChar(int item) const; // '0'..'5', or ' '
    static int ParseResponse(std::string_view text);

    // Dates. Set*: refused when no day of the calendar; SetCompletionDate also after today.
    RecordFieldStatus SetBirthDate(int year, int month, int day);
    RecordFieldStatus SetCompletionDate(int year, int month, int day,
                                        const Clock& clock = SystemClock::Instance());
    // Get*: nothing unless the stored text is a date (any 8 digits) or date-time (14 digits).
    [[nodiscard]] std::optional<Date> GetBirthDate() const;
    [[nodiscard]] std::optional<Date> GetCompletionDate() const;
    [[nodiscard]] std::optional<LocalDateTime> GetSaveDateTime() const;
    // Whole years from birth to completion; nothing unless both are valid dates.
    [[nodiscard]] std::optional<int> AgeAtCompletion() const;

    // Wording of an item for the record's reporter (Self when not set), as the item catalogue
    // holds it; item 0 is the lead-in, items outside 0..190 read as empty.
    const char* GetItemText(int item) const;

    // Same person, answers and details, byte for byte; the save date-time and data entry
    // mode are not compared, and blank equals never set.
    bool SameContent(const AssessmentRecord& other) const;

    // Raw access for the record decoder and encoder only: stored bytes go in and come out
    // without the setters' checks, so a file written by other means reads back as it is.
    void SetStoredGender(char code) { gender_ = code; }
    void SetStoredReporter(int reporter) { reporter_ = reporter; }
    void SetStoredSaveDateTime(const LocalDateTime& when);
    int GetHeldResponse(int item) const;            // as held: 0..15, 7 blank, -1 never set
    void SetHeldResponse(int item, int heldValue);  // as read from storage

private:
    struct TextSlot {
        std::size_t offset;
        std::size_t max;
    };
    static const std::array<TextSlot, kTextFieldCount>& Layout();
    static constexpr std::size_t kTextBytes = 20 + 1 + 20 + 1 + 40 + 1 + 20 + 1 + 3 + 1 + 10 + 1 + 20 + 1 +
                                              14 + 1 + 14 + 1 + 40 + 1 + 8 + 1 + 14 + 1 + 8 + 1 + 20 + 1 +
                                              20 + 1 + 60 + 1 + 200 + 1 + 2 + 1 + 30 + 1;

    std::array<char, kTextBytes> texts_{};
    char gender_ = 'U';
    int reporter_ = kReporterNotSet;
    char dataEntry_ = kOnScreen;
    std::array<int, kResponseSlots> responses_{};
};

// Display names used by the reports and lists.
const char* GenderLabel(char code);            // "Male", "Female", "Other", "Not Specified"
const char* ReporterListLabel(int reporter);   // "Self Assessment", "Parent", "Teacher"
const char* ReporterCsvLabel(int reporter);    // "Self", "Parent", "Teacher"

}  // namespace orva
