// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <string>

#include "screening/ReportSet.h"

namespace orva {

inline constexpr int kDetailLines = 3;

// The person's details and the reporters' comments as every report shows them (the RTF
// report, the printed page, the analysis form and orva-cli): plain Windows-1252 texts, not
// escaped for any format.
struct PersonDetailTexts {
    std::string name;                                    // first name, a blank, last name
    std::array<std::string, kDetailLines> addressLines;  // "Not Specified" on line 1 when there is none
    std::array<std::string, kDetailLines> phoneLines;    // likewise; the reports show lines 1 and 2
    std::string gender;                                  // "Female", "Male", "Other" or "Not Specified"
    std::string birthDate;                               // long form, "15 March 2007"
    std::string ageAtCompletion;                         // whole years; empty when a date is unreadable
    std::string completionDate;                          // long form
    std::string parentName;                              // observer of the Parent-report
    std::string teacherName;                             // observer of the Teacher-report
    std::string schoolYear;                              // first one given, else "Not Specified"
    std::string school;                                  // likewise
    std::array<std::string, kReportSlots> comments;      // Self, Parent, Teacher; empty for an empty slot

    bool operator==(const PersonDetailTexts&) const = default;
};

// The slot whose record gives the person's details: Self, else Parent, else Teacher; -1 when
// every slot is empty.
int FirstPresentSlot(const ReportSet& reports);

// Builds the texts: the person's details from the first present report; the observers,
// school year, school and comments from every report. Without any report the texts taken
// from the first present one stay empty, and gender, school year and school read "Not
// Specified".
PersonDetailTexts PreparePersonDetailTexts(const ReportSet& reports);

}  // namespace orva
