// SPDX-License-Identifier: Apache-2.0
#include "reports/CsvEncoding.h"

#include "reports/ReportsTexts.h"

namespace orva {

namespace {

// Length of the well-formed UTF-8 sequence at `at`, or 0.
std::size_t SequenceLength(std::string_view bytes, std::size_t at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    std::size_t length = 0;
    char32_t lowest = 0;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        lowest = 0x80;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        lowest = 0x800;
        value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        lowest = 0x10000;
        value = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > bytes.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[at + i]);
        if ((next & 0xC0) != 0x80) return 0;
        value = (value << 6) | (next & 0x3F);
    }
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    return value < lowest || surrogate || value > 0x10FFFF ? 0 : length;
}

}  // namespace

CsvEncoding DetectCsvEncoding(std::string_view bytes) {
    bool beyondAscii = false;
    for (std::size_t at = 0; at < bytes.size();) {
        if (static_cast<unsigned char>(bytes[at]) < 0x80) {
            ++at;
            continue;
        }
        const std::size_t length = SequenceLength(bytes, at);
        if (length == 0) return CsvEncoding::Windows1252;
        beyondAscii = true;
        at += length;
    }
    return beyondAscii ? CsvEncoding::Utf8 : CsvEncoding::Windows1252;
}

const char* CsvEncodingName(CsvEncoding encoding) {
    return encoding == CsvEncoding::Utf8 ? texts::kEncodingUtf8 : texts::kEncodingWindows1252;
}

}  // namespace orva
