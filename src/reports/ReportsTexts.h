#pragma once

// Fixed texts of the report outputs: the RTF report, the CSV export with its two dialogs, the
// analysis Save As dialog and the export passwords, exactly as the product shows them.
namespace orva::texts {

// ---- RTF report -------------------------------------------------------------------------

inline constexpr const char* kStrictlyConfidential = "Strictly Confidential";
inline constexpr const char* kProductName = "Child and Adolescent Orvantis";
inline constexpr const char* kReportForm = "Report Form";
inline constexpr const char* kFooterReportForm = " Report Form";
inline constexpr const char* kInfoAuthor = "ORVA";
inline constexpr const char* kInfoOperator = "User";

// The outline. The product name and the manual's title are set in italics, so the
// paragraphs are held in the pieces between the italic and the upright runs.
inline constexpr const char* kOutlineHeading = "BRIEF OUTLINE OF THE ORVA";
inline constexpr const char* kOutline1Before = "The ";
inline constexpr const char* kOutline1Name = "Child and Adolescent Orvantis";
inline constexpr const char* kOutline1Between = " (";
inline constexpr const char* kOutline1Short = "ORVA";
inline constexpr const char* kOutline1After =
    ") is an instrument comprising screening criteria for 20 of the most common disorders found in children "
    "and adolescents.";
inline constexpr const char* kOutline2Before = "The screening criteria of the ";
inline constexpr const char* kOutline2Short = "ORVA";
inline constexpr const char* kOutline2Between = " closely resemble the diagnostic criteria listed in the ";
inline constexpr const char* kOutline2Manual =
    "Diagnostic and Statistical Manual of Mental Disorders-Fourth Edition-Text Revision";
inline constexpr const char* kOutline2After = " (DSM-IV-TR; APA 2000).";
inline constexpr const char* kOutline3 =
    "It is important to note that a positive screen for any of the disorders does not indicate a formal "
    "diagnosis. It merely indicates that the individual has met sufficient criteria for a disorder to "
    "warrant "
    "further investigation by an appropriate health professional.";

inline constexpr const char* kResultsHeadingShort = "ORVA";
inline constexpr const char* kResultsHeadingRest = " RESULTS";

// Labels of the person's details, as every report shows them: the RTF report, the printed
// report and the analysis form.
inline constexpr const char* kLabelName = "Name:";
inline constexpr const char* kLabelAddress = "Address:";
inline constexpr const char* kLabelPhone = "Phone:";
inline constexpr const char* kLabelParent = "Parent:";
inline constexpr const char* kLabelTeacher = "Teacher:";
inline constexpr const char* kLabelGender = "Gender:";
inline constexpr const char* kLabelDateOfBirth = "Date of Birth:";
inline constexpr const char* kLabelAgeAtCompletion = "Age at Completion:";
inline constexpr const char* kLabelCompletionDate = "Completion Date:";
inline constexpr const char* kLabelSchoolYear = "School Year:";
inline constexpr const char* kLabelSchool = "School:";

// Results table heading row; a cell's lines are separate paragraphs.
inline constexpr const char* kHeadDisorder = "Disorder";
inline constexpr const char* kHeadExclusive = "# indicates mutually exclusive screens";
inline constexpr const char* kHeadCutoff = "Positive Screen Cutoff";
inline constexpr const char* kHeadSelfScore = "Self-Report Score";
inline constexpr const char* kHeadParentScore = "Parent-Report Score";
inline constexpr const char* kHeadTeacherScore = "Teacher-Report Score";
inline constexpr const char* kHeadCutoffAttained = "Cutoff Attained";
inline constexpr const char* kHeadItemsMet = "Positive Screen Items Met";
inline constexpr const char* kHeadSelfItems = "[Self-Report Items Met]";
inline constexpr const char* kHeadParentItems = "(Parent-Report Items Met)";
inline constexpr const char* kHeadTeacherItems = "<Teacher-Report Items Met>";

// Disorder labels of the results table, in report order, each on one line.
inline constexpr const char* kRtfRowLabels[23] = {
    "Generalised anxiety disorder",
    "Obsessive-compulsive disorder",
    "Post-traumatic stress disorder",
    "Separation anxiety disorder",
    "Attention-deficit/hyperactivity disorder, hyperactive-impulsive type (#1)",
    "Attention-deficit/hyperactivity disorder, inattentive type (#1)",
    "Attention-deficit/hyperactivity disorder, combined type (#1)",
    "Conduct disorder (#2)",
    "Oppositional defiant disorder (#2)",
    "Expressive language disorder (#3)",
    "Mixed receptive-expressive language disorder (#3)",
    "Phonological disorder",
    "Dysthymic disorder",
    "Anorexia nervosa",
    "Bulimia nervosa",
    "Disorder of written expression",
    "Mathematics disorder",
    "Reading disorder",
    "Asperger's disorder (#4)",
    "Autistic disorder (#4)",
    "Tic disorder-motor (#5)",
    "Tic disorder-vocal (#5)",
    "Tourette's disorder (#5)",
};
// Second line of the two pervasive developmental rows.
inline constexpr const char* kTotalScoreAlsoEvaluated = "(Total score also evaluated)";

// Reliability table.
inline constexpr const char* kHeadReliability = "Reliability Measure";
inline constexpr const char* kHeadOmegaStatistic = "(Omega Statistic)";
inline constexpr const char* kHeadOmegaCutoff = "Omega Cutoff";
inline constexpr const char* kHeadSelfOmega = "Self Report Omega";
inline constexpr const char* kHeadParentOmega = "Parent Report Omega";
inline constexpr const char* kHeadTeacherOmega = "Teacher Report Omega";
inline constexpr const char* kHeadReliabilityAttained = "Reliability Attained";
inline constexpr const char* kHeadReliabilityComments = "Comments on Reliability";
inline constexpr const char* kRtfOmegaRange = "Range: -1 to +1";
inline constexpr const char* kRtfOmegaCutoff = ">0.07";

// Comments.
inline constexpr const char* kComments = "Comments:";
inline constexpr const char* kSelfCommentOpen = "[Self: ";
inline constexpr const char* kSelfCommentClose = "]";
inline constexpr const char* kParentCommentOpen = "(Parent: ";
inline constexpr const char* kParentCommentClose = ")";
inline constexpr const char* kTeacherCommentOpen = "{Teacher: ";
inline constexpr const char* kTeacherCommentClose = "}";
inline constexpr const char* kNoSelfComment = "[No additional 'Self-Report' comments were supplied]";
inline constexpr const char* kNoParentComment = "(No additional 'Parent-Report' comments were supplied)";
inline constexpr const char* kNoTeacherComment = "{No additional 'Teacher-Report' comments were supplied}";

// Joins of the prepared texts.
inline constexpr const char* kLineBreak = "\r\n";
inline constexpr const char* kAddressJoin = "   ";

// ---- CSV export -------------------------------------------------------------------------

inline constexpr const char* kCsvHeader =
    "Version,Data Entry,First Name,Last Name,Street Address,Town/Suburb,State,Postcode,Country,Phone,Phone2,"
    "Email,Gender,School Year,School,Birth Year,Birth Month,Birth Day,Completion Year,Completion Month,"
    "Completion Day,Save Year,Save Month,Save Day,Save Hour,Save Minute,Save Second,Reporter,Observer Name,"
    "Observer Relationship,Observer Contact,Observer Comment,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,"
    "20,21,22,23,24,25,26,27,28,29,30,31,32,33,34,35,36,37,38,39,40,41,42,43,44,45,46,47,48,49,50,51,52,53,"
    "54,"
    "55,56,57,58,59,60,61,62,63,64,65,66,67,68,69,70,71,72,73,74,75,76,77,78,79,80,81,82,83,84,85,86,87,88,"
    "89,"
    "90,91,92,93,94,95,96,97,98,99,100,101,102,103,104,105,106,107,108,109,110,111\r\n";
inline constexpr const char* kCsvVersion = "ORVA 4.0  ";
inline constexpr const char* kCsvPaper = "Paper";
inline constexpr const char* kCsvOnScreen = "On-Screen";

// Export password dialog.
inline constexpr const char* kPasswordCaption = "Export Questionnaire File - Password";
inline constexpr const char* kPasswordPrompt = "Please enter your password.";
inline constexpr const char* kWrongPasswordCaption = "Wrong Password";
inline constexpr const char* kWrongPassword =
    "Sorry, but the password you entered is not correct.\n\nIf you need help with the password please "
    "contact\nyour system administrator for assistance.";

// Export dialog.
inline constexpr const char* kExportCaption = "Export Questionnaire File";
inline constexpr const char* kExportRecordFileLabel = "Child and Adolescent Orvantis File:";
inline constexpr const char* kExportFileLabel = "Export File:";
inline constexpr const char* kBrowseButton = "Browse ...";
inline constexpr const char* kRpcSuffixLabel = ".rpc";
inline constexpr const char* kCsvSuffixLabel = ".csv";
inline constexpr const char* kExportExplanation =
    "A 'Comma Separated Variable' (.csv) file will allow you to import into many applications including a "
    "Microsoft Excel spreadsheet.";
inline constexpr const char* kExportNote1 =
    "Note:  A Child and Adolescent Orvantis file (*.rpc) maintains data privacy of the details of clients by "
    "encrypting the";
inline constexpr const char* kExportNote2 =
    "data in a way that can only be read by the ORVA application.  However, once you export to a file "
    "(*.csv), "
    "that file can be read as normal text by other applications.";
inline constexpr const char* kExportPrivacyCheck =
    "I accept responsibility for data privacy of the export file.";
inline constexpr const char* kExportButton = "Export";
inline constexpr const char* kCancelButton = "Cancel";
inline constexpr const char* kOkButton = "OK";

inline constexpr const char* kRecordFileFilter = "ORVA Files (*.rpc)|*.rpc||";
inline constexpr const char* kCsvFileFilter = "Comma Separated Variable Files (*.csv)|*.csv||";
inline constexpr const char* kBrowseCsvFile =
    "You must enter a CSV filename (*.csv).  For example:  c:/export_files/export_ORVA_2005.csv";

inline constexpr const char* kExportNameCaption = "Export File Name";
inline constexpr const char* kExportNameChanged =
    "The default Export File name has changed because the ORVA file name has changed";

inline constexpr const char* kPrivacyCaption = "Data Privacy Responsibility";
inline constexpr const char* kExportPrivacy =
    "To proceed with the export, you must check the box indicating\nthat you accept responsibility for the "
    "privacy of the data.";

// The "File Exists" box, shared with the analysis Save As dialog.
inline constexpr const char* kFileExistsCaption = "File Exists";
inline constexpr const char* kFileExists = "The file already exists.";
inline constexpr const char* kFileExistsQuestion = "Do you want to replace it?";
inline constexpr const char* kYesButton = "Yes";
inline constexpr const char* kNoButton = "No";

// Open failures of the record file, the export file and the report file: the file name with
// its extension goes between the start and the tail.
inline constexpr const char* kRecordFileErrorCaption = "ORVA File Error";
inline constexpr const char* kFileQuoted = "The file\n\t'";
inline constexpr const char* kNotRecordFormatTail = "'\nis not in a ORVA file format";
inline constexpr const char* kInUseTail = "'\nis in use by another application";
inline constexpr const char* kNoAccess = "You do not have access to the file\n\t'";
inline constexpr const char* kClosingQuote = "'";
inline constexpr const char* kNotFoundTail = "'\nwas not found";
inline constexpr const char* kPathQuoted = "The path to file\n\t'";
inline constexpr const char* kOpenOrReadError = "There was an error opening or reading the file\n\t'";

inline constexpr const char* kExportFileErrorCaption = "Export File Error";

// Outcome of a run.
inline constexpr const char* kExportOkCaption = "Export OK";
inline constexpr const char* kExportOkStart = "The ORVA file \n\n\t";
inline constexpr const char* kExportOkMiddle = ".rpc\n\nwas exported to\n\n\t";
inline constexpr const char* kExportOkEnd = ".csv";
// A write of the CSV that failed (a full disk, say): nothing of it is kept.
inline constexpr const char* kExportNotWrittenStart = "The ORVA file \n\t";
inline constexpr const char* kExportNotWrittenMiddle = ".rpc\n\nwas not exported: the file\n\t";
inline constexpr const char* kExportNotWrittenEnd = ".csv\ncould not be written in full, so none of it was kept.";
inline constexpr const char* kExportDiskFull = "\n\nThe disk is full.";
// An output named like a record file, or as the record file being read: never replaced.
inline constexpr const char* kOutputIsRecordFileTail =
    "'\nis a Child and Adolescent Orvantis file (*.rpc).\nA report or an export never replaces one:\nplease "
    "choose another name.";
inline constexpr const char* kExportProblemCaption = "Export File Problem";
inline constexpr const char* kExportProblemFormat =
    "The ORVA file \n\t%s.rpc\n\nwas partially exported to\n\t%s.csv\n\nNumber of Records:\t%5u\nRecords "
    "Written:\t%5u\nCould Not Read:\t%5u\nCould Not Import:\t%5u\nCould Not Write:\t%5u";

// ---- Analysis Save As dialog ------------------------------------------------------------

inline constexpr const char* kSaveAsCaption = "Analysis - Save As";
inline constexpr const char* kSaveAsLabel = "Save As:";
inline constexpr const char* kRtfSuffixLabel = ".rtf";
inline constexpr const char* kSaveAsExplanation =
    "A 'Rich Text Format' (.rtf) file will allow you to view the analysis in many applications including "
    "Microsoft Word.";
inline constexpr const char* kSaveAsNote1 =
    "Note:  A Child and Adolescent Orvantis File (*.rpc) maintains data privacy of the details of clients by "
    "encrypting the";
inline constexpr const char* kSaveAsNote2 =
    "data in a way that can only be read by the ORVA application.  However, once you save to a file (*.rtf) "
    "that file can be read by other applications.";
inline constexpr const char* kSaveAsPrivacyCheck =
    "I accept responsibility for data privacy of the .rtf file";

inline constexpr const char* kNoAnalysisCaption = "No Analysis Selection";
inline constexpr const char* kNoAnalysis = "There is no selection for the analysis to occur";

inline constexpr const char* kRtfFileFilter = "Rich Text Format Files (*.rtf)|*.rtf||";
inline constexpr const char* kBrowseRtfFile =
    "You must enter an RTF filename (*.rtf).  For example:  c:/analysis_files/jane_smith.rtf";

inline constexpr const char* kSavePrivacy =
    "To proceed with the save, you must check the box indicating\nthat you accept responsibility for the "
    "privacy "
    "of the data.";
inline constexpr const char* kFileNameErrorCaption = "File Name Error";
inline constexpr const char* kNoSaveFileName =
    "You must specify a file name.\n\nYou may like to use the 'Browse ...' button.";
inline constexpr const char* kInvalidSaveFileName =
    "You must specify a valid file name.\n\nYou may like to use the 'Browse ...' button.";

inline constexpr const char* kSaveFileErrorCaption = "Save File Error";
inline constexpr const char* kSaveSuccessfulCaption = "Save Successful";
inline constexpr const char* kSaveSuccessfulStart = "The Rich Text Format file \n\n    ";
inline constexpr const char* kSaveSuccessfulEnd = ".rtf\n\nhas been saved";
// A write that fails after the file was opened: nothing of the report is kept.
inline constexpr const char* kSaveNotWrittenStart = "There was an error writing the file\n\t'";
inline constexpr const char* kSaveNotWrittenEnd = ".rtf'\nThe report was not saved.";

// What is wrong with an imported CSV, in the order of CsvProblem; "%d" takes the number the
// problem concerns.
inline constexpr const char* kCsvProblems[] = {
    "the file is empty; it must start with the header row of an ORVA export",
    "is not the header row of an ORVA export",
    "the file holds no record row",
    "is one row too many: a record file holds at most %d records",
    "has %d columns; every row of an ORVA export has 143",
    "must be \"ORVA 4.0  \" (with two blanks at the end)",
    "must be Paper or On-Screen",
    "is longer than %d characters",
    "holds a character that a record file cannot keep (a control character or the euro sign)",
    "holds a double quote, which an ORVA export never writes",
    "is empty; first and last name are required",
    "must be F, M, U or X",
    "is empty; the date of birth is required",
    "must be a year of four digits",
    "must be a month of one or two digits",
    "must be a day of one or two digits",
    "must lie between 1901 and 2099",
    "must lie between 1 and 12",
    "is not a day of that month",
    "gives a completion date after today",
    "must be Self, Parent or Teacher",
    "must be one digit 0 to 5, or empty",
    "holds a character that a record file cannot keep (it is not in Windows-1252)",
    "gives a date of birth after today",
    "gives a completion date before the date of birth",
    "gives a save date and time after now",
    "is an item not asked of teachers; a Teacher-report leaves it empty",
};

// The encodings an imported CSV is read in.
inline constexpr const char* kEncodingUtf8 = "UTF-8";
inline constexpr const char* kEncodingWindows1252 = "Windows-1252";

// ---- Export passwords -------------------------------------------------------------------

inline constexpr const char* kPasswordFileName = "export-passwords";
inline constexpr const char* kMachineSettingsFolder = "/etc/orva";
// On Windows: below the machine's program-data folder, as the registry key names the program.
inline constexpr const char* kWindowsProgramData = "C:\\ProgramData";
inline constexpr const char* kWindowsSettingsSubfolder = "\\Kelbrin\\ORVA";

}  // namespace orva::texts
