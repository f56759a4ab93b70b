// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <string_view>

namespace orva {

// The one conversion between the records' Windows-1252 bytes and Unicode (UTF-8), used by
// the user interface and the command line at their boundaries.
class Cp1252 {
public:
    // Every byte maps to a character; the five bytes Windows-1252 leaves undefined
    // (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value so that
    // nothing stored is ever lost on the way out.
    static std::u32string ToUnicode(std::string_view bytes);
    static std::string ToUtf8(std::string_view bytes);

    // Converts characters back. Characters that Windows-1252 cannot hold are replaced by
    // `replacement` and counted in `unmappable` (when given), so callers can refuse them.
    static std::string FromUnicode(std::u32string_view text, char replacement = '?', int* unmappable = nullptr);
    // Malformed UTF-8 sequences count as unmappable as well.
    static std::string FromUtf8(std::string_view utf8, char replacement = '?', int* unmappable = nullptr);

    // A byte that is no character to type or show: the C0 controls, DEL, and the five bytes
    // Windows-1252 leaves undefined, which stand for C1 controls.
    static bool IsControl(char byte);
};

}  // namespace orva
