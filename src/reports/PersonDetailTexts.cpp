// SPDX-License-Identifier: Apache-2.0
#include "reports/PersonDetailTexts.h"

#include <string_view>

#include "model/FieldRules.h"
#include "model/ModelTexts.h"
#include "reports/ReportsTexts.h"

namespace orva {

namespace {

// Street first; town, state and postcode each join the text so far, the first join with a
// line break and later ones with three blanks; a country always starts a line of its own.
std::string JoinAddress(const AssessmentRecord& record) {
    std::string text = record.GetStreetAddress();
    bool joined = false;
    for (const std::string& part : {record.GetTown(), record.GetState(), record.GetPostcode()}) {
        if (part.empty()) continue;
        if (!text.empty()) {
            text += joined ? texts::kAddressJoin : texts::kLineBreak;
            joined = true;
        }
        text += part;
    }
    const std::string country = record.GetCountry();
    if (!country.empty()) text += texts::kLineBreak + country;
    return text;
}

std::string JoinPhones(const AssessmentRecord& record) {
    const std::string phone = record.GetPhone();
    const std::string phone2 = record.GetPhone2();
    if (!phone.empty() && !phone2.empty()) return phone + texts::kLineBreak + phone2;
    return phone.empty() ? phone2 : phone;
}

// The first three lines of a text broken at CR LF; text after the third line is dropped.
std::array<std::string, kDetailLines> SplitLines(std::string_view text) {
    std::array<std::string, kDetailLines> lines;
    const std::string_view breakText = texts::kLineBreak;
    for (int i = 0; i < kDetailLines; ++i) {
        const std::size_t cut = text.find(breakText);
        lines[i] = std::string(text.substr(0, cut));
        if (cut == std::string_view::npos) break;
        text.remove_prefix(cut + breakText.size());
    }
    return lines;
}

std::string FirstNonEmpty(const ReportSet& reports, std::string (AssessmentRecord::*field)() const) {
    for (int slot : {kSelf, kParent, kTeacher}) {
        if (reports.IsSlotEmpty(slot)) continue;
        std::string value = (reports.Record(slot).*field)();
        if (!value.empty()) return value;
    }
    return texts::kNotSpecified;
}

std::string CommentText(const ReportSet& reports, int slot) {
    if (reports.IsSlotEmpty(slot)) return {};
    static constexpr const char* kOpen[kReportSlots] = {texts::kSelfCommentOpen, texts::kParentCommentOpen,
                                                        texts::kTeacherCommentOpen};
    static constexpr const char* kClose[kReportSlots] = {texts::kSelfCommentClose, texts::kParentCommentClose,
                                                         texts::kTeacherCommentClose};
    static constexpr const char* kNone[kReportSlots] = {texts::kNoSelfComment, texts::kNoParentComment,
                                                        texts::kNoTeacherComment};
    const std::string comment = reports.Record(slot).GetObserverComment();
    return comment.empty() ? std::string(kNone[slot]) : kOpen[slot] + comment + kClose[slot];
}

}  // namespace

int FirstPresentSlot(const ReportSet& reports) {
    for (int slot : {kSelf, kParent, kTeacher}) {
        if (!reports.IsSlotEmpty(slot)) return slot;
    }
    return -1;
}

PersonDetailTexts PreparePersonDetailTexts(const ReportSet& reports) {
    PersonDetailTexts details;
    const int first = FirstPresentSlot(reports);
    details.gender = texts::kNotSpecified;
    if (first >= 0) {
        const AssessmentRecord& record = reports.Record(first);
        details.name = record.GetFirstName() + " " + record.GetLastName();
        const std::string address = JoinAddress(record);
        details.addressLines = SplitLines(address.empty() ? std::string(texts::kNotSpecified) : address);
        const std::string phones = JoinPhones(record);
        details.phoneLines = SplitLines(phones.empty() ? std::string(texts::kNotSpecified) : phones);
        details.gender = GenderLabel(record.GetGender());
        details.birthDate = LongDateFromStored(record.GetText(TextField::BirthDate));
        details.completionDate = LongDateFromStored(record.GetText(TextField::CompletionDate));
        if (const std::optional<int> age = record.AgeAtCompletion())
            details.ageAtCompletion = std::to_string(*age);
    }
    if (!reports.IsSlotEmpty(kParent)) details.parentName = reports.Record(kParent).GetObserverName();
    if (!reports.IsSlotEmpty(kTeacher)) details.teacherName = reports.Record(kTeacher).GetObserverName();
    details.schoolYear = FirstNonEmpty(reports, &AssessmentRecord::GetSchoolYear);
    details.school = FirstNonEmpty(reports, &AssessmentRecord::GetSchool);
    for (int slot : {kSelf, kParent, kTeacher}) details.comments[slot] = CommentText(reports, slot);
    return details;
}

}  // namespace orva
