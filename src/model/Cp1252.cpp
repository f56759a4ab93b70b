// SPDX-License-Identifier: Apache-2.0
#include "model/Cp1252.h"

#include <array>

namespace orva {

namespace {

// Windows-1252 0x80..0x9F; undefined positions keep their C1 control value.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t ByteToChar(unsigned char b) { return (b >= 0x80 && b <= 0x9F) ? kHigh[b - 0x80] : char32_t{b}; }

bool CharToByte(char32_t c, char& out) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        out = static_cast<char>(c);
        return true;
    }
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == c) {
            out = static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes UTF-8; a malformed sequence yields U+FFFD for its first byte.
std::u32string DecodeUtf8(std::string_view s) {
    std::u32string out;
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        int len = 0;
        char32_t c = 0;
        if (b < 0x80) {
            len = 1;
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            len = 2;
            c = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            len = 3;
            c = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            len = 4;
            c = b & 0x07;
        }
        bool ok = len > 0 && i + len <= s.size();
        for (int k = 1; ok && k < len; ++k) {
            const auto cont = static_cast<unsigned char>(s[i + k]);
            if ((cont & 0xC0) != 0x80) ok = false;
            c = (c << 6) | (cont & 0x3F);
        }
        constexpr char32_t kMin[5] = {0, 0, 0x80, 0x800, 0x10000};
        if (ok && (c < kMin[len] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))) ok = false;
        if (!ok) {
            out += char32_t{0xFFFD};
            ++i;
            continue;
        }
        out += c;
        i += len;
    }
    return out;
}

}  // namespace

std::u32string Cp1252::ToUnicode(std::string_view bytes) {
    std::u32string out;
    out.reserve(bytes.size());
    for (char b : bytes) out += ByteToChar(static_cast<unsigned char>(b));
    return out;
}

std::string Cp1252::ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char b : bytes) AppendUtf8(out, ByteToChar(static_cast<unsigned char>(b)));
    return out;
}

std::string Cp1252::FromUnicode(std::u32string_view text, char replacement, int* unmappable) {
    std::string out;
    out.reserve(text.size());
    int bad = 0;
    for (char32_t c : text) {
        char b = 0;
        if (CharToByte(c, b)) {
            out += b;
        } else {
            out += replacement;
            ++bad;
        }
    }
    if (unmappable != nullptr) *unmappable = bad;
    return out;
}

bool Cp1252::IsControl(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    return b < 0x20 || b == 0x7F || (b >= 0x80 && b <= 0x9F && ByteToChar(b) == char32_t{b});
}

std::string Cp1252::FromUtf8(std::string_view utf8, char replacement, int* unmappable) {
    return FromUnicode(DecodeUtf8(utf8), replacement, unmappable);
}

}  // namespace orva
