#include "reports/print/DetailsBlock.h"

#include <QStringList>

#include "reports/ReportsTexts.h"
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
    DrawRow(page, kLeftHalf, 3.0, kLineRow, texts::kLabelName, FromCp1252(details.name));
    DrawRow(page, kLeftHalf, 3.4, kAddressRow, texts::kLabelAddress,
            Lines({&address[0], &address[1], &address[2]}));
    DrawRow(page, kLeftHalf, 4.0, kPhoneRow, texts::kLabelPhone, Lines({&phone[0], &phone[1]}));
    if (!details.parentName.empty()) {
        DrawRow(page, kLeftHalf, 4.5, kLineRow, texts::kLabelParent, FromCp1252(details.parentName));
        DrawRow(page, kLeftHalf, 4.9, kLineRow, texts::kLabelTeacher, FromCp1252(details.teacherName));
    } else if (!details.teacherName.empty()) {
        DrawRow(page, kLeftHalf, 4.5, kLineRow, texts::kLabelTeacher, FromCp1252(details.teacherName));
    }

    DrawRow(page, kRightHalf, 3.0, kLineRow, texts::kLabelGender, FromCp1252(details.gender));
    DrawRow(page, kRightHalf, 3.4, kLineRow, texts::kLabelDateOfBirth, FromCp1252(details.birthDate));
    DrawRow(page, kRightHalf, 3.8, kLineRow, texts::kLabelAgeAtCompletion,
            FromCp1252(details.ageAtCompletion));
    DrawRow(page, kRightHalf, 4.2, kLineRow, texts::kLabelCompletionDate, FromCp1252(details.completionDate));
    DrawRow(page, kRightHalf, 4.6, kLineRow, texts::kLabelSchoolYear, FromCp1252(details.schoolYear));
    DrawRow(page, kRightHalf, 5.0, kLineRow, texts::kLabelSchool, FromCp1252(details.school));
}

}  // namespace orva
