#include "reports/print/DetailsBlock.h"

#include <QStringList>

#include "reports/print/PrintString.h"
#include "reports/print/PrintTexts.h"

namespace orva {

namespace {

constexpr double kSize = 9;
constexpr double kMinSize = 6;  // long names and addresses step down to this rather than run out

// The label and value columns of the two halves.
struct Half {
    double labelLeft, labelRight, valueLeft, valueRight;
};
constexpr Half kLeftHalf{0.5, 1.22, 1.25, 3.9};
constexpr Half kRightHalf{4.0, 5.22, 5.25, 7.4};

// Row heights: the address holds three lines and the phone two, each clear of the row below.
constexpr double kLineRow = 0.25;
constexpr double kAddressRow = 0.5;
constexpr double kPhoneRow = 0.35;

void DrawRow(PrintPage& page, const Half& half, double top, double height, const char* label,
             const QString& value) {
    page.PrintBox(top, half.labelLeft, top + kLineRow, half.labelRight, Border::None);
    page.PrintText(top, half.labelLeft, kPrintBold | kPrintSingleLine, kSize, QString::fromLatin1(label));
    page.PrintBox(top, half.valueLeft, top + height, half.valueRight, Border::None);
    page.PrintFittedText(top, half.valueLeft, 0, kSize, kMinSize, value);
}

// The non-empty lines, one below the other.
QString Lines(std::initializer_list<const std::string*> lines) {
    QStringList shown;
    for (const std::string* line : lines) {
        if (!line->empty()) shown << FromCp1252(*line);
    }
    return shown.join(QLatin1Char('\n'));
}

}  // namespace

void DrawDetailsBlock(PrintPage& page, const PersonDetailTexts& details) {
    const auto& address = details.addressLines;
    const auto& phone = details.phoneLines;
    DrawRow(page, kLeftHalf, 3.0, kLineRow, print_texts::kNameLabel, FromCp1252(details.name));
    DrawRow(page, kLeftHalf, 3.4, kAddressRow, print_texts::kAddressLabel,
            Lines({&address[0], &address[1], &address[2]}));
    DrawRow(page, kLeftHalf, 4.0, kPhoneRow, print_texts::kPhoneLabel, Lines({&phone[0], &phone[1]}));
    if (!details.parentName.empty()) {
        DrawRow(page, kLeftHalf, 4.5, kLineRow, print_texts::kParentLabel, FromCp1252(details.parentName));
        DrawRow(page, kLeftHalf, 4.9, kLineRow, print_texts::kTeacherLabel, FromCp1252(details.teacherName));
    } else if (!details.teacherName.empty()) {
        DrawRow(page, kLeftHalf, 4.5, kLineRow, print_texts::kTeacherLabel, FromCp1252(details.teacherName));
    }

    DrawRow(page, kRightHalf, 3.0, kLineRow, print_texts::kGenderLabel, FromCp1252(details.gender));
    DrawRow(page, kRightHalf, 3.4, kLineRow, print_texts::kBirthDateLabel, FromCp1252(details.birthDate));
    DrawRow(page, kRightHalf, 3.8, kLineRow, print_texts::kAgeLabel, FromCp1252(details.ageAtCompletion));
    DrawRow(page, kRightHalf, 4.2, kLineRow, print_texts::kCompletionDateLabel,
            FromCp1252(details.completionDate));
    DrawRow(page, kRightHalf, 4.6, kLineRow, print_texts::kSchoolYearLabel, FromCp1252(details.schoolYear));
    DrawRow(page, kRightHalf, 5.0, kLineRow, print_texts::kSchoolLabel, FromCp1252(details.school));
}

}  // namespace orva
