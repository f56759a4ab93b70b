#include "reports/print/PdfInformation.h"

#include <cstdio>
#include <regex>

namespace orva {

namespace {

// A PDF literal string: its parentheses and backslashes escaped.
std::string Literal(const std::string& text) {
    std::string literal = "(";
    for (char c : text) {
        if (c == '(' || c == ')' || c == '\\') literal += '\\';
        literal += c;
    }
    return literal + ")";
}

// One entry of a cross-reference table: exactly 20 bytes.
std::string XrefEntry(std::size_t offset) {
    char entry[21];
    std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
    return entry;
}

}  // namespace

bool AppendPdfInformation(std::string& pdf, const PdfInformation& information) {
    // The last trailer names the catalogue and the object count; startxref the table it extends.
    const std::size_t trailer = pdf.rfind("trailer");
    if (trailer == std::string::npos) return false;
    const std::string tail = pdf.substr(trailer);
    std::smatch size;
    std::smatch root;
    std::smatch previous;
    if (!std::regex_search(tail, size, std::regex("/Size\\s+(\\d+)")) ||
        !std::regex_search(tail, root, std::regex("/Root\\s+(\\d+\\s+\\d+)\\s+R")) ||
        !std::regex_search(tail, previous, std::regex("startxref\\s+(\\d+)\\s+%%EOF\\s*$"))) {
        return false;
    }
    const unsigned long object = std::stoul(size[1]);

    std::string update = pdf.back() == '\n' ? "" : "\n";
    const std::size_t objectOffset = pdf.size() + update.size();
    update += std::to_string(object) + " 0 obj\n<<\n/Title " + Literal(information.title) + "\n/Author " +
              Literal(information.author) + "\n/Subject " + Literal(information.subject) + "\n/Creator " +
              Literal(information.creator) + "\n/CreationDate " + Literal(information.creationDate) +
              "\n>>\nendobj\n";
    const std::size_t xrefOffset = pdf.size() + update.size();
    update += "xref\n" + std::to_string(object) + " 1\n" + XrefEntry(objectOffset);
    update += "trailer\n<<\n/Size " + std::to_string(object + 1) + "\n/Root " + root[1].str() + " R\n/Info " +
              std::to_string(object) + " 0 R\n/Prev " + previous[1].str() + "\n>>\nstartxref\n" +
              std::to_string(xrefOffset) + "\n%%EOF\n";
    pdf += update;
    return true;
}

}  // namespace orva
