#include "PersonDetails.h"

#include <string_view>

#include "AnalysisTexts.h"
#include "FieldRules.h"
#include "ModelTexts.h"

namespace orva {

namespace {

const AssessmentRecord* FirstPresent(const ReportSet& reports) {
    for (int slot : {kSelf, kParent, kTeacher})
        if (!reports.IsSlotEmpty(slot)) return &reports.Record(slot);
    return nullptr;
}

// Splits at each CR LF into at most three lines; text beyond the third line is dropped.
std::array<std::string, 3> SplitLines(std::string_view text) {
    std::array<std::string, 3> lines;
    std::string_view rest = text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t end = rest.find(texts::form::kLineBreak);
        lines[i] = std::string(rest.substr(0, end));
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 2);
    }
    return lines;
}

std::string AddressText(const AssessmentRecord& record) {
    std::string text = record.GetStreetAddress();
    int joins = 0;
    for (const std::string& part : {record.GetTown(), record.GetState(), record.GetPostcode()}) {
        if (part.empty()) continue;
        if (!text.empty())
            text += joins++ == 0 ? texts::form::kLineBreak : texts::form::kAddressPartSeparator;
        text += part;
    }
    const std::string country = record.GetCountry();
    if (!country.empty()) text += texts::form::kLineBreak + country;
    return text.empty() ? std::string(texts::kNotSpecified) : text;
}

std::string PhoneText(const AssessmentRecord& record) {
    const std::string phone = record.GetPhone();
    const std::string phone2 = record.GetPhone2();
    if (!phone.empty() && !phone2.empty()) return phone + texts::form::kLineBreak + phone2;
    if (!phone.empty()) return phone;
    if (!phone2.empty()) return phone2;
    return texts::kNotSpecified;
}

std::string ObserverOf(const ReportSet& reports, int slot) {
    return reports.IsSlotEmpty(slot) ? std::string() : reports.Record(slot).GetObserverName();
}

// The first non-empty value among the three reports, in slot order.
template <typename Getter>
std::string FirstGiven(const ReportSet& reports, Getter get) {
    for (int slot : {kSelf, kParent, kTeacher}) {
        if (reports.IsSlotEmpty(slot)) continue;
        std::string value = (reports.Record(slot).*get)();
        if (!value.empty()) return value;
    }
    return texts::kNotSpecified;
}

std::string CommentOf(const ReportSet& reports, int slot) {
    struct Wording {
        const char* open;
        const char* close;
        const char* none;
    };
    static constexpr Wording kWordings[kReportSlots] = {
        {texts::form::kSelfCommentOpen, texts::form::kSelfCommentClose, texts::form::kNoSelfComment},
        {texts::form::kParentCommentOpen, texts::form::kParentCommentClose, texts::form::kNoParentComment},
        {texts::form::kTeacherCommentOpen, texts::form::kTeacherCommentClose, texts::form::kNoTeacherComment},
    };
    if (reports.IsSlotEmpty(slot)) return {};
    const std::string comment = reports.Record(slot).GetObserverComment();
    const Wording& w = kWordings[slot];
    return comment.empty() ? std::string(w.none) : w.open + comment + w.close;
}

}  // namespace

PersonDetails PreparePersonDetails(const ReportSet& reports) {
    PersonDetails details;
    const AssessmentRecord* first = FirstPresent(reports);
    details.gender = first != nullptr ? GenderLabel(first->GetGender()) : texts::kNotSpecified;
    if (first != nullptr) {
        details.name = first->GetFirstName() + " " + first->GetLastName();
        details.addressLines = SplitLines(AddressText(*first));
        details.phoneLines = SplitLines(PhoneText(*first));
        details.birthDate = LongDateFromStored(first->GetText(TextField::BirthDate));
        details.completionDate = LongDateFromStored(first->GetText(TextField::CompletionDate));
        int age = 0;
        if (first->AgeAtCompletion(age) == 0) details.ageAtCompletion = std::to_string(age);
    }
    details.parentName = ObserverOf(reports, kParent);
    details.teacherName = ObserverOf(reports, kTeacher);
    details.schoolYear = FirstGiven(reports, &AssessmentRecord::GetSchoolYear);
    details.school = FirstGiven(reports, &AssessmentRecord::GetSchool);
    for (int slot : {kSelf, kParent, kTeacher})
        details.comments[static_cast<std::size_t>(slot)] = CommentOf(reports, slot);
    return details;
}

std::string JoinLines(const std::array<std::string, 3>& lines) {
    std::size_t count = lines.size();
    while (count > 0 && lines[count - 1].empty()) --count;
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) text += texts::form::kLineBreak;
        text += lines[i];
    }
    return text;
}

std::string ObserversText(const PersonDetails& details) {
    std::string text;
    if (!details.parentName.empty()) text = texts::form::kObserverParent + details.parentName;
    if (!details.teacherName.empty()) {
        if (!text.empty()) text += texts::form::kObserverSeparator;
        text += texts::form::kObserverTeacher + details.teacherName;
    }
    return text;
}

std::string CommentsText(const PersonDetails& details) {
    std::string text;
    for (const std::string& comment : details.comments) {
        if (comment.empty()) continue;
        if (!text.empty()) text += texts::form::kCommentSeparator;
        text += comment;
    }
    return text;
}

}  // namespace orva
