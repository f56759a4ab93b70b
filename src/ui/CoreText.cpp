#include "ui/CoreText.h"

#include "model/Cp1252.h"

namespace orva {

QString CoreText::ToQt(const std::string& bytes) {
    return QString::fromStdString(Cp1252::ToUtf8(bytes));
}

std::optional<std::string> CoreText::FromQt(const QString& text) {
    int unmappable = 0;
    std::string bytes = Cp1252::FromUtf8(text.toStdString(), '?', &unmappable);
    if (unmappable != 0) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace orva
