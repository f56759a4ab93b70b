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

// Starts an Arial page with its title and returns the row below it.
double BeginPage(PrintPage& page, const char* title) {
    page.SetFontFace(QString::fromLatin1(texts::print::kFaceArial));
    page.PrintBox(kTitleTop, kLeft, kBottom, kRight, Border::None);
    return page.PrintText(kTitleTop, kLeft, kPrintBold | kPrintAlignCenter, kTitleSize,
                          QString::fromLatin1(title)) +
           kAfterTitle;
}

double DrawSection(PrintPage& page, double row, const texts::print::GuideSection& section) {
    row = page.PrintText(row + kBeforeSection, kLeft, kPrintBold, kHeadingSize,
                         QString::fromLatin1(section.heading));
    return page.PrintText(row + kAfterHeading, kLeft, 0, kParagraphSize,
                          QString::fromLatin1(section.paragraph));
}

}  // namespace

void DrawDefinitionPage(PrintPage& page, int pageNumber) {
    double row = BeginPage(
        page, pageNumber == 6 ? texts::print::kDefinitionsTitle : texts::print::kDefinitionsContinued);
    for (const texts::print::DefinitionGroup& group : texts::print::DefinitionGroupsOfPage(pageNumber)) {
        row = page.PrintText(row + kBeforeGroup, kLeft, kPrintBold | kPrintUnderline, kGroupSize,
                             QString::fromLatin1(group.heading));
        for (const texts::print::GuideSection& disorder : group.disorders)
            row = DrawSection(page, row, disorder);
    }
}

void DrawGuidelinesPage(PrintPage& page) {
    double row = BeginPage(page, texts::print::kGuidelinesTitle);
    for (const texts::print::GuideSection& section : texts::print::InterpretationGuidelines()) {
        row = DrawSection(page, row + kBeforeGroup - kBeforeSection, section);
    }
}

}  // namespace orva
