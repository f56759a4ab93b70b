#include "reports/RtfDocument.h"

#include <string_view>

#include "screening/DisorderId.h"
#include "reports/ReportsTexts.h"
#include "screening/ScreeningTexts.h"
#include "reports/RtfEscape.h"
#include "screening/ScreeningRules.h"

namespace orva {

namespace {

// Font sizes in half points, colour indices of the colour table.
constexpr int kBodySize = 24;
constexpr int kOutlineSize = 22;
constexpr int kTableSize = 20;
constexpr int kResultsHeadSize = 19;
constexpr int kTitleSize = 48;
constexpr int kSubtitleSize = 32;
constexpr int kBlack = 1;
constexpr int kWhite = 8;
constexpr int kGreyText = 17;
constexpr int kFirstGroupShade = 18;
constexpr int kGroupShade = 19;
constexpr int kCountRowShade = 20;
constexpr int kGaramond = 36;

constexpr int kTitleLeft = 1276;
constexpr int kTitleRight = 9072;
constexpr int kTableLeft = -108;
constexpr int kDetailEdges[] = {1134, 5102, 6945, 10454};
constexpr int kResultEdges[] = {2410, 3402, 4395, 5387, 6379, 7513, 10490};
constexpr int kFollowUpEdges[] = {708, 1843, 3118, 10490};
constexpr int kTitleBlankParagraphs = 15;

const std::string kEnd = "\r\n";

enum class Align { Left, Centre };

std::string Paragraph(Align align, int size, bool inTable, const std::string& extra = {}) {
    return std::string("\\pard\\plain ") + (align == Align::Centre ? "\\qc" : "\\ql") +
           " \\li0\\ri0\\widctlpar" + (inTable ? "\\intbl" : "") +
           "\\wrapdefault\\aspalpha\\aspnum\\faauto\\adjustright\\rin0\\lin0" + extra + " \\fs" +
           std::to_string(size) + "\\lang3081\\langfe1033\\cgrid\\langnp3081\\langfenp1033 ";
}

// A run of text in its own group, so its formatting ends with it. `text` is RTF already; the
// blank after the control words ends them and is not part of the text.
std::string Run(const std::string& format, std::string_view text) {
    return "{" + format + (format.empty() ? "" : " ") + std::string(text) + "}";
}

std::string Fs(int size) {
    return "\\fs" + std::to_string(size);
}
std::string Cf(int colour) {
    return "\\cf" + std::to_string(colour);
}

enum class Merge { None, First, Continued };

struct Cell {
    int right;
    int shade = 0;  // colour index, 0 for none
    Merge merge = Merge::None;
};

std::string RowDefinition(int left, const std::vector<Cell>& cells, bool bordered, bool heading,
                          bool centreVertically) {
    static const std::string kBorder = "\\brdrs\\brdrw10 ";
    std::string row = "\\trowd \\trgaph108\\trleft" + std::to_string(left) + "\\trkeep";
    if (heading) row += "\\trhdr";
    row += " ";
    for (const Cell& cell : cells) {
        row += centreVertically ? "\\clvertalc" : "\\clvertalt";
        if (bordered) {
            row +=
                "\\clbrdrt" + kBorder + "\\clbrdrl" + kBorder + "\\clbrdrb" + kBorder + "\\clbrdrr" + kBorder;
        }
        if (cell.merge == Merge::First) row += "\\clmgf";
        if (cell.merge == Merge::Continued) row += "\\clmrg";
        if (cell.shade != 0) row += "\\clcbpat" + std::to_string(cell.shade);
        row += "\\cltxlrtb\\cellx" + std::to_string(cell.right) + kEnd;
    }
    return row;
}

std::vector<Cell> Cells(std::initializer_list<int> edges, int shade = 0) {
    std::vector<Cell> cells;
    for (int right : edges) cells.push_back({right, shade});
    return cells;
}

std::vector<Cell> ResultCells(int shade) {
    std::vector<Cell> cells;
    for (int right : kResultEdges) cells.push_back({right, shade});
    return cells;
}

// A table cell whose lines are separate paragraphs; `lines` are RTF already.
std::string CellText(Align align, int size, const std::string& format,
                     const std::vector<std::string>& lines) {
    std::string cell = Paragraph(align, size, true);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) cell += "\\par" + kEnd;
        cell += Run(format, lines[i]);
    }
    return cell + "\\cell" + kEnd;
}

std::string EmptyParagraph(int size = kBodySize) {
    return Paragraph(Align::Left, size, false) + "\\par" + kEnd;
}

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t cut = text.find('\n', start);
        lines.push_back(EscapeRtfText(text.substr(start, cut - start)));
        if (cut == std::string_view::npos) return lines;
        start = cut + 1;
    }
}

std::string TitlePage() {
    std::string page = Paragraph(Align::Centre, kBodySize, false) +
                       Run("\\b\\ul" + Cf(kGreyText), texts::kStrictlyConfidential) + "\\par" + kEnd;
    for (int i = 0; i < kTitleBlankParagraphs; ++i)
        page += Paragraph(Align::Centre, kBodySize, false) + "\\par" + kEnd;
    page += RowDefinition(kTitleLeft, {{kTitleRight, kBlack}}, false, false, true);
    const std::string garamond = "\\b\\f" + std::to_string(kGaramond);
    page += Paragraph(Align::Centre, kBodySize, true) +
            Run(garamond + Fs(kTitleSize) + Cf(kWhite), texts::kProductName) + "\\par" + kEnd +
            Run(garamond + Fs(kSubtitleSize) + Cf(kWhite), texts::kReportForm) + "\\cell" + kEnd + "\\row" +
            kEnd;
    return page;
}

std::string Italic(std::string_view text) {
    return Run("\\i", text);
}
std::string Upright(std::string_view text) {
    return Run("", text);
}

std::string Outline() {
    // The heading starts the second page.
    std::string outline = Paragraph(Align::Left, kOutlineSize, false, "\\pagebb") +
                          Run("\\b", texts::kOutlineHeading) + "\\par" + kEnd;
    const auto paragraph = [](const std::string& runs) {
        return EmptyParagraph(kOutlineSize) + Paragraph(Align::Left, kOutlineSize, false) + runs + "\\par" +
               kEnd;
    };
    outline += paragraph(Upright(texts::kOutline1Before) + Italic(texts::kOutline1Name) +
                         Upright(texts::kOutline1Between) + Italic(texts::kOutline1Short) +
                         Upright(texts::kOutline1After));
    outline += paragraph(Upright(texts::kOutline2Before) + Italic(texts::kOutline2Short) +
                         Upright(texts::kOutline2Between) + Italic(texts::kOutline2Manual) +
                         Upright(texts::kOutline2After));
    outline += paragraph(Upright(texts::kOutline3));
    return outline + EmptyParagraph(kOutlineSize);
}

std::string ResultsHeading() {
    return Paragraph(Align::Centre, kOutlineSize, false) + Run("\\b\\i", texts::kResultsHeadingShort) +
           Run("\\b", texts::kResultsHeadingRest) + "\\par" + kEnd + EmptyParagraph(kTableSize);
}

std::string DetailsTable(const PersonDetailTexts& p) {
    const auto row = [](const char* label1, const std::vector<std::string>& value1, const char* label2,
                        const std::string& value2) {
        std::string r = RowDefinition(
            kTableLeft, Cells({kDetailEdges[0], kDetailEdges[1], kDetailEdges[2], kDetailEdges[3]}), false,
            false, false);
        r += CellText(Align::Left, kTableSize, "\\b", {label1});
        r += CellText(Align::Left, kTableSize, "", value1);
        r += CellText(Align::Left, kTableSize, "\\b", {label2});
        r += CellText(Align::Left, kTableSize, "", {value2});
        return r + "\\row" + kEnd;
    };
    std::string table;
    table += row(texts::kLabelName, {p.name}, texts::kLabelGender, p.gender);
    table += row(texts::kLabelAddress, {p.addressLines[0], p.addressLines[1], p.addressLines[2]},
                 texts::kLabelDateOfBirth, p.birthDate);
    table += row(texts::kLabelPhone, {p.phoneLines[0], p.phoneLines[1]}, texts::kLabelAgeAtCompletion,
                 p.ageAtCompletion);
    table += row(texts::kLabelParent, {p.parentName}, texts::kLabelCompletionDate, p.completionDate);
    table += row(texts::kLabelTeacher, {p.teacherName}, texts::kLabelSchoolYear, p.schoolYear);
    table += row("", {""}, texts::kLabelSchool, p.school);
    return table + EmptyParagraph(kTableSize);
}

std::string ResultsHeadingRow() {
    const std::string format = "\\b" + Cf(kWhite);
    std::string row = RowDefinition(kTableLeft, ResultCells(kBlack), true, true, true);
    row += CellText(Align::Left, kResultsHeadSize, format, {texts::kHeadDisorder, texts::kHeadExclusive});
    for (const char* heading : {texts::kHeadCutoff, texts::kHeadSelfScore, texts::kHeadParentScore,
                                texts::kHeadTeacherScore, texts::kHeadCutoffAttained}) {
        row += CellText(Align::Centre, kResultsHeadSize, format, {heading});
    }
    row += CellText(
        Align::Left, kResultsHeadSize, format,
        {texts::kHeadItemsMet, texts::kHeadSelfItems, texts::kHeadParentItems, texts::kHeadTeacherItems});
    return row + "\\row" + kEnd;
}

// A group row spans the table as merged cells on the table's own grid, so that readers keep
// the results in one table and repeat its heading row on every page.
std::string GroupRow(const char* heading, bool first) {
    std::vector<Cell> cells = ResultCells(first ? kFirstGroupShade : kGroupShade);
    cells.front().merge = Merge::First;
    for (std::size_t i = 1; i < cells.size(); ++i) cells[i].merge = Merge::Continued;
    std::string row = RowDefinition(kTableLeft, cells, true, false, true) +
                      CellText(Align::Left, kTableSize, "\\b", {EscapeRtfText(heading)});
    for (std::size_t i = 1; i < cells.size(); ++i) row += CellText(Align::Left, kTableSize, "", {});
    return row + "\\row" + kEnd;
}

std::vector<std::string> ValueLines(const ReportRowTexts& row, int slot, int lineCount) {
    return std::vector<std::string>(row.values[slot].begin(), row.values[slot].begin() + lineCount);
}

std::string DisorderRow(DisorderId id, const ReportRowTexts& row) {
    std::vector<std::string> label = {texts::kRtfRowLabels[RowIndex(id)]};
    if (id == DisorderId::AsD || id == DisorderId::AD) label.push_back(texts::kTotalScoreAlsoEvaluated);
    const int valueLines = RuleFor(id).categoryCount;

    std::string r = RowDefinition(kTableLeft, ResultCells(0), true, false, true);
    r += CellText(Align::Left, kTableSize, "", label);
    r += CellText(Align::Centre, kTableSize, "", Lines(CutoffLabel(id)));
    for (int slot = 0; slot < kReportSlots; ++slot) {
        r += CellText(Align::Centre, kTableSize, "", ValueLines(row, slot, valueLines));
    }
    r += CellText(Align::Centre, kTableSize, "", {row.cutoffAttained});
    r += CellText(Align::Left, kTableSize, "", {row.itemsMet});
    return r + "\\row" + kEnd;
}

std::string PositiveScreensRow(const ReportRowTexts& row) {
    std::string r = RowDefinition(kTableLeft, ResultCells(kCountRowShade), true, false, true);
    r += CellText(Align::Left, kTableSize, "", {texts::kNumberOfPositiveScreens});
    r += CellText(Align::Centre, kTableSize, "", {""});
    for (int slot = 0; slot < kReportSlots; ++slot) {
        r += CellText(Align::Centre, kTableSize, "", {row.values[slot][0]});
    }
    r += CellText(Align::Centre, kTableSize, "", {""});
    r += CellText(Align::Left, kTableSize, "", {""});
    // The paragraph after the table keeps the next table apart from this one.
    return r + "\\row" + kEnd + EmptyParagraph(kTableSize);
}

std::string ReliabilityTable(const RtfReportTexts& t) {
    const std::string format = "\\b" + Cf(kWhite);
    std::string table = RowDefinition(kTableLeft, ResultCells(kBlack), true, false, true);
    table += CellText(Align::Left, kTableSize, format, {texts::kHeadReliability, texts::kHeadOmegaStatistic});
    for (const char* heading : {texts::kHeadOmegaCutoff, texts::kHeadSelfOmega, texts::kHeadParentOmega,
                                texts::kHeadTeacherOmega, texts::kHeadReliabilityAttained}) {
        table += CellText(Align::Centre, kTableSize, format, {heading});
    }
    table += CellText(Align::Left, kTableSize, format, {texts::kHeadReliabilityComments});
    table += "\\row" + kEnd;

    table += RowDefinition(kTableLeft, ResultCells(0), true, false, true);
    table += CellText(Align::Left, kTableSize, "", {texts::kRtfOmegaRange});
    table += CellText(Align::Centre, kTableSize, "", {texts::kRtfOmegaCutoff});
    for (int slot = 0; slot < kReportSlots; ++slot)
        table += CellText(Align::Centre, kTableSize, "", {t.omega[slot]});
    table += CellText(Align::Centre, kTableSize, "", {t.reliabilityAttained});
    table += CellText(Align::Left, kTableSize, "", {t.reliabilityComment});
    return table + "\\row" + kEnd + EmptyParagraph(kTableSize);
}

std::string Comments(const RtfReportTexts& t) {
    std::string comments =
        Paragraph(Align::Left, kTableSize, false) + Run("\\b", texts::kComments) + "\\par" + kEnd;
    for (int slot = 0; slot < kReportSlots; ++slot) {
        comments +=
            Paragraph(Align::Left, kTableSize, false) + Run("", t.person.comments[slot]) + "\\par" + kEnd;
    }
    return comments;
}

std::vector<Cell> FollowUpEdges(int shade) {
    return Cells({kFollowUpEdges[0], kFollowUpEdges[1], kFollowUpEdges[2], kFollowUpEdges[3]}, shade);
}

std::string FollowUpCells(const std::vector<std::string>& cells, const std::string& format) {
    std::string row;
    for (const std::string& cell : cells) row += CellText(Align::Left, kTableSize, format, {cell});
    return row + "\\row" + kEnd;
}

// The heading and what the list is, then "None endorsed" or the heading row of the list.
std::string FollowUpHeading(const RtfReportTexts& t) {
    std::string block = EmptyParagraph(kTableSize) + Paragraph(Align::Left, kTableSize, false) +
                        Run("\\b", texts::kFollowUpHeading) + "\\par" + kEnd +
                        Paragraph(Align::Left, kTableSize, false) + Run("", texts::kFollowUpNote) + "\\par" +
                        kEnd;
    if (t.followUp.empty())
        return block + Paragraph(Align::Left, kTableSize, false) + Run("", texts::kNoneEndorsed) + "\\par" +
               kEnd;
    const auto& columns = texts::kFollowUpColumns;
    block += RowDefinition(kTableLeft, FollowUpEdges(kBlack), true, true, false);
    return block + FollowUpCells({columns[0], columns[1], columns[2], columns[3]}, "\\b" + Cf(kWhite));
}

std::string FollowUpRow(const FollowUpTexts& row) {
    return RowDefinition(kTableLeft, FollowUpEdges(0), true, false, false) +
           FollowUpCells({row.item, row.reporter, row.answer, row.wording}, "");
}

// A paragraph after the last table, then the end of the document.
std::string DocumentEnd() {
    return EmptyParagraph(kTableSize) + "}" + kEnd;
}

}  // namespace

std::vector<std::string> BuildRtfReport(const RtfReportTexts& texts) {
    std::vector<std::string> chunks;
    chunks.push_back(RtfPreamble());
    chunks.push_back(TitlePage());
    chunks.push_back(Outline());
    chunks.push_back(ResultsHeading());
    chunks.push_back(DetailsTable(texts.person));
    chunks.push_back(ResultsHeadingRow());
    for (DisorderId id : kAllDisorders) {
        if (StartsGroup(id)) chunks.push_back(GroupRow(GroupHeading(id), id == kAllDisorders.front()));
        chunks.push_back(DisorderRow(id, texts.rows[RowIndex(id)]));
    }
    chunks.push_back(PositiveScreensRow(texts.rows[kPositiveScreensRow]));
    chunks.push_back(ReliabilityTable(texts));
    chunks.push_back(Comments(texts));
    chunks.push_back(FollowUpHeading(texts));
    for (const FollowUpTexts& row : texts.followUp) chunks.push_back(FollowUpRow(row));
    chunks.push_back(DocumentEnd());
    return chunks;
}

}  // namespace orva
