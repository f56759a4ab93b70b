#pragma once

#include <span>

// Fixed texts of the printed report, exactly as the pages show them.
namespace orva::texts::print {

// Faces the pages ask for, and the installed faces of the same kind that stand in for them.
inline constexpr const char* kFaceTimes = "Times New Roman";
inline constexpr const char* kFaceGaramond = "Garamond";
inline constexpr const char* kFaceArial = "Arial";
inline constexpr const char* kSubstituteTimes = "Liberation Serif";
inline constexpr const char* kSubstituteGaramond = "EB Garamond";
inline constexpr const char* kSubstituteArial = "Liberation Sans";

// The two pictures of the title page, built into the program.
inline constexpr const char* kLogoImage = ":/print/Print_ORVA_logo.bmp";
inline constexpr const char* kReportFormImage = ":/print/Print_ORVA_Report_Form.bmp";

// PDF document properties, which file managers show: never the person's name.
inline constexpr const char* kPdfTitle = "ORVA Report";
inline constexpr const char* kPdfAuthor = "ORVA";
inline constexpr const char* kPdfSubject = "Confidential";
inline constexpr const char* kPdfCreator = "ORVA";

// Page 1.
inline constexpr const char* kStrictlyConfidential = "Strictly Confidential";

// Footer of pages 2 to 5; the page number follows below the rule.
inline constexpr const char* kFooter = "Child and Adolescent Orvantis Report Form ";

// Page 2: the outline.
inline constexpr const char* kOutlineHeading = "BRIEF OUTLINE OF THE ORVA";
inline constexpr const char* kOutlineParagraphs[3] = {
    "The Child and Adolescent Orvantis (ORVA) is an instrument comprising screening criteria for 20 of the "
    "most common disorders found in children and adolescents.",
    "The screening criteria of the ORVA closely resemble the diagnostic criteria listed in the Diagnostic "
    "and "
    "Statistical Manual of Mental Disorders-Fourth Edition-Text Revision (DSM-IV-TR; American Psychiatric "
    "Association 2000).",
    "It is important to note that a positive screen for any of the disorders does not indicate a formal "
    "diagnosis. It merely indicates that the individual has met sufficient criteria for a disorder to "
    "warrant "
    "further investigation by an appropriate health professional.",
};
inline constexpr const char* kResultsHeading = "ORVA RESULTS";

// Pages 2 to 5: the heading row of the results table, and of the reliability table.
inline constexpr const char* kResultsHeadings[7] = {
    "Disorder\n# indicates mutually exclusive screens",
    "Positive\nScreen\nCutoff",
    "Self-\nReport Score",
    "Parent-\nReport Score",
    "Teacher-\nReport Score",
    "Cutoff Attained",
    "Positive Screen Items Met\n[Self-Report Items Met]\n(Parent-Report Items Met)\n{Teacher-Report Items "
    "Met}",
};
inline constexpr const char* kReliabilityHeadings[7] = {
    "Reliability Measure\n(Omega Statistic)",
    "Omega Cutoff",
    "Self-\nReport Omega",
    "Parent-\nReport Omega",
    "Teacher-\nReport Omega",
    "Reliability Attained",
    "Comments on Reliability",
};
inline constexpr const char* kCommentsHeading = "Comments:";

// Pages 6 to 8.
inline constexpr const char* kDefinitionsTitle = "BRIEF DEFINITIONS FOR EACH DISORDER (DSM-IV-TR; APA 2000)";
inline constexpr const char* kDefinitionsContinued = "Definitions (continued)";
inline constexpr const char* kGuidelinesTitle = "ORVA Report Interpretation Guidelines";

// A heading with its paragraph.
struct GuideSection {
    const char* heading;
    const char* paragraph;
};

// A group heading with its disorders.
struct DefinitionGroup {
    const char* heading;
    std::span<const GuideSection> disorders;
};

// Page 6: anxiety, attention-deficit and disruptive behaviour, communication and depressive
// disorders. Page 7: eating, learning, pervasive developmental and tic disorders.
std::span<const DefinitionGroup> DefinitionGroupsOfPage(int page);
// Page 8: risk and safety and what the screen does not assess, one section per column of the
// results table, what reporters' disagreement means, then the summary statistics.
std::span<const GuideSection> InterpretationGuidelines();

}  // namespace orva::texts::print
