#pragma once

#include "ui/ProgramTexts.h"

// Fixed texts of the application shell: titles, menus, toolbar tips, the About box and the
// welcome screen, exactly as the product shows them. A menu text's part after "\t" is the
// command's shortcut.
namespace orva::texts {

// The executable's own name, as "--version" prints it.
inline constexpr const char* kProgramName = "orva";
inline constexpr const char* kMainWindowTitle = "Child and Adolescent Orvantis";
// The view's two pages as screen readers name them.
inline constexpr const char* kWelcomeAccessible = "Welcome";
inline constexpr const char* kAnalysisAccessible = "ORVA Analysis";

inline constexpr const char* kMenuFile = "&File";
inline constexpr const char* kMenuOrva = "&ORVA";
inline constexpr const char* kMenuView = "&View";
inline constexpr const char* kMenuHelp = "&Help";

inline constexpr const char* kCommandExport = "&Export a Questionnaire File ...";
inline constexpr const char* kCommandPrint = "&Print ...\tCtrl+P";
inline constexpr const char* kCommandPrintPreview = "Print Pre&view ...";
inline constexpr const char* kCommandSaveAs = "Save As ...";
inline constexpr const char* kCommandExit = "E&xit";
inline constexpr const char* kCommandCompleteOnScreen = "Complete on sc&reen ...\tCtrl+R";
inline constexpr const char* kCommandEnterResponses = "&Enter responses ...\tCtrl+E";
inline constexpr const char* kCommandAnalysis = "&Analysis ...\tCtrl+A";
inline constexpr const char* kCommandEdit = "E&dit ...";
inline constexpr const char* kCommandCompareReporters = "&Compare Reporters ...";
inline constexpr const char* kCommandPersonHistory = "Person &History ...";
inline constexpr const char* kCommandToolbar = "&Toolbar";
inline constexpr const char* kCommandAbout = "&About Child and Adolescent Orvantis ...";
inline constexpr const char* kCommandWebsite = "&Orvantis Website ...";

inline constexpr const char* kTipPrint = "Print";
inline constexpr const char* kTipSaveAs = "Save As ... a .rtf file";
inline constexpr const char* kTipCompleteOnScreen = "ORVA Complete on screen";
inline constexpr const char* kTipEnterResponses = "ORVA Enter responses";
inline constexpr const char* kTipAnalysis = "ORVA Analysis";
inline constexpr const char* kTipAbout = "About";
inline constexpr const char* kTipWebsite = kWebAddress;

inline constexpr const char* kAboutCaption = "About Child and Adolescent Orvantis";
// Followed by the version: "Child and Adolescent Orvantis Version 4.0".
inline constexpr const char* kAboutVersionPrefix = "Child and Adolescent Orvantis Version ";
inline constexpr const char* kAboutCopyright = "Copyright 2026 Kelbrin";
inline constexpr const char* kAboutLicence = "Released under the Apache License, Version 2.0.";
inline constexpr const char* kOk = "OK";

// The command line: orva --help.
inline constexpr const char* kProgramDescription =
    "Child and Adolescent Orvantis: screening children and adolescents for mental-health, communication and "
    "learning problems.";
inline constexpr const char* kFileArgument = "FILE";
inline constexpr const char* kFileArgumentHelp = "A record file (.rpc) to choose in the Analysis dialog.";
inline constexpr const char* kFileArgumentSyntax = "[FILE]";
inline constexpr const char* kOneRecordFileOnly = "orva: name one record file at most\n";

// The welcome screen: left edge x and top y in pixels, colour, text.
struct WelcomeLine {
    int x;
    int y;
    int red;
    int green;
    int blue;
    const char* text;
};

inline constexpr WelcomeLine kWelcomeLines[] = {
    {20, 150, 58, 16, 124,
     "To complete a ORVA Self-report, Parent-report or Teacher-report on screen, please select from the pull-down "
     "menu in the"},
    {20, 167, 58, 16, 124, "toolbar above:"},
    {40, 184, 179, 106, 197, "ORVA"},
    {60, 201, 179, 106, 197, "Complete on screen ...   Ctrl+R"},
    {20, 222, 58, 16, 124,
     "To input the responses from a completed ORVA Self-report, Parent-report or Teacher-report paper copy, please "
     "select"},
    {20, 239, 58, 16, 124, "from the pull-down menu in the toolbar above:"},
    {40, 256, 179, 106, 197, "ORVA"},
    {60, 273, 179, 106, 197, "Enter responses ...   Ctrl+E"},
    {20, 294, 58, 16, 124,
     "To analyse the data of a ORVA Self-report, Parent-report and/or Teacher-report, please select from the "
     "pull-down menu in"},
    {20, 311, 58, 16, 124, "the toolbar above:"},
    {40, 328, 179, 106, 197, "ORVA"},
    {60, 345, 179, 106, 197, "Analysis ...   Ctrl+A"},
    {20, 366, 58, 16, 124,
     "To print a ORVA report, please select from the pull-down menu in the toolbar above:"},
    {40, 383, 179, 106, 197, "ORVA"},
    {60, 400, 179, 106, 197, "Analysis ...   Ctrl+A"},
    {80, 417, 179, 106, 197, "Select the required Self-report, Parent-report and/or Teacher-report for analysis"},
    {100, 434, 179, 106, 197,
     "Click 'Analyse' and print the report using  'File - Print'  or any of the other print shortcuts"},
};

}  // namespace orva::texts
