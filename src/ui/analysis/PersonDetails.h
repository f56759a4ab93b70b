#pragma once

#include <array>
#include <string>

#include "ReportSet.h"

namespace orva {

// The person's details of an analysis as the form and the written reports show them, before
// any escaping for a document format. Windows-1252 bytes; line breaks are CR LF.
struct PersonDetails {
    std::string name;                         // first name, a blank, last name
    std::array<std::string, 3> addressLines;  // "Not Specified" on line 1 when there is none
    std::array<std::string, 3> phoneLines;    // likewise
    std::string gender;                       // "Female", "Male", "Other" or "Not Specified"
    std::string birthDate;                    // long form, "15 March 2007"
    std::string ageAtCompletion;              // whole years, "%i"; empty when a date is unreadable
    std::string completionDate;               // long form
    std::string parentName;                   // observer of the Parent-report
    std::string teacherName;                  // observer of the Teacher-report
    std::string schoolYear;                   // first one given, else "Not Specified"
    std::string school;                       // likewise
    std::array<std::string, 3> comments;      // Self, Parent, Teacher; empty for an empty slot

    bool operator==(const PersonDetails&) const = default;
};

// Builds the details from the first present report (Self, then Parent, then Teacher); when no
// report is present the texts taken from it stay empty.
PersonDetails PreparePersonDetails(const ReportSet& reports);

// The lines joined by CR LF, without the empty lines at the end.
std::string JoinLines(const std::array<std::string, 3>& lines);

// The observers box of the analysis form: "Parent:" and "Teacher:" parts for the observers
// that are named, a blank line between two parts.
std::string ObserversText(const PersonDetails& details);

// The three comments, present ones only, a blank line between two.
std::string CommentsText(const PersonDetails& details);

}  // namespace orva
