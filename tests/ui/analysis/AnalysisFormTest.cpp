// SPDX-License-Identifier: Apache-2.0
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>
#include <numeric>

#include "model/ItemCatalogue.h"
#include "ui/analysis/AnalysisForm.h"
#include "ui/analysis/FollowUpTable.h"
#include "screening/AnalysisGrid.h"
#include "grid/GridWidget.h"
#include "model/Cp1252.h"
#include "screening/ReportSet.h"
#include "ui/support/UiTestSupport.h"
#include "ui/support/AnalysisTestRecords.h"
#include "support/RecordBuilder.h"

using namespace orva;
using analysis_test::MakeRecord;
using analysis_test::Person;

namespace {

const QColor kShade(225, 225, 220);
const QColor kWhite(255, 255, 255);

constexpr int kSelfColumn = 2;
constexpr int kParentColumn = 3;
constexpr int kTeacherColumn = 4;
constexpr int kAttainedColumn = 5;
constexpr int kItemsColumn = 6;
constexpr int kConductRow = 8;  // rows follow the disorder order, row 1 first

QString Q(const std::string& bytes) {
    return QString::fromStdString(Cp1252::ToUtf8(bytes));
}

QString FieldText(const AnalysisForm& form, const char* name) {
    if (auto* line = form.findChild<QLineEdit*>(QString::fromLatin1(name))) return line->text();
    if (auto* box = form.findChild<QPlainTextEdit*>(QString::fromLatin1(name))) return box->toPlainText();
    return QStringLiteral("<no field %1>").arg(QString::fromLatin1(name));
}

// The form's grids hold exactly the texts and shading the analysis gives.
void CompareWithAnalysis(AnalysisForm& form, const ReportSet& reports) {
    const AnalysisGrid expected = BuildAnalysisGrid(reports);
    for (int row = 0; row < kScreeningGridRows; ++row)
        for (int column = 0; column < kGridColumns; ++column) {
            const GridCell& cell = expected.screening[row][column];
            QCOMPARE(form.ScreeningGrid().GetItemText(row, column), Q(cell.text));
            if (row > 0)
                QCOMPARE(form.ScreeningGrid().GetItemBkColour(row, column), cell.shaded ? kShade : kWhite);
        }
    for (int row = 0; row < kReliabilityGridRows; ++row)
        for (int column = 0; column < kGridColumns; ++column) {
            const GridCell& cell = expected.reliability[row][column];
            QCOMPARE(form.ReliabilityGrid().GetItemText(row, column), Q(cell.text));
            QCOMPARE(form.ReliabilityGrid().GetItemBkColour(row, column), cell.shaded ? kShade : kWhite);
        }
}

ReportSet ThreeReporters() {
    ReportSet reports;
    Person person;
    reports.Record(kSelf) = MakeRecord(kSelf, person, {1, 14, 23, 27}, /*unreliable=*/true);
    reports.Record(kParent) = MakeRecord(kParent, person, {4, 15, 83}, false, "Pat Citizen");
    reports.Record(kTeacher) = MakeRecord(kTeacher, person, {14, 27, 87, 103}, false, "Mr Lee");
    reports.Record(kSelf).SetObserverComment("Sleeps badly");
    reports.Record(kTeacher).SetObserverComment("Quiet in class {mostly}");
    return reports;
}

}  // namespace

class AnalysisFormTest : public QObject {
    Q_OBJECT

  private slots:
    void setUpGivesHeadingsBoldHeaderAndSizesStretchedFromTheStartValues() {
        AnalysisForm form;
        form.SetUpGrids();
        GridWidget& grid = form.ScreeningGrid();
        QCOMPARE(grid.GetRowCount(), 25);
        QCOMPARE(grid.GetColumnCount(), 7);
        QCOMPARE(grid.GetFixedRowCount(), 1);
        QCOMPARE(grid.GetItemText(0, 0),
                 QStringLiteral("Disorder\n  # indicates mutually exclusive screens"));
        QCOMPARE(grid.GetItemText(0, 5), QStringLiteral("Cutoff\nAttained"));
        QCOMPARE(grid.GetItemText(9, 1), QStringLiteral(">=4\n<3"));
        QCOMPARE(grid.GetItemText(24, 0), QStringLiteral("Number of positive screens"));
        for (int column = 0; column < 7; ++column) {
            QCOMPARE(grid.GetItemFont(0, column).weight(), QFont::Bold);
            QVERIFY(grid.GetItemFont(1, column).weight() < QFont::Bold);
        }
        QCOMPARE(grid.GetItemAlignment(3, 0) & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        QCOMPARE(grid.GetItemAlignment(3, 1) & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(grid.GetItemAlignment(3, 6) & Qt::AlignHorizontal_Mask, Qt::AlignLeft);

        // Stretching adds the same to every column and row (one pixel of remainder aside) and
        // fills the grid's window.
        const int start[7] = {235, 67, 65, 67, 68, 68, 267};
        int width = 0;
        for (int column = 0; column < 7; ++column) {
            QVERIFY(std::abs((grid.GetColumnWidth(column) - start[column]) -
                             (grid.GetColumnWidth(0) - start[0])) <= 1);
            width += grid.GetColumnWidth(column);
        }
        QCOMPARE(width, grid.ClientSize().width());
        const int gained = grid.GetRowHeight(1) - 50;
        QVERIFY(std::abs((grid.GetRowHeight(0) - 60) - gained) <= 1);
        QVERIFY(std::abs((grid.GetRowHeight(7) - 55) - gained) <= 1);
        QVERIFY(std::abs((grid.GetRowHeight(24) - 50) - gained) <= 1);
        int height = 0;
        for (int row = 0; row < 25; ++row) height += grid.GetRowHeight(row);
        QCOMPARE(height, grid.ClientSize().height());

        GridWidget& reliability = form.ReliabilityGrid();
        QCOMPARE(reliability.GetRowCount(), 2);
        QCOMPARE(reliability.GetFixedRowCount(), 0);
        for (int column = 0; column < 7; ++column)
            QCOMPARE(reliability.GetColumnWidth(column), grid.GetColumnWidth(column));
        QVERIFY(reliability.GetRowHeight(1) - reliability.GetRowHeight(0) >= 9);
        QCOMPARE(reliability.GetItemText(1, 0), QStringLiteral("Range: -1 to +1"));
    }

    void onlySelfLeavesParentAndTeacherEmptyAndWhiteButShadesTheSelfCountOfZero() {
        AnalysisForm form;
        form.SetUpGrids();
        ReportSet reports;
        reports.Record(kSelf) = MakeRecord(kSelf);
        form.ShowAnalysis(reports);

        GridWidget& grid = form.ScreeningGrid();
        for (int row = 1; row <= 24; ++row)
            for (int column : {kParentColumn, kTeacherColumn}) {
                QCOMPARE(grid.GetItemText(row, column), QString());
                QCOMPARE(grid.GetItemBkColour(row, column), kWhite);
            }
        QCOMPARE(grid.GetItemText(24, kSelfColumn), QStringLiteral("0"));
        QCOMPARE(grid.GetItemBkColour(24, kSelfColumn), kShade);
        QCOMPARE(grid.GetItemText(24, kAttainedColumn), QStringLiteral(" "));
        QCOMPARE(grid.GetItemBkColour(24, kAttainedColumn), kWhite);
        QCOMPARE(grid.GetItemText(1, kAttainedColumn), QStringLiteral("NO"));

        GridWidget& reliability = form.ReliabilityGrid();
        QCOMPARE(reliability.GetItemText(1, kSelfColumn), QStringLiteral(" 1.00"));
        QCOMPARE(reliability.GetItemText(1, kParentColumn), QStringLiteral(" "));
        QCOMPARE(reliability.GetItemText(1, kTeacherColumn), QStringLiteral(" "));
        QCOMPARE(reliability.GetItemText(1, kAttainedColumn), QStringLiteral("YES"));
        QCOMPARE(reliability.GetItemBkColour(1, kAttainedColumn), kShade);
        for (int column = 0; column < 7; ++column) QCOMPARE(reliability.GetItemBkColour(0, column), kShade);
        CompareWithAnalysis(form, reports);
    }

    void teacherReportShowsNotAssessedInTheTrfOnItsThreeRows() {
        AnalysisForm form;
        form.SetUpGrids();
        ReportSet reports;
        reports.Record(kTeacher) = MakeRecord(kTeacher, {}, {}, false, "Mr Lee");
        form.ShowAnalysis(reports);
        for (int row : {4, 14, 15}) {
            QCOMPARE(form.ScreeningGrid().GetItemText(row, kTeacherColumn),
                     QStringLiteral("Not Assessed in the TRF"));
            QCOMPARE(form.ScreeningGrid().GetItemBkColour(row, kTeacherColumn), kWhite);
        }
        QCOMPARE(form.ScreeningGrid().GetItemText(5, kTeacherColumn), QStringLiteral("0\n0"));
        QCOMPARE(form.ScreeningGrid().GetItemText(19, kTeacherColumn), QStringLiteral("0\n0\n0"));
    }

    void positiveReportIsShadedWithCutoffAttainedAndItsItems() {
        AnalysisForm form;
        form.SetUpGrids();
        ReportSet reports;
        reports.Record(kParent) = MakeRecord(kParent, {}, {4, 15, 83}, false, "Pat Citizen");
        form.ShowAnalysis(reports);
        GridWidget& grid = form.ScreeningGrid();
        QCOMPARE(grid.GetItemText(kConductRow, kParentColumn), QStringLiteral("3"));
        QCOMPARE(grid.GetItemBkColour(kConductRow, kParentColumn), kShade);
        QCOMPARE(grid.GetItemText(kConductRow, kAttainedColumn), QStringLiteral("YES"));
        QCOMPARE(grid.GetItemBkColour(kConductRow, kAttainedColumn), kShade);
        QVERIFY(grid.GetItemText(kConductRow, kItemsColumn).startsWith(QLatin1Char('(')));
        QCOMPARE(grid.GetItemBkColour(kConductRow, kItemsColumn), kWhite);
        QCOMPARE(grid.GetItemText(24, kParentColumn), QStringLiteral("1"));
    }

    void reliableParentWithUnreliableSelfAttainsReliability() {
        AnalysisForm form;
        form.SetUpGrids();
        ReportSet reports;
        reports.Record(kSelf) = MakeRecord(kSelf, {}, {}, /*unreliable=*/true);
        reports.Record(kParent) = MakeRecord(kParent, {}, {}, false, "Pat Citizen");
        form.ShowAnalysis(reports);
        GridWidget& reliability = form.ReliabilityGrid();
        QCOMPARE(reliability.GetItemText(1, kSelfColumn), QStringLiteral("-1.00"));
        QCOMPARE(reliability.GetItemText(1, kParentColumn), QStringLiteral(" 1.00"));
        QCOMPARE(reliability.GetItemText(1, kAttainedColumn), QStringLiteral("YES"));
        QCOMPARE(reliability.GetItemBkColour(1, kAttainedColumn), kShade);
        QCOMPARE(reliability.GetItemText(1, kItemsColumn),
                 QStringLiteral("The Self-report was below the Omega cutoff.   "
                                "The Parent-report was above the Omega cutoff."));
    }

    void secondAnalysisWithFewerReportsLeavesNothingOfTheFirst() {
        AnalysisForm form;
        form.SetUpGrids();
        form.ShowAnalysis(ThreeReporters());
        QVERIFY(!form.ScreeningGrid().GetItemText(1, kTeacherColumn).isEmpty());

        ReportSet onlySelf;
        onlySelf.Record(kSelf) = MakeRecord(kSelf, Person{"SAM", "OTHER"});
        form.ShowAnalysis(onlySelf);
        CompareWithAnalysis(form, onlySelf);
        for (int row = 1; row <= 24; ++row) {
            QCOMPARE(form.ScreeningGrid().GetItemBkColour(row, kParentColumn), kWhite);
            QCOMPARE(form.ScreeningGrid().GetItemBkColour(row, kAttainedColumn),
                     form.ScreeningGrid().GetItemText(row, kAttainedColumn) == QStringLiteral("YES")
                         ? kShade
                         : kWhite);
        }
        QCOMPARE(FieldText(form, "nameEdit"), QStringLiteral("SAM OTHER"));
        QCOMPARE(FieldText(form, "observersEdit"), QString());
        QCOMPARE(FieldText(form, "commentsEdit"),
                 QStringLiteral("[No additional 'Self-Report' comments were supplied]"));
    }

    void detailsComeFromTheFirstPresentReportWithObserversAndComments() {
        AnalysisForm form;
        form.SetUpGrids();
        ReportSet reports = ThreeReporters();
        AssessmentRecord& self = reports.Record(kSelf);
        self.SetStreetAddress("1 High St");
        self.SetTown("Springfield");
        self.SetPostcode("3000");
        self.SetPhone("5550 1234");
        self.SetSchoolYear("");
        reports.Record(kParent).SetSchoolYear("7");
        reports.Record(kTeacher).SetSchool("Hill School");
        form.ShowAnalysis(reports);

        QCOMPARE(FieldText(form, "nameEdit"), QStringLiteral("ALEX CITIZEN"));
        QCOMPARE(FieldText(form, "addressEdit"), QStringLiteral("1 High St\nSpringfield   3000"));
        QCOMPARE(FieldText(form, "phoneEdit"), QStringLiteral("5550 1234"));
        QCOMPARE(FieldText(form, "genderEdit"), QStringLiteral("Female"));
        QCOMPARE(FieldText(form, "birthDateEdit"), QStringLiteral("15 March 2012"));
        QCOMPARE(FieldText(form, "ageEdit"), QStringLiteral("14"));
        QCOMPARE(FieldText(form, "completionDateEdit"), QStringLiteral("01 June 2026"));
        QCOMPARE(FieldText(form, "schoolYearEdit"), QStringLiteral("7"));
        QCOMPARE(FieldText(form, "schoolEdit"), QStringLiteral("Hill School"));
        QCOMPARE(FieldText(form, "observersEdit"),
                 QStringLiteral("Parent:      Pat Citizen\n\nTeacher:    Mr Lee"));
        QCOMPARE(FieldText(form, "commentsEdit"),
                 QStringLiteral(
                     "[Self: Sleeps badly]\n\n(No additional 'Parent-Report' comments were supplied)\n\n"
                     "{Teacher: Quiet in class {mostly}}"));
        CompareWithAnalysis(form, reports);
    }

    // Whatever the rows say, each endorsed item to follow up is listed under the grids with its
    // reporter, answer and wording; an analysis without any says so.
    void followUpBoxListsTheEndorsedItemsOrSaysNoneEndorsed() {
        AnalysisForm form;
        form.SetUpGrids();
        ReportSet reports = ThreeReporters();
        reports.Record(kParent) = MakeRecord(kParent, {}, {82}, false, "Pat Citizen");
        form.ShowAnalysis(reports);
        const QTableWidget& table = form.FollowUp();
        QCOMPARE(table.rowCount(), 1);
        const QStringList expected = {QStringLiteral("82"), QStringLiteral("Parent"), QStringLiteral("Often"),
                                      Q(ItemCatalogue::Wording(kParent, 82))};
        for (int column = 0; column < 4; ++column) QCOMPARE(table.item(0, column)->text(), expected[column]);
        QCOMPARE(form.ScreeningGrid().GetItemText(kConductRow, kAttainedColumn), QStringLiteral("NO"));

        form.ShowAnalysis(ThreeReporters());
        QCOMPARE(table.rowCount(), 1);
        QCOMPARE(table.item(0, 0)->text(), QStringLiteral("None endorsed"));
        QCOMPARE(table.columnSpan(0, 0), 4);

        form.Clear();
        QCOMPARE(table.rowCount(), 0);
    }

    void clearEmptiesTheFieldsAndEveryCellOfTheAnalysis() {
        AnalysisForm form;
        form.SetUpGrids();
        form.ShowAnalysis(ThreeReporters());
        form.Clear();
        for (const char* name :
             {"nameEdit", "addressEdit", "phoneEdit", "observersEdit", "genderEdit", "birthDateEdit",
              "ageEdit", "completionDateEdit", "schoolYearEdit", "schoolEdit", "commentsEdit"})
            QCOMPARE(FieldText(form, name), QString());
        GridWidget& grid = form.ScreeningGrid();
        for (int row = 1; row <= 24; ++row)
            for (int column = kSelfColumn; column <= kItemsColumn; ++column) {
                QCOMPARE(grid.GetItemText(row, column), QString());
                QCOMPARE(grid.GetItemBkColour(row, column), kWhite);
            }
        QCOMPARE(grid.GetItemText(3, 0), QStringLiteral("Post-traumatic stress disorder"));
        for (int column = kSelfColumn; column <= kItemsColumn; ++column) {
            QCOMPARE(form.ReliabilityGrid().GetItemText(1, column), QString());
            QCOMPARE(form.ReliabilityGrid().GetItemBkColour(1, column), kWhite);
        }
    }

    // Places in dialog units (x, y, width, height) and the labels' texts, as the form is drawn up.
    void controlsSitAtTheirPlacesWithTheirTexts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("units");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, QRect units, const QString& text = QString()) {
            QTest::newRow(name) << QString::fromLatin1(name) << units << text;
        };
        row("nameLabel", {129, 14, 30, 8}, QStringLiteral("Name:"));
        row("nameEdit", {162, 14, 152, 12});
        row("addressLabel", {130, 30, 30, 8}, QStringLiteral("Address:"));
        row("addressEdit", {162, 30, 152, 27});
        row("phoneLabel", {130, 61, 30, 8}, QStringLiteral("Phone:"));
        row("phoneEdit", {162, 61, 152, 19});
        row("observersEdit", {128, 81, 199, 28});
        row("genderLabel", {331, 14, 64, 8}, QStringLiteral("Gender:"));
        row("genderEdit", {397, 14, 143, 12});
        row("birthDateLabel", {331, 30, 64, 8}, QStringLiteral("Date of Birth:"));
        row("birthDateEdit", {397, 30, 143, 12});
        row("ageLabel", {331, 46, 64, 8}, QStringLiteral("Age at Completion:"));
        row("ageEdit", {397, 46, 143, 12});
        row("completionDateLabel", {331, 62, 64, 8}, QStringLiteral("Completion Date:"));
        row("completionDateEdit", {397, 62, 143, 12});
        row("schoolYearLabel", {331, 78, 56, 11}, QStringLiteral("School Year:"));
        row("schoolYearEdit", {397, 78, 144, 12});
        row("schoolLabel", {331, 93, 56, 10}, QStringLiteral("School:"));
        row("schoolEdit", {397, 92, 176, 12});
        row("screeningGrid", {7, 111, 559, 792});
        row("reliabilityGrid", {7, 907, 559, 70});
        // The items to follow up stand under the grids; what follows moves down by 112.
        row("followUpLabel", {7, 981, 120, 8}, QStringLiteral("Items to follow up"));
        row("followUpTable", {7, 991, 559, 98});
        row("commentsLabel", {7, 1093, 37, 8}, QStringLiteral("Comments:"));
        row("commentsEdit", {7, 1103, 559, 113});
        row("noteLabel", {7, 1238, 19, 8}, QStringLiteral("NOTE"));
        row("noteLine1Label", {24, 1248, 543, 8},
            QStringLiteral("It is important to note that any indication of a positive screen for the above "
                           "disorders does not constitute a formal diagnosis.  A positive screen merely "
                           "indicates that the"));
        row("noteLine2Label", {24, 1256, 543, 9},
            QStringLiteral("individual has met sufficient criteria for a disorder to warrant further "
                           "investigation by an appropriate health professional."));
    }

    void controlsSitAtTheirPlacesWithTheirTexts() {
        QFETCH(QString, name);
        QFETCH(QRect, units);
        QFETCH(QString, text);
        AnalysisForm form;
        const AnalysisForm::DialogUnits du = AnalysisForm::FormUnits(form.font());
        auto* control = form.findChild<QWidget*>(name);
        QVERIFY(control != nullptr);
        QCOMPARE(control->geometry(), du.Rect(units.x(), units.y(), units.width(), units.height()));
        if (auto* label = qobject_cast<QLabel*>(control)) QCOMPARE(label->text(), text);
    }

    void formKeepsItsSizeAndEveryFieldIsReadOnly() {
        AnalysisForm form;
        QCOMPARE(form.size(), AnalysisForm::FormSize(form.font()));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        for (QLineEdit* edit : form.findChildren<QLineEdit*>()) QVERIFY(edit->isReadOnly());
        for (QPlainTextEdit* box : form.findChildren<QPlainTextEdit*>()) QVERIFY(box->isReadOnly());
        // Labels fit their texts at the form's font.
        for (QLabel* label : form.findChildren<QLabel*>()) {
            if (label->text().isEmpty()) continue;
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->objectName()));
        }
    }

    void welcomeStateShowsTheBannerInPlaceOfTheAnalysis() {
        AnalysisForm form;
        form.SetUpGrids();
        form.show();
        form.SetAnalysisShown(false);
        QVERIFY(form.findChild<QLabel*>(QStringLiteral("bannerPicture"))->isVisible());
        QVERIFY(form.findChild<QLabel*>(QStringLiteral("logoPicture"))->isVisible());
        QVERIFY(!form.findChild<GridWidget*>(QStringLiteral("screeningGrid"))->isVisible());
        QVERIFY(!form.findChild<QLineEdit*>(QStringLiteral("nameEdit"))->isVisible());
        form.SetAnalysisShown(true);
        QVERIFY(!form.findChild<QLabel*>(QStringLiteral("bannerPicture"))->isVisible());
        QVERIFY(form.findChild<QLabel*>(QStringLiteral("noteLine2Label"))->isVisible());
        // Pictures are shown undistorted, at their own size.
        auto* logo = form.findChild<QLabel*>(QStringLiteral("logoPicture"));
        QVERIFY(!logo->pixmap().isNull());
        QCOMPARE(logo->size(), logo->pixmap().deviceIndependentSize().toSize());
    }

    // The form paints its own white background, so its texts must stay dark even when the
    // system's colours are a dark theme's light text on dark fields.
    void formStaysReadableOnWhiteUnderADarkSystemTheme() {
        const QPalette system = QApplication::palette();
        QPalette dark = system;
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
            dark.setColor(role, QColor(32, 32, 32));
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, QColor(240, 240, 240));
        QApplication::setPalette(dark);
        AnalysisForm form;
        form.SetUpGrids();
        form.ShowAnalysis(ThreeReporters());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QImage image = testsupport::Painted(&form);
        testsupport::SaveSnapshot(&form, QStringLiteral("analysis_form_dark_theme"));
        QApplication::setPalette(system);

        auto darkest = [&image](const QRect& area) {
            QColor result = Qt::white;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    if (image.pixelColor(x, y).lightness() < result.lightness())
                        result = image.pixelColor(x, y);
            return result;
        };
        const auto* nameLabel = form.findChild<QLabel*>(QStringLiteral("nameLabel"));
        QVERIFY(darkest(nameLabel->geometry()).lightness() < 100);
        const auto* nameEdit = form.findChild<QLineEdit*>(QStringLiteral("nameEdit"));
        const QRect inside = nameEdit->geometry().adjusted(3, 3, -3, -3);
        QCOMPARE(image.pixelColor(inside.topRight()), kWhite);
        QVERIFY(darkest(inside).lightness() < 100);
        // The first disorder label, in the screening grid's top left cell below the heading.
        const auto* grid = form.findChild<GridWidget*>(QStringLiteral("screeningGrid"));
        const QPoint cell = grid->geometry().topLeft() + QPoint(2, grid->GetRowHeight(0) + 2);
        QVERIFY(
            darkest(QRect(cell, QSize(grid->GetColumnWidth(0) - 4, grid->GetRowHeight(1) - 4))).lightness() <
            100);
    }

    void threeReporterAnalysisSnapshot() {
        AnalysisForm form;
        form.SetUpGrids();
        ReportSet reports = ThreeReporters();
        reports.Record(kSelf).SetStreetAddress("1 High St");
        reports.Record(kSelf).SetTown("Springfield");
        reports.Record(kSelf).SetState("VIC");
        reports.Record(kSelf).SetPostcode("3000");
        reports.Record(kSelf).SetCountry("Australia");
        reports.Record(kSelf).SetPhone("5550 1234");
        reports.Record(kSelf).SetPhone2("0400 000 000");
        reports.Record(kSelf).SetSchoolYear("8");
        reports.Record(kSelf).SetSchool("Springfield Secondary College");
        reports.Record(kSelf) = testsupport::RecordBuilder(reports.Record(kSelf)).Answers({{2, 5}});
        reports.Record(kParent) = testsupport::RecordBuilder(reports.Record(kParent)).Answers({{82, 2}});
        form.ShowAnalysis(reports);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        testsupport::SaveSnapshot(&form, QStringLiteral("analysis_form_three_reporters"));
        CompareWithAnalysis(form, reports);
    }
};

QTEST_MAIN(AnalysisFormTest)
#include "AnalysisFormTest.moc"
