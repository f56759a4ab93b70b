#pragma once

// Fixed texts of the analysis form, as the product documents word them. Plain bytes, no
// toolkit types: the person-details texts are shared with the written reports. A namespace of
// their own keeps them apart from the other subsystems' texts of the same meaning.
namespace orva::texts::form {

// The comments' label; the labels of the person's details are the reports' own.
inline constexpr const char* kCommentsLabel = "Comments:";

// The note at the foot of the form, in its two lines.
inline constexpr const char* kNoteLabel = "NOTE";
inline constexpr const char* kNoteLine1 =
    "It is important to note that any indication of a positive screen for the above disorders does not "
    "constitute a formal diagnosis.  A positive screen merely indicates that the";
inline constexpr const char* kNoteLine2 =
    "individual has met sufficient criteria for a disorder to warrant further investigation by an "
    "appropriate "
    "health professional.";

// The observers box: one part per observer, a blank line between them.
inline constexpr const char* kObserverParent = "Parent:      ";
inline constexpr const char* kObserverTeacher = "Teacher:    ";
inline constexpr const char* kObserverSeparator = "\r\n\r\n";
inline constexpr const char* kCommentSeparator = "\r\n\r\n";

// What screen readers name the fields that have no label on the form.
inline constexpr const char* kObserversAccessible = "Parent/Teacher";
inline constexpr const char* kScreeningGridAccessible = "Screening";
inline constexpr const char* kReliabilityGridAccessible = "Reliability (Omega)";

// Line break inside a multi-line field.
inline constexpr const char* kLineBreak = "\r\n";

}  // namespace orva::texts::form
