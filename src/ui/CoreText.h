#pragma once

#include <QString>
#include <optional>
#include <string>

namespace orva {

// The UI's side of the one text conversion: the core's Windows-1252 bytes to Qt text and back.
class CoreText {
public:
    // The program's own fixed texts, which are written in UTF-8 (in practice ASCII).
    static QString Fixed(const char* text);
    static QString ToQt(const std::string& bytes);
    // Nothing when `text` holds a character Windows-1252 cannot represent, so the caller can
    // refuse it instead of storing a different text.
    static std::optional<std::string> FromQt(const QString& text);
};

// A name as the core words its messages (Windows-1252), or its file-system form when the text
// holds characters Windows-1252 cannot.
std::string MessageName(const QString& name);

}  // namespace orva
