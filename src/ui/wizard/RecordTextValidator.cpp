// SPDX-License-Identifier: Apache-2.0
#include "ui/wizard/RecordTextValidator.h"

#include "model/Cp1252.h"

namespace orva {

namespace {
constexpr char32_t kEuro = 0x20AC;
}

RecordTextValidator::RecordTextValidator(int maxBytes, bool multiLine, QObject* parent)
    : QValidator(parent), maxBytes_(maxBytes), multiLine_(multiLine) {}

bool RecordTextValidator::Holds(const QString& text) const {
    int bytes = 0;
    for (char32_t c : text.toStdU32String()) {
        if (c == U'\n' && multiLine_) {
            bytes += 2;
            continue;
        }
        int unmappable = 0;
        const std::string b = Cp1252::FromUnicode(std::u32string_view(&c, 1), '?', &unmappable);
        const auto byte = static_cast<unsigned char>(b[0]);
        // Bytes below 0x20, DEL and the C1 controls (Windows-1252's undefined places) are controls.
        if (unmappable != 0 || c == kEuro || byte < 0x20 || byte == 0x7F || (c >= 0x80 && c <= 0x9F)) return false;
        ++bytes;
    }
    return bytes <= maxBytes_;
}

QValidator::State RecordTextValidator::validate(QString& input, int&) const {
    return Holds(input) ? Acceptable : Invalid;
}

std::string RecordTextValidator::ToRecord(const QString& text) {
    QString stored = text;
    stored.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return Cp1252::FromUtf8(stored.toStdString());
}

QString RecordTextValidator::FromRecord(const std::string& bytes) {
    QString text = QString::fromStdString(Cp1252::ToUtf8(bytes));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace orva
