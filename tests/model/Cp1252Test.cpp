// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include <string>

#include "model/Cp1252.h"

namespace orva {
namespace {

TEST(Cp1252, EveryByteSurvivesTheRoundTripThroughUtf8) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    int unmappable = -1;
    EXPECT_EQ(Cp1252::FromUtf8(Cp1252::ToUtf8(all), '?', &unmappable), all);
    EXPECT_EQ(unmappable, 0);
}

TEST(Cp1252, MapsThePunctuationRowToItsUnicodeCharacters) {
    EXPECT_EQ(Cp1252::ToUtf8("\x92"), "\xE2\x80\x99");  // right single quotation mark
    EXPECT_EQ(Cp1252::ToUtf8("\x96"), "\xE2\x80\x93");  // en dash
    EXPECT_EQ(Cp1252::ToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
    EXPECT_EQ(Cp1252::ToUtf8("\xF7"), "\xC3\xB7");      // division sign
    EXPECT_EQ(Cp1252::ToUtf8("\xE9"), "\xC3\xA9");
}

TEST(Cp1252, CountsCharactersItCannotHold) {
    int unmappable = 0;
    // Greek alpha and a CJK character have no Windows-1252 byte.
    EXPECT_EQ(Cp1252::FromUtf8("a\xCE\xB1" "b\xE4\xB8\xAD", '?', &unmappable), "a?b?");
    EXPECT_EQ(unmappable, 2);
}

TEST(Cp1252, MalformedUtf8IsReplacedNotPassedThrough) {
    int unmappable = 0;
    EXPECT_EQ(Cp1252::FromUtf8("x\xC3", '?', &unmappable), "x?");
    EXPECT_EQ(unmappable, 1);
    EXPECT_EQ(Cp1252::FromUtf8("\xC0\x80", '?', &unmappable), "??");
    EXPECT_EQ(Cp1252::FromUtf8("\xED\xA0\x80", '?', &unmappable), "???");
}

TEST(Cp1252, ControlsAreC0DeleteAndTheFiveUndefinedBytes) {
    std::string controls;
    for (int b = 0; b < 256; ++b) {
        if (Cp1252::IsControl(static_cast<char>(b))) controls += static_cast<char>(b);
    }
    std::string expected;
    for (int b = 0; b < 0x20; ++b) expected += static_cast<char>(b);
    expected += "\x7F\x81\x8D\x8F\x90\x9D";
    EXPECT_EQ(controls, expected);
}

}  // namespace
}  // namespace orva
