// SPDX-License-Identifier: Apache-2.0
#include <string>

#include "reports/ReportsTexts.h"
#include "reports/RtfDocument.h"

namespace orva {

namespace {

struct FontFamily {
    int number;
    const char* family;
    const char* panose;
    const char* name;
    bool thai;  // has a Thai variant
    bool bidi;  // has Hebrew, Arabic and Vietnamese variants
};

constexpr FontFamily kFonts[] = {
    {0, "froman", "02020603050405020304", "Times New Roman", false, true},
    {35, "fswiss", "020b0604030504040204", "Tahoma", true, true},
    {36, "froman", "02020404030301010803", "Garamond", false, false},
};

struct CharsetVariant {
    int charset;
    const char* suffix;
    bool bidiOnly;  // only for families with the complex-script variants
    bool thaiOnly;
};

constexpr CharsetVariant kVariants[] = {
    {238, " CE", false, false},     {204, " Cyr", false, false},         {161, " Greek", false, false},
    {162, " Tur", false, false},    {177, " (Hebrew)", true, false},     {178, " (Arabic)", true, false},
    {186, " Baltic", false, false}, {163, " (Vietnamese)", true, false}, {222, " (Thai)", false, true},
};

std::string FontTable() {
    std::string table = "{\\fonttbl";
    for (const FontFamily& font : kFonts) {
        table += "{\\f" + std::to_string(font.number) + "\\" + font.family +
                 "\\fcharset0\\fprq2{\\*\\panose " + font.panose + "}" + font.name + ";}\r\n";
    }
    int number = 37;
    for (const FontFamily& font : kFonts) {
        for (const CharsetVariant& variant : kVariants) {
            if ((variant.bidiOnly && !font.bidi) || (variant.thaiOnly && !font.thai)) continue;
            table += "{\\f" + std::to_string(number++) + (variant.bidiOnly ? "\\fbidi " : "") + "\\" +
                     font.family + "\\fcharset" + std::to_string(variant.charset) + "\\fprq2 " + font.name +
                     variant.suffix + ";}\r\n";
        }
    }
    return table + "}\r\n";
}

struct Rgb {
    int red;
    int green;
    int blue;
};

// Index 0 is the automatic colour; the report refers to the others by index.
constexpr Rgb kColours[] = {
    {0, 0, 0},       {0, 0, 255},     {0, 255, 255},   {0, 255, 0},     {255, 0, 255},
    {255, 0, 0},     {255, 255, 0},   {255, 255, 255}, {0, 0, 128},     {0, 128, 128},
    {0, 128, 0},     {128, 0, 128},   {128, 0, 0},     {128, 128, 0},   {128, 128, 128},
    {192, 192, 192}, {153, 153, 153}, {224, 224, 224}, {230, 230, 230}, {217, 217, 217},
};

std::string ColourTable() {
    std::string table = "{\\colortbl;";
    for (const Rgb& c : kColours) {
        table += "\\red" + std::to_string(c.red) + "\\green" + std::to_string(c.green) + "\\blue" +
                 std::to_string(c.blue) + ";";
    }
    return table + "}\r\n";
}

constexpr const char* kParagraphDefaults =
    "\\ql \\li0\\ri0\\widctlpar\\wrapdefault\\aspalpha\\aspnum\\faauto\\adjustright\\rin0\\lin0\\itap0 ";
constexpr const char* kCharacterDefaults = "\\fs24\\lang3081\\langfe1033\\cgrid\\langnp3081\\langfenp1033 ";
constexpr const char* kTableStyleDefaults =
    "\\trftsWidthB3\\trpaddl108\\trpaddr108\\trpaddfl3\\trpaddft3\\trpaddfb3\\trpaddfr3\\tblind0\\tblindtype3"
    "\\tscellwidthfts0\\tsvertalt\\tsbrdrt\\tsbrdrl\\tsbrdrb\\tsbrdrr\\tsbrdrdgl\\tsbrdrdgr\\tsbrdrh\\tsbrdrv"
    " ";

std::string StyleSheet() {
    const std::string para = kParagraphDefaults;
    const std::string chars = kCharacterDefaults;
    const std::string tabs = "\\tqc\\tx4153\\tqr\\tx8306";
    std::string sheet = "{\\stylesheet";
    sheet += "{" + para + chars + "\\snext0 Normal;}\r\n";
    sheet += "{\\*\\cs10 \\additive \\ssemihidden Default Paragraph Font;}\r\n";
    sheet += std::string("{\\*\\ts11\\tsrowd") + kTableStyleDefaults + para +
             "\\fs20\\lang1024\\langfe1024\\cgrid\\langnp1024\\langfenp1024 \\snext11 \\ssemihidden Normal "
             "Table;}\r\n";
    sheet += "{\\*\\cs15 \\additive \\ul\\cf2 \\sbasedon10 hyperlink;}\r\n";
    sheet += "{\\s16" + para + tabs + " " + chars + "\\sbasedon0 \\snext16 header;}\r\n";
    sheet += "{\\s17" + para + tabs + " " + chars + "\\sbasedon0 \\snext17 footer;}\r\n";
    sheet +=
        std::string(
            "{\\*\\ts18\\tsrowd\\trbrdrt\\brdrs\\brdrw10 \\trbrdrl\\brdrs\\brdrw10 \\trbrdrb\\brdrs\\brdrw10 "
            "\\trbrdrr\\brdrs\\brdrw10 \\trbrdrh\\brdrs\\brdrw10 \\trbrdrv\\brdrs\\brdrw10 ") +
        kTableStyleDefaults + para + chars + "\\sbasedon11 \\snext18 Table Grid;}\r\n";
    sheet += "{\\s19" + para +
             "\\f35\\fs16\\lang3081\\langfe1033\\cgrid\\langnp3081\\langfenp1033 "
             "\\sbasedon0 \\snext19 \\ssemihidden Balloon Text;}\r\n";
    sheet += "{\\*\\cs20 \\additive \\sbasedon10 page number;}}\r\n";
    return sheet;
}

std::string InformationGroup() {
    const std::string fixedTime = "\\yr2007\\mo1\\dy1\\hr9\\min0";
    return std::string("{\\info{\\title ") + texts::kStrictlyConfidential + "}{\\author " +
           texts::kInfoAuthor + "}{\\operator " + texts::kInfoOperator + "}{\\creatim" + fixedTime +
           "}{\\revtim" + fixedTime + "}{\\version1}{\\edmins0}}\r\n";
}

std::string DocumentSettings() {
    return "\\paperw" + std::to_string(kRtfPaperWidth) + "\\paperh" + std::to_string(kRtfPaperHeight) +
           "\\margl" + std::to_string(kRtfLeftMargin) + "\\margr" + std::to_string(kRtfRightMargin) +
           " \\gutter0 \\widowctrl\\ftnbj\\aenddoc\\formshade\\viewkind1\\viewscale100\\nolnhtadjtbl\r\n";
}

// One section, A4 portrait; its first page (the title page) has a footer of its own, left
// empty, so the report footer starts on page two.
std::string Section() {
    return "\\sectd \\pgwsxn" + std::to_string(kRtfPaperWidth) + "\\pghsxn" +
           std::to_string(kRtfPaperHeight) + "\\marglsxn" + std::to_string(kRtfLeftMargin) + "\\margrsxn" +
           std::to_string(kRtfRightMargin) + "\\linex0\\headery709\\footery" +
           std::to_string(kRtfFooterDistance) + "\\endnhere\\titlepg\\sectdefaultcl\r\n";
}

std::string Footers() {
    const std::string footerPara =
        std::string(
            "\\pard\\plain \\s17\\qc \\li0\\ri0\\widctlpar\\tqc\\tx4153\\tqr\\tx8306"
            "\\wrapdefault\\aspalpha\\aspnum\\faauto\\adjustright\\rin0\\lin0"
            "\\itap0 ") +
        kCharacterDefaults;
    std::string footers = "{\\footerf " + footerPara + "\\par }\r\n";
    // The rule under the title line is that paragraph's bottom border.
    footers += "{\\footer " + footerPara + "\\brdrb\\brdrs\\brdrw10\\brsp20 {\\i\\f36\\fs22 " +
               texts::kProductName + "}{\\f36\\fs22 " + texts::kFooterReportForm + "}\\par\r\n";
    footers +=
        footerPara +
        "{\\field{\\*\\fldinst {\\cs20\\fs20  PAGE }}{\\fldrslt {\\cs20\\fs20\\lang1024\\langfe1024\\noproof "
        "2}}}\\par }\r\n";
    return footers;
}

}  // namespace

std::string RtfPreamble() {
    return "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0\\deflang1033\\deflangfe1033\r\n" + FontTable() +
           ColourTable() + StyleSheet() + InformationGroup() + DocumentSettings() + Section() + Footers();
}

}  // namespace orva
