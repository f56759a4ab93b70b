#include "reports/print/DefinitionPages.h"

#include "reports/print/PrintTexts.h"

namespace orva {

namespace {

constexpr double kLeft = 0.5;
constexpr double kRight = 7.65;
constexpr double kBottom = 10.6;
constexpr double kTitleTop = 0.2;
constexpr double kTitleSize = 12;
constexpr double kGroupSize = 10;
constexpr double kHeadingSize = 9;
constexpr double kParagraphSize = 8.5;
constexpr double kAfterTitle = 0.2;
constexpr double kBeforeGroup = 0.14;
constexpr double kBeforeSection = 0.08;
constexpr double kAfterHeading = 0.02;

QString Text(const char* text) {
    return QString::fromLatin1(text);
}

// Starts an Arial page with its title and returns the row below it.
double BeginPage(PrintPage& page, const char* title) {
    page.SetFontFace(Text(print_texts::kFaceArial));
    page.PrintBox(kTitleTop, kLeft, kBottom, kRight, Border::None);
    return page.PrintText(kTitleTop, kLeft, kPrintBold | kPrintAlignCenter, kTitleSize, Text(title)) +
           kAfterTitle;
}

double DrawSection(PrintPage& page, double row, const print_texts::GuideSection& section) {
    row = page.PrintText(row + kBeforeSection, kLeft, kPrintBold, kHeadingSize, Text(section.heading));
    return page.PrintText(row + kAfterHeading, kLeft, 0, kParagraphSize, Text(section.paragraph));
}

}  // namespace

void DrawDefinitionPage(PrintPage& page, int pageNumber) {
    double row = BeginPage(
        page, pageNumber == 6 ? print_texts::kDefinitionsTitle : print_texts::kDefinitionsContinued);
    for (const print_texts::DefinitionGroup& group : print_texts::DefinitionGroupsOfPage(pageNumber)) {
        row = page.PrintText(row + kBeforeGroup, kLeft, kPrintBold | kPrintUnderline, kGroupSize,
                             Text(group.heading));
        for (const print_texts::GuideSection& disorder : group.disorders)
            row = DrawSection(page, row, disorder);
    }
}

void DrawGuidelinesPage(PrintPage& page) {
    double row = BeginPage(page, print_texts::kGuidelinesTitle);
    for (const print_texts::GuideSection& section : print_texts::InterpretationGuidelines()) {
        row = DrawSection(page, row + kBeforeGroup - kBeforeSection, section);
    }
}

}  // namespace orva
