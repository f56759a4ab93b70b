#include "ui/CoreText.h"

#include <QFile>

#include "model/Cp1252.h"

namespace orva {

QString CoreText::Fixed(const char* text) {
    return QString::fromUtf8(text);
}

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

std::string MessageName(const QString& name) {
    if (auto text = CoreText::FromQt(name)) return *text;
    return QFile::encodeName(name).toStdString();
}

}  // namespace orva
