#pragma once

#include <QString>
#include <optional>
#include <string>

namespace orva {

// The UI's side of the one text conversion: the core's Windows-1252 bytes to Qt text and back.
class CoreText {
public:
    static QString ToQt(const std::string& bytes);
    // Nothing when `text` holds a character Windows-1252 cannot represent, so the caller can
    // refuse it instead of storing a different text.
    static std::optional<std::string> FromQt(const QString& text);
};

}  // namespace orva
