#pragma once

// Texts of the commands that the product's own messages do not word.
namespace orva::texts {

// A print job that could not start (no printer, a PDF file that cannot be written) or that
// the printer ended in error.
inline constexpr const char* kPrintFailedCaption = "Print Error";
inline constexpr const char* kPrintFailed =
    "The report could not be printed.\n\nPlease check the printer (or the PDF file name) and try again.";

}  // namespace orva::texts
