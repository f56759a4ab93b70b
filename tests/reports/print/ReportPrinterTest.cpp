// SPDX-License-Identifier: Apache-2.0
// The pages drawn onto recorders: what each page holds and where, without fonts.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/ItemCatalogue.h"
#include "reports/PersonDetailTexts.h"
#include "reports/print/PrintString.h"
#include "reports/print/PrintTexts.h"
#include "reports/print/support/PrintTestSupport.h"
#include "reports/support/ReportsTestSupport.h"
#include "screening/AnalysisGrid.h"
#include "screening/DisorderId.h"
#include "screening/ScreeningTexts.h"
#include "support/RecordBuilder.h"

namespace orva {
namespace {

using print_test::DrawAllPages;
using print_test::RecordedPages;
using print_test::RecordingCanvas;

constexpr double kEps = 1e-9;

QString Q(const char* text) {
    return QString::fromLatin1(text);
}

const RecordingCanvas::Text& Found(const RecordingCanvas& page, const QString& text) {
    const RecordingCanvas::Text* found = page.Find(text);
    if (found == nullptr) throw std::runtime_error("not drawn: " + text.toStdString());
    return *found;
}

// The texts drawn in the row whose label cell starts at the label's top, left to right.
QStringList RowTexts(const RecordingCanvas& page, const QString& label) {
    const double top = Found(page, label).rect.top();
    std::vector<RecordingCanvas::Text> row;
    for (const auto& text : page.Texts()) {
        if (std::abs(text.rect.top() - top) < kEps) row.push_back(text);
    }
    std::sort(row.begin(), row.end(),
              [](const auto& a, const auto& b) { return a.rect.left() < b.rect.left(); });
    QStringList texts;
    for (const auto& text : row) texts << text.text;
    return texts;
}

QStringList NonEmptyCells(const GridRow& row) {
    QStringList cells;
    for (const GridCell& cell : row) {
        if (!cell.text.empty()) cells << QString::fromStdString(cell.text);
    }
    return cells;
}

// The page a disorder row stands on.
int PageOf(DisorderId id) {
    if (id <= DisorderId::SAD) return 2;
    if (id <= DisorderId::DD) return 3;
    if (id <= DisorderId::AD) return 4;
    return 5;
}

TEST(ReportPrinter, DrawsEightPages_AndNothingForOtherNumbers) {
    const RecordedPages pages = DrawAllPages(reports_test::FullAnalysis());
    for (int number = 1; number <= 8; ++number) EXPECT_FALSE(pages[number - 1].Texts().empty()) << number;
    EXPECT_TRUE(pages[8].Texts().empty());

    const ReportPrinter printer(reports_test::FullAnalysis(), {});
    EXPECT_EQ(printer.PageCount(RecordingCanvas()), 8);
    RecordingCanvas before, after;
    printer.DrawPage(0, before);
    printer.DrawPage(10, after);
    EXPECT_TRUE(before.Texts().empty() && before.Boxes().empty());
    EXPECT_TRUE(after.Texts().empty() && after.Boxes().empty());
}

TEST(ReportPrinter, TitlePage_HasTheConfidentialityLineAndBothPictures_AndNoFooter) {
    const RecordedPages pages = DrawAllPages(reports_test::FullAnalysis());
    const RecordingCanvas& page = pages[0];
    ASSERT_EQ(page.Texts().size(), 1u);
    const auto& title = page.Texts()[0];
    EXPECT_EQ(title.text, Q("Strictly Confidential"));
    EXPECT_EQ(title.style.flags, kPrintBold | kPrintUnderline | kPrintAlignCenter | kPrintBreakWords);
    EXPECT_EQ(title.style.pointSize, 12);
    EXPECT_NEAR(title.rect.top(), 1.0, kEps);
    ASSERT_EQ(page.Images().size(), 2u) << "the pictures come from the program's resources";
    EXPECT_EQ(page.Images()[0], QRectF(QPointF(2.81, 1.9), QPointF(5.14, 4.155)));
    EXPECT_EQ(page.Images()[1], QRectF(QPointF(0.77, 4.8), QPointF(7.27, 6.11)));
    EXPECT_TRUE(page.Lines().empty());
}

TEST(ReportPrinter, Footer_StandsOnPages2To5Only_WithTheirNumbers) {
    const RecordedPages pages = DrawAllPages(reports_test::FullAnalysis());
    for (int number = 1; number <= 8; ++number) {
        const RecordingCanvas& page = pages[number - 1];
        const RecordingCanvas::Text* footer = page.Find(Q(texts::print::kFooter));
        if (number < 2 || number > 5) {
            EXPECT_EQ(footer, nullptr) << "page " << number;
            EXPECT_TRUE(page.Lines().empty()) << "page " << number;
            continue;
        }
        ASSERT_NE(footer, nullptr) << "page " << number;
        EXPECT_NEAR(footer->rect.top(), 10.2, kEps);
        EXPECT_EQ(footer->style.pointSize, 8);
        const auto pageNumber = std::find_if(page.Texts().begin(), page.Texts().end(), [](const auto& text) {
            return std::abs(text.rect.top() - 10.45) < kEps;
        });
        ASSERT_NE(pageNumber, page.Texts().end()) << "page " << number;
        EXPECT_EQ(pageNumber->text, QString::number(number));
        EXPECT_TRUE(pageNumber->style.flags & kPrintAlignCenter);
        ASSERT_EQ(page.Lines().size(), 1u);
        EXPECT_EQ(page.Lines()[0].from, QPointF(0.5, 10.4));
        EXPECT_EQ(page.Lines()[0].to, QPointF(7.75, 10.4));
    }
}

TEST(ReportPrinter, TablePages_CarryTheirHeadingsGroupsAndTheOutline) {
    const RecordedPages pages = DrawAllPages(reports_test::FullAnalysis());
    const QStringList page2 = pages[1].AllTexts();
    for (const char* text : {"BRIEF OUTLINE OF THE ORVA", "ORVA RESULTS", "ANXIETY DISORDERS"})
        EXPECT_TRUE(page2.contains(Q(text))) << text;
    EXPECT_TRUE(page2.contains(Q(texts::print::kOutlineParagraphs[2])));
    EXPECT_NEAR(Found(pages[1], Q(texts::print::kResultsHeadings[0])).rect.top(), 5.5, kEps);
    EXPECT_NEAR(Found(pages[1], Q(texts::kGroupAnxiety)).rect.top(), 6.1, kEps);

    const std::vector<std::vector<const char*>> groups = {
        {texts::kGroupAttentionDisruptive, texts::kGroupCommunication, texts::kGroupDepressive},
        {texts::kGroupEating, texts::kGroupLearning, texts::kGroupPervasive},
        {texts::kGroupTic}};
    for (int number = 3; number <= 5; ++number) {
        const RecordingCanvas& page = pages[number - 1];
        for (const char* heading : texts::print::kResultsHeadings)
            EXPECT_NEAR(Found(page, Q(heading)).rect.top(), 1.0, kEps) << "page " << number;
        EXPECT_NEAR(Found(page, Q(groups[number - 3][0])).rect.top(), 1.6, kEps);
        for (const char* group : groups[number - 3]) EXPECT_TRUE(page.Find(Q(group))) << group;
    }
    for (const char* heading : texts::print::kReliabilityHeadings)
        EXPECT_NEAR(Found(pages[4], Q(heading)).rect.top(), 4.3, kEps);
}

TEST(ReportPrinter, EveryRowsCells_AreTheAnalysisGridsCells_OnItsPage) {
    for (const ReportSet& reports :
         {reports_test::FullAnalysis(), reports_test::TeacherOnlyAnalysis(), print_test::LongestAnalysis()}) {
        const AnalysisGrid grid = BuildAnalysisGrid(reports);
        const RecordedPages pages = DrawAllPages(reports);
        for (DisorderId id : kAllDisorders) {
            const GridRow& row = grid.screening[RowIndex(id) + 1];
            EXPECT_EQ(RowTexts(pages[PageOf(id) - 1], QString::fromStdString(row[0].text)),
                      NonEmptyCells(row))
                << DisorderName(id);
        }
        const GridRow& counts = grid.screening[kCountRow];
        EXPECT_EQ(RowTexts(pages[4], Q(texts::kNumberOfPositiveScreens)), NonEmptyCells(counts));
        EXPECT_NEAR(Found(pages[4], Q(texts::kNumberOfPositiveScreens)).rect.top(), 3.7, kEps);
        EXPECT_EQ(RowTexts(pages[4], Q(texts::kOmegaRange)), NonEmptyCells(grid.reliability[1]));
    }
}

TEST(ReportPrinter, ShadedCells_AreTheGridsShadedCells) {
    const ReportSet reports = reports_test::FullAnalysis();
    const AnalysisGrid grid = BuildAnalysisGrid(reports);
    int shadedInGrid = 0;
    for (int row = 1; row < kScreeningGridRows; ++row)
        shadedInGrid += std::count_if(grid.screening[row].begin(), grid.screening[row].end(),
                                      [](const GridCell& c) { return c.shaded; });
    shadedInGrid += std::count_if(grid.reliability[1].begin(), grid.reliability[1].end(),
                                  [](const GridCell& c) { return c.shaded; });
    ASSERT_GT(shadedInGrid, 5);

    int shadedPrinted = 0;
    for (const RecordingCanvas& page : DrawAllPages(reports))
        shadedPrinted +=
            std::count_if(page.Boxes().begin(), page.Boxes().end(), [](const auto& b) { return b.shaded; });
    EXPECT_EQ(shadedPrinted, shadedInGrid);
}

TEST(ReportPrinter, TeacherCellOfRowsNotAssessedByTeachers_ReadsNotAssessed) {
    const RecordedPages pages = DrawAllPages(reports_test::TeacherOnlyAnalysis());
    for (const char* label : {texts::kLabelSad, texts::kLabelAn, texts::kLabelBn}) {
        const DisorderId id = std::string(label) == texts::kLabelSad ? DisorderId::SAD : DisorderId::AN;
        const QStringList row = RowTexts(pages[PageOf(id) - 1], Q(label));
        ASSERT_EQ(row.size(), 4) << label;  // label, cutoff, Teacher, "Cutoff Attained"
        EXPECT_EQ(row[2], Q(texts::kNotAssessedInTrf)) << label;
    }
}

TEST(ReportPrinter, ReliabilityRow_ShowsTheAtLeastCutoff_AndCommentsFollowAsTyped) {
    const RecordedPages pages = DrawAllPages(reports_test::FullAnalysis());
    const RecordingCanvas& page = pages[4];
    EXPECT_TRUE(page.Find(Q(">=0.07")));
    EXPECT_FALSE(page.Find(Q(">0.07")));
    const double heading = Found(page, Q("Comments:")).rect.top();
    EXPECT_GT(heading, 4.9);
    const auto& self = Found(page, QStringLiteral("[Self: Feels C:\\worried\\ most days]"));
    const auto& parent = Found(page, QStringLiteral("(Parent: Sleeps badly, {often} late)"));
    const auto& teacher =
        Found(page, QStringLiteral("{No additional 'Teacher-Report' comments were supplied}"));
    EXPECT_LT(heading, self.rect.top());
    EXPECT_LT(self.rect.top(), parent.rect.top());
    EXPECT_LT(parent.rect.top(), teacher.rect.top());
}

// Below the comments on page 5, whatever the rows show: the heading, what the list is and a row
// per item with its number, reporter, answer word and wording, above the footer.
TEST(ReportPrinter, ItemsToFollowUp_StandBelowTheCommentsOnPage5_WhenTheyFit) {
    ReportSet reports = reports_test::FullAnalysis();
    reports.Record(kParent) = testsupport::RecordBuilder(reports.Record(kParent)).Answers({{82, 2}});
    const RecordedPages pages = DrawAllPages(reports);
    const RecordingCanvas& page = pages[4];
    const auto& heading = Found(page, Q("Items to follow up"));
    EXPECT_GT(heading.rect.top(),
              Found(page, QStringLiteral("(Parent: Sleeps badly, {often} late)")).rect.top());
    EXPECT_EQ(RowTexts(page, Q("Item")), QStringList({"Item", "Reporter", "Answer", "Wording"}));
    EXPECT_EQ(RowTexts(page, Q("82")),
              QStringList({"82", "Parent", "Sometimes", FromCp1252(ItemCatalogue::Wording(kParent, 82))}));
    EXPECT_LT(Found(page, Q("82")).rect.top() + 0.15, 10.2);
    EXPECT_TRUE(pages[8].Texts().empty());

    const RecordedPages none = DrawAllPages(reports_test::FullAnalysis());
    EXPECT_GT(Found(none[4], Q("None endorsed")).rect.top(),
              Found(none[4], Q("Items to follow up")).rect.top());
}

// When they do not fit, a ninth page with the footer holds them and page 5 ends with the comments.
TEST(ReportPrinter, ItemsToFollowUp_TakeANinthPage_WhenTheyDoNotFit) {
    const ReportSet reports = print_test::LongestAnalysis();
    const RecordedPages pages = DrawAllPages(reports);
    EXPECT_EQ(ReportPrinter(reports, {}).PageCount(RecordingCanvas()), 9);
    for (int number = 1; number <= 8; ++number) EXPECT_FALSE(pages[number - 1].Find(Q("Items to follow up")));
    const RecordingCanvas& ninth = pages[8];
    EXPECT_TRUE(ninth.Find(Q("Items to follow up")));
    const QStringList texts = ninth.AllTexts();
    EXPECT_EQ(texts.count(Q("Very Often")), 11 + 11 + 6);
    EXPECT_EQ(texts.count(Q("Teacher")), 6);
    EXPECT_TRUE(ninth.Find(Q(texts::print::kFooter)));
    EXPECT_TRUE(ninth.Find(Q("9")));
    for (const auto& text : ninth.Texts()) EXPECT_LE(text.rect.top(), 10.7) << text.text.toStdString();
}

// The label and value texts of the details block's left column, by label.
struct ObserverRows {
    const RecordingCanvas::Text* parent;
    const RecordingCanvas::Text* teacher;
};
ObserverRows Observers(const RecordingCanvas& page) {
    return {page.Find(Q("Parent:")), page.Find(Q("Teacher:"))};
}

TEST(ReportPrinter, DetailsObserverRows_FollowWhoIsNamed) {
    const RecordingCanvas teacherPage = DrawAllPages(reports_test::TeacherOnlyAnalysis())[1];
    const ObserverRows teacherOnly = Observers(teacherPage);
    EXPECT_EQ(teacherOnly.parent, nullptr);
    ASSERT_NE(teacherOnly.teacher, nullptr);
    EXPECT_NEAR(teacherOnly.teacher->rect.top(), 4.5, kEps);
    EXPECT_NEAR(Found(teacherPage, Q("Ms Park")).rect.top(), 4.5, kEps);

    ReportSet parentOnly;
    parentOnly.Record(kParent) = reports_test::PersonRecord(kParent, "Ana", "Lee");
    parentOnly.Record(kParent).SetObserverName("Kim Lee");
    const RecordingCanvas parentPage = DrawAllPages(parentOnly)[1];
    const ObserverRows parent = Observers(parentPage);
    ASSERT_NE(parent.parent, nullptr);
    ASSERT_NE(parent.teacher, nullptr);
    EXPECT_NEAR(parent.parent->rect.top(), 4.5, kEps);
    EXPECT_NEAR(parent.teacher->rect.top(), 4.9, kEps);
    EXPECT_NEAR(Found(parentPage, Q("Kim Lee")).rect.top(), 4.5, kEps);

    ReportSet selfOnly;
    selfOnly.Record(kSelf) = reports_test::PersonRecord(kSelf, "Ana", "Lee");
    const RecordingCanvas selfPage = DrawAllPages(selfOnly)[1];
    const ObserverRows neither = Observers(selfPage);
    EXPECT_EQ(neither.parent, nullptr);
    EXPECT_EQ(neither.teacher, nullptr);
}

TEST(ReportPrinter, NameWithFormatCharacters_PrintsAsTyped) {
    ReportSet reports;
    reports.Record(kSelf) = reports_test::PersonRecord(kSelf, "%s%n", "100% \xC9lise");
    const RecordedPages pages = DrawAllPages(reports);
    const RecordingCanvas& page = pages[1];
    EXPECT_TRUE(page.Find(QStringLiteral("%s%n 100% ") + QChar(0xC9) + QStringLiteral("lise")));
}

// The bottom of a value as the recorder lays it out in its region.
double TextBottom(const RecordingCanvas::Text& text) {
    const QStringList lines = RecordingCanvas::WrapLines(text.text, text.rect.width(), text.style);
    return text.rect.top() + lines.size() * text.style.pointSize * 1.2 / 72;
}

TEST(ReportPrinter, ThreeAddressLines_FitTheirBox_ClearOfThePhoneRow) {
    const RecordedPages pages = DrawAllPages(print_test::LongestAnalysis());
    const PersonDetailTexts details = PreparePersonDetailTexts(print_test::LongestAnalysis());
    ASSERT_FALSE(details.addressLines[2].empty());
    const QString address = QString::fromStdString(details.addressLines[0] + "\n" + details.addressLines[1] +
                                                   "\n" + details.addressLines[2]);
    const auto& shown = Found(pages[1], address);
    const auto& phone = Found(pages[1], Q("Phone:"));
    EXPECT_GE(shown.style.pointSize, 6);
    EXPECT_LE(TextBottom(shown), shown.rect.bottom() + kEps);
    EXPECT_LE(shown.rect.bottom(), phone.rect.top());
    EXPECT_EQ(RecordingCanvas::WrapLines(shown.text, shown.rect.width(), shown.style).size(), 3)
        << "each address line stays one line";

    const auto& phones = Found(pages[1], Q("+61 2 9999 888\n+61 412 345 67"));
    EXPECT_LE(TextBottom(phones), phones.rect.bottom() + kEps);
    EXPECT_LE(phones.rect.bottom(), Found(pages[1], Q("Parent:")).rect.top());
}

TEST(ReportPrinter, ItemListsOfThreeReporters_StepDownNoLowerThan6Points) {
    const ReportSet reports = print_test::LongestAnalysis();
    const RecordedPages pages = DrawAllPages(reports);
    const AnalysisGrid grid = BuildAnalysisGrid(reports);
    const GridRow& combined = grid.screening[RowIndex(DisorderId::ADHD_C) + 1];
    const auto& items = Found(pages[2], QString::fromStdString(combined[6].text));
    EXPECT_LT(items.style.pointSize, 8);
    EXPECT_GE(items.style.pointSize, 6);
    EXPECT_LE(TextBottom(items), items.rect.bottom() + kEps);
}

// Each definition keeps its criteria and names the disorder as a clinician will look it up now.
TEST(ReportPrinter, Definitions_GiveTheCurrentNameOfTheirDisorder) {
    const RecordedPages pages = DrawAllPages(reports_test::FullAnalysis());
    const QStringList definitions = pages[5].AllTexts() + pages[6].AllTexts();
    const auto paragraphAfter = [&](const char* heading) {
        const qsizetype at = definitions.indexOf(Q(heading));
        return at < 0 || at + 1 >= definitions.size() ? QString() : definitions[at + 1];
    };
    const std::pair<const char*, const char*> names[] = {
        {"Attention-Deficit/Hyperactivity Disorder", "presentations"},
        {"Expressive Language Disorder", "(now language disorder)"},
        {"Mixed Receptive-Expressive Language Disorder", "(now language disorder)"},
        {"Phonological Disorder", "(now speech sound disorder)"},
        {"Dysthymic Disorder", "(now persistent depressive disorder)"},
        {"Disorder of Written Expression",
         "(now specific learning disorder with impairment in written expression)"},
        {"Mathematics Disorder", "(now specific learning disorder with impairment in mathematics)"},
        {"Reading Disorder", "(now specific learning disorder with impairment in reading)"},
        {"Asperger's Disorder", "(now autism spectrum disorder)"},
        {"Autistic Disorder", "(now autism spectrum disorder)"},
        {"Tic Disorder-Motor", "provisional tic disorder"},
        {"Tic Disorder-Vocal", "persistent vocal tic disorder"},
    };
    for (const auto& [heading, name] : names)
        EXPECT_TRUE(paragraphAfter(heading).contains(Q(name))) << heading;
}

TEST(ReportPrinter, DefinitionAndGuidelinePages_AreInArial_WithTheirHeadingsAndOpenings) {
    const RecordedPages pages = DrawAllPages(reports_test::FullAnalysis());
    for (int number = 6; number <= 8; ++number) {
        for (const auto& text : pages[number - 1].Texts()) EXPECT_EQ(text.style.face, Q("Arial"));
    }
    EXPECT_TRUE(pages[5].Find(Q("BRIEF DEFINITIONS FOR EACH DISORDER (DSM-IV-TR; APA 2000)")));
    EXPECT_TRUE(pages[6].Find(Q("Definitions (continued)")));
    EXPECT_TRUE(pages[7].Find(Q("ORVA Report Interpretation Guidelines")));
    for (const char* heading : {"Anxiety Disorders", "Generalised Anxiety Disorder", "Dysthymic Disorder",
                                "Attention-Deficit/Hyperactivity Disorder", "Phonological Disorder"})
        EXPECT_TRUE(pages[5].Find(Q(heading))) << heading;
    for (const char* heading : {"Eating Disorders", "Bulimia Nervosa", "Autistic Disorder",
                                "Tic Disorder-Vocal", "Tourette's Disorder"})
        EXPECT_TRUE(pages[6].Find(Q(heading))) << heading;
    const QStringList page6 = pages[5].AllTexts();
    EXPECT_TRUE(std::any_of(page6.begin(), page6.end(), [](const QString& t) {
        return t.startsWith(
            Q("Generalised anxiety disorder (GAD) is characterised by at least 6 months of persistent and"));
    }));
    for (const char* heading :
         {"Risk and Safety", "What the Screen Does Not Assess", "Disorder Column",
          "Positive Screen Cutoff Column", "Self-Report Score Column", "Parent-Report Score Column",
          "Teacher-Report Score Column", "Cutoff Attained Column", "Positive Screen Items Met Column",
          "When Reporters Disagree", "Summary Statistics"})
        EXPECT_TRUE(pages[7].Find(Q(heading))) << heading;
    const QString summary = pages[7].Texts().back().text;
    EXPECT_TRUE(summary.startsWith(
        Q("Seven items in the ORV are repeated in order to provide a test of reliability. Therefore,")));
}

}  // namespace
}  // namespace orva
