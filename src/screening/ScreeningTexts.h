#pragma once

// Fixed texts of screening and analysis, exactly as the product shows them.
namespace orva::texts {

// Group headings placed above each group of rows by the printed and RTF reports.
inline constexpr const char* kGroupAnxiety = "ANXIETY DISORDERS";
inline constexpr const char* kGroupAttentionDisruptive = "ATTENTION-DEFICIT and DISRUPTIVE BEHAVIOUR DISORDERS";
inline constexpr const char* kGroupCommunication = "COMMUNICATION DISORDERS";
inline constexpr const char* kGroupDepressive = "DEPRESSIVE DISORDERS";
inline constexpr const char* kGroupEating = "EATING DISORDERS";
inline constexpr const char* kGroupLearning = "LEARNING DISORDERS";
inline constexpr const char* kGroupPervasive = "PERVASIVE DEVELOPMENTAL DISORDERS";
inline constexpr const char* kGroupTic = "TIC DISORDERS";

// Row labels of the screening grid ("\n" breaks the label inside its cell).
inline constexpr const char* kLabelGad = "Generalised anxiety disorder";
inline constexpr const char* kLabelOcd = "Obsessive-compulsive disorder";
inline constexpr const char* kLabelPtsd = "Post-traumatic stress disorder";
inline constexpr const char* kLabelSad = "Separation anxiety disorder";
inline constexpr const char* kLabelAdhdHi =
    "Attention-deficit/hyperactivity disorder,\nhyperactive-impulsive type (#1)";
inline constexpr const char* kLabelAdhdI = "Attention-deficit/hyperactivity disorder,\ninattentive type (#1)";
inline constexpr const char* kLabelAdhdC = "Attention-deficit/hyperactivity disorder,\ncombined type (#1)";
inline constexpr const char* kLabelCd = "Conduct disorder (#2)";
inline constexpr const char* kLabelOdd = "Oppositional defiant disorder (#2)";
inline constexpr const char* kLabelEld = "Expressive language disorder (#3)";
inline constexpr const char* kLabelMreld = "Mixed receptive-expressive language\ndisorder (#3)";
inline constexpr const char* kLabelPd = "Phonological disorder";
inline constexpr const char* kLabelDd = "Dysthymic disorder";
inline constexpr const char* kLabelAn = "Anorexia nervosa";
inline constexpr const char* kLabelBn = "Bulimia nervosa";
inline constexpr const char* kLabelDwe = "Disorder of written expression";
inline constexpr const char* kLabelMd = "Mathematics disorder";
inline constexpr const char* kLabelRd = "Reading disorder";
inline constexpr const char* kLabelAsd = "Asperger's disorder (#4)\n(Total score also evaluated)";
inline constexpr const char* kLabelAd = "Autistic disorder (#4)\n(Total score also evaluated)";
inline constexpr const char* kLabelTicM = "Tic disorder-motor (#5)";
inline constexpr const char* kLabelTicV = "Tic disorder-vocal (#5)";
inline constexpr const char* kLabelTd = "Tourette's disorder (#5)";

// Cutoff labels of the "Positive Screen Cutoff" column; one line per count, except the
// second PTSD line, which states the Teacher allowance.
inline constexpr const char* kCutoffGad = ">=1\n>=3";
inline constexpr const char* kCutoffAtLeast3 = ">=3";
inline constexpr const char* kCutoffPtsd = ">=3\n{TRS>=2}";
inline constexpr const char* kCutoffAdhdOneType = ">=6\n<6";
inline constexpr const char* kCutoffAdhdCombined = ">=6\n>=6";
inline constexpr const char* kCutoffOdd = ">=4\n<3";
inline constexpr const char* kCutoffEld = ">=2\n=0";
inline constexpr const char* kCutoffMreld = ">=2\n>=1";
inline constexpr const char* kCutoffPd = "=2";
inline constexpr const char* kCutoffDd = ">=1\n>=2";
inline constexpr const char* kCutoffAtLeast2 = ">=2";
inline constexpr const char* kCutoffAsd = ">=2\n>=1\n=0";
inline constexpr const char* kCutoffAd = ">=2\n>=1\n>=1";
inline constexpr const char* kCutoffTicOne = "=1\n=0";
inline constexpr const char* kCutoffTd = "=1\n=1";

// Combined rows.
inline constexpr const char* kYes = "YES";
inline constexpr const char* kNo = "NO";
inline constexpr const char* kNotAssessedInTrf = "Not Assessed in the TRF";
inline constexpr const char* kSingleBlank = " ";
inline constexpr const char* kItemSeparator = ", ";  // between the items of one reporter's list
inline constexpr const char* kItemsMetJoin = "; ";   // between the lists of the reporters

// Screening grid: column headings (row 0) and the label of the last row.
inline constexpr const char* kScreeningHeadings[7] = {
    "Disorder\n  # indicates mutually exclusive screens",
    "Positive\nScreen\nCutoff",
    "Self-\nReport\nScore",
    "Parent-\nReport\nScore",
    "Teacher-\nReport\nScore",
    "Cutoff\nAttained",
    ("Positive Screen Items Met\n       [Self-Report Items Met]\n       (Parent-Report Items Met)\n       "
     "{Teacher-Report Items Met}"),
};
inline constexpr const char* kNumberOfPositiveScreens = "Number of positive screens";

// Reliability grid: the heading row and the fixed cells of the value row.
inline constexpr const char* kReliabilityHeadings[7] = {
    "\r\n\r\nReliability Measure (Omega Statistic)",
    "\r\nOmega\r\nCutoff",
    "Self-\r\nReport\r\nOmega",
    "Parent-\r\nReport\r\nOmega",
    "Teacher-\r\nReport\r\nOmega",
    "\r\nReliability\r\nAttained",
    "\r\n\r\nComments on Reliability",
};
inline constexpr const char* kOmegaRange = "Range: -1 to +1";
inline constexpr const char* kOmegaCutoffLabel = ">=0.07";
inline constexpr const char* kOmegaNoValue = "---";

// Comments on reliability, one sentence per present report, joined by three blanks.
inline constexpr const char* kTooFewSelf = "Too few Self-report responses to calculate Omega.";
inline constexpr const char* kAboveSelf = "The Self-report was above the Omega cutoff.";
inline constexpr const char* kBelowSelf = "The Self-report was below the Omega cutoff.";
inline constexpr const char* kTooFewParent = "Too few Parent-report responses to calculate Omega.";
inline constexpr const char* kAboveParent = "The Parent-report was above the Omega cutoff.";
inline constexpr const char* kBelowParent = "The Parent-report was below the Omega cutoff.";
inline constexpr const char* kTooFewTeacher = "Too few Teacher-report responses to calculate Omega.";
inline constexpr const char* kAboveTeacher = "The Teacher-report was above the Omega cutoff.";
inline constexpr const char* kBelowTeacher = "The Teacher-report was below the Omega cutoff.";
inline constexpr const char* kCommentSeparator = "   ";

// Items to follow up, shown by every output of an analysis whatever its rows say.
inline constexpr const char* kFollowUpHeading = "Items to follow up";
inline constexpr const char* kNoneEndorsed = "None endorsed";
inline constexpr const char* kFollowUpNote =
    "These items are listed whenever a reporter endorses them, whatever the rows show: an upsetting event "
    "(items 2, 7, 111), leaving home or staying out (16, 41), restrictive eating or exercise for weight "
    "(20, 79), harm to people or animals (30, 73, 82, 88). No item asks about suicide or self-harm: ask "
    "directly.";
inline constexpr const char* kFollowUpColumns[4] = {"Item", "Reporter", "Answer", "Wording"};
inline constexpr const char* kFollowUpReporters[3] = {"Self", "Parent", "Teacher"};

// Choosing the records of an analysis.
inline constexpr const char* kNoSelectionCaption = "No Selection";
inline constexpr const char* kNoSelection =
    "You have not made a selection.\n\nEnter the name, date of birth and file to search\nthen click the "
    "'Load/Reload Matching ORVA Records' button.\n\nIf any matching records have been found you can\nthen select one "
    "from the list.";
inline constexpr const char* kTooManySelectionsCaption = "Too Many Selections";
inline constexpr const char* kTooManySelections =
    "You are limited to select at most three assessments.\n\nPlease select at most one of each of\n\nSelf "
    "Assessment, Parent Assessment and Teacher Assessment.";
inline constexpr const char* kMultipleSelfCaption = "Multiple Self Assessments";
inline constexpr const char* kMultipleSelf =
    "You have selected more than one Self Assessment.\n\nYou are limited to select at most one of each of\n\nSelf "
    "Assessment, Parent Assessment and Teacher Assessment.";
inline constexpr const char* kMultipleParentCaption = "Multiple Parent Assessments";
inline constexpr const char* kMultipleParent =
    "You have selected more than one Parent Assessment.\n\nYou are limited to select at most one of each of\n\nSelf "
    "Assessment, Parent Assessment and Teacher Assessment.";
inline constexpr const char* kMultipleTeacherCaption = "Multiple Teacher Assessments";
inline constexpr const char* kMultipleTeacher =
    "You have selected more than one Teacher Assessment.\n\nYou are limited to select at most one of each "
    "of\n\nSelf Assessment, Parent Assessment and Teacher Assessment.";
inline constexpr const char* kReadErrorCaption = "Read Error";
inline constexpr const char* kReadError =
    "There was an error trying to read the records you have selected.\n\nPlease try again.";

// Comparing the reporters of an analysis.
inline constexpr const char* kNotAskedOfTeachers = "not asked of teachers";
inline constexpr const char* kNoFigure = "---";
inline constexpr const char* kPercent = "%";
inline constexpr const char* kPairJoin = " and ";
inline constexpr const char* kAgreementExplanation =
    "Identical: the share of the items both reporters answered that they answered alike. Pearson r: how "
    "closely their answers rise and fall together over those items, from -1 (opposite) through 0 (no "
    "relation) to +1 (in step); --- with fewer than 3 such items or when one of them gave the same answer "
    "to all of them. Both describe these two reports only; neither is a statistical test.";

}  // namespace orva::texts
