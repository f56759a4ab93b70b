// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <string_view>

namespace orva {

// Puts a backslash before each backslash, '{' and '}' so that a text reads literally inside
// an RTF document. Every other byte is copied unchanged: the document declares code page 1252,
// which is how the texts are held.
std::string EscapeRtfText(std::string_view text);

}  // namespace orva
