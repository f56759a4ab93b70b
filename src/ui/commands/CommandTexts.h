#pragma once

// Texts of the commands that the product's own messages do not word.
namespace orva::texts {

// A print job that could not start (no printer, a PDF file that cannot be written) or that
// the printer ended in error.
inline constexpr const char* kPrintFailedCaption = "Print Error";
inline constexpr const char* kPrintFailed =
    "The report could not be printed.\n\nPlease check the printer (or the PDF file name) and try again.";

// The export cannot ask for a password that this computer does not have, or whose file it
// cannot trust or read; the administrator must put that right first.
inline constexpr const char* kExportPasswordsCaption = "Export Password";
inline constexpr const char* kNoExportPasswordSet =
    "No export password is set on this computer.\n\nAn administrator sets one with\n"
    "    orva-cli set-export-password SLOT";
inline constexpr const char* kExportPasswordsUnsafe =
    "The export passwords are not used: their file, or a folder\n"
    "above it, could be changed by someone other than the\nadministrator.\n\n"
    "An administrator makes the file and every folder above it\n"
    "owned by the administrator and writable by the\nadministrator only. To be put right:\n    ";
inline constexpr const char* kExportPasswordsUnreadable = "The export passwords could not be read from\n    ";

}  // namespace orva::texts
