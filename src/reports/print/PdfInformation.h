#pragma once

#include <string>

namespace orva {

// The document information a PDF file shows in a file manager's or reader's properties.
struct PdfInformation {
    std::string title;
    std::string author;
    std::string subject;
    std::string creator;
    std::string creationDate;  // "D:YYYYMMDDHHmmSSZ"
};

// Qt's PDF writer sets only a title and a creator. This appends to `pdf`, a whole PDF file as
// Qt writes it, an incremental update whose document information takes the place of the first,
// as every reader takes the last. False, with `pdf` untouched, when its trailer cannot be read.
bool AppendPdfInformation(std::string& pdf, const PdfInformation& information);

}  // namespace orva
