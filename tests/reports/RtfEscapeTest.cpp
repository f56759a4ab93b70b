// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include "reports/RtfEscape.h"

namespace orva {
namespace {

struct EscapeCase {
    const char* name;
    const char* text;
    const char* escaped;
};

void PrintTo(const EscapeCase& c, std::ostream* os) { *os << c.name; }

class EscapeRtfTextTest : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(EscapeRtfTextTest, EscapesOnlyBackslashAndBraces) {
    EXPECT_EQ(EscapeRtfText(GetParam().text), GetParam().escaped);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EscapeRtfTextTest,
    ::testing::Values(EscapeCase{"Empty", "", ""},
                      EscapeCase{"Plain", "Plain text, 42; (a) [b] <c>", "Plain text, 42; (a) [b] <c>"},
                      EscapeCase{"Backslashes", "C:\\data\\", "C:\\\\data\\\\"},
                      EscapeCase{"Braces", "{Jr}", "\\{Jr\\}"}, EscapeCase{"BracesReversed", "}{", "\\}\\{"},
                      EscapeCase{"BackslashAndBraces", "\\{}", "\\\\\\{\\}"},
                      // Windows-1252 letters stay single bytes; the document is read as code page 1252.
                      EscapeCase{"Windows1252Letters", "Zo\xEB M\xFCller \x80", "Zo\xEB M\xFCller \x80"},
                      EscapeCase{"TabAndLineBreak", "tab\tline\r\nend", "tab\tline\r\nend"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EscapeRtfText, KeepsEveryOtherByteOfALongText) {
    std::string text;
    for (int i = 1; i < 256; ++i) text += static_cast<char>(i);
    const std::string escaped = EscapeRtfText(text);
    EXPECT_EQ(escaped.size(), text.size() + 3);
    std::string unescaped;
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] == '\\') ++i;
        unescaped += escaped[i];
    }
    EXPECT_EQ(unescaped, text);
}

}  // namespace
}  // namespace orva
