// SPDX-License-Identifier: Apache-2.0
#include "reports/RtfEscape.h"

namespace orva {

std::string EscapeRtfText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size() + 8);
    for (char c : text) {
        if (c == '\\' || c == '{' || c == '}') escaped += '\\';
        escaped += c;
    }
    return escaped;
}

}  // namespace orva
