// SPDX-License-Identifier: Apache-2.0
#include "cli/AnalyseCommand.h"

#include <nlohmann/json.hpp>

#include "screening/AnalysisGrid.h"
#include "screening/AnalysisResult.h"
#include "cli/ChosenRecords.h"
#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "cli/CommandLine.h"
#include "cli/GridCellText.h"
#include "screening/DisorderId.h"
#include "cli/PersonJson.h"
#include "cli/RecordFileLoad.h"
#include "store/RecordList.h"
#include "screening/ScreeningPresentation.h"
#include "screening/ScreeningTexts.h"
#include "cli/TextTable.h"

namespace orva::cli {

namespace {

constexpr int kMaxRecords = 3;
constexpr int kFirstScoreColumn = 2;
constexpr int kAttainedColumn = 5;
constexpr int kItemsColumn = 6;
constexpr const char* kSlotKeys[kReportSlots] = {"self", "parent", "teacher"};

// The counts of a present reporter as numbers, in cutoff-label order; none for an absent one.
nlohmann::ordered_json Counts(const ReporterScore& score) {
    nlohmann::ordered_json counts = nlohmann::ordered_json::array();
    if (!score.present) return counts;
    for (int c = 0; c < score.result.countCount; ++c) counts.push_back(score.result.counts[c]);
    return counts;
}

// What the grid shows, plus the numbers its texts are made from.
nlohmann::ordered_json AnalysisDocument(const AnalysisGrid& grid, const AnalysisResult& analysis) {
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (DisorderId id : kAllDisorders) {
        const GridRow& row = grid.screening[RowIndex(id) + 1];
        nlohmann::ordered_json entry = {{"id", DisorderName(id)}, {"label", Utf8(row[0].text)},
                                        {"cutoff", Utf8(row[1].text)}};
        for (int slot = 0; slot < kReportSlots; ++slot) {
            const GridCell& cell = row[kFirstScoreColumn + slot];
            const ReporterScore& score = analysis.Row(id).reporters[slot];
            entry[kSlotKeys[slot]] = {{"score", Utf8(cell.text)},
                                      {"shaded", cell.shaded},
                                      {"counts", Counts(score)},
                                      {"positive", score.result.positive}};
        }
        entry["cutoff_attained"] = Utf8(row[kAttainedColumn].text);
        entry["items_met"] = Utf8(row[kItemsColumn].text);
        rows.push_back(std::move(entry));
    }
    nlohmann::ordered_json counts;
    nlohmann::ordered_json omega;
    for (int slot = 0; slot < kReportSlots; ++slot) {
        counts[kSlotKeys[slot]] = Utf8(grid.screening[kCountRow][kFirstScoreColumn + slot].text);
        omega[kSlotKeys[slot]] = Utf8(grid.reliability[1][kFirstScoreColumn + slot].text);
    }
    nlohmann::ordered_json followUp = nlohmann::ordered_json::array();
    for (const FollowUpItem& item : analysis.followUp)
        followUp.push_back(
            {{"item", item.item}, {"reporter", kSlotKeys[item.reporter]}, {"answer", item.answer}});
    return {
        {"rows", std::move(rows)},
        {"positive_screens", std::move(counts)},
        {"omega", std::move(omega)},
        {"reliability_attained", Utf8(grid.reliability[1][kAttainedColumn].text)},
        {"reliability_comment", Utf8(grid.reliability[1][kItemsColumn].text)},
        {"follow_up", std::move(followUp)},
    };
}

void WriteGrid(std::ostream& out, const std::array<GridRow, kScreeningGridRows>& rows) {
    std::vector<std::string> headings;
    for (const GridCell& cell : rows[0]) headings.push_back(Lines(cell.text));
    TextTable table(headings, true);
    for (std::size_t r = 1; r < rows.size(); ++r) {
        std::vector<std::string> cells;
        for (const GridCell& cell : rows[r]) cells.push_back(Utf8(Cell(cell)));
        table.AddRow(cells);
    }
    table.Write(out);
}

// The items to follow up as a table of their texts, or "None endorsed".
void WriteFollowUp(std::ostream& out, const AnalysisResult& analysis) {
    out << orva::texts::kFollowUpHeading << '\n';
    const std::vector<FollowUpTexts> rows = FollowUpRows(analysis);
    if (rows.empty()) {
        out << orva::texts::kNoneEndorsed << '\n';
        return;
    }
    const auto& columns = orva::texts::kFollowUpColumns;
    TextTable table({columns[0], columns[1], columns[2], columns[3]});
    for (const FollowUpTexts& row : rows)
        table.AddRow({row.item, row.reporter, row.answer, Utf8(row.wording)});
    table.Write(out);
}

void WriteAnalysisText(std::ostream& out, const std::string& path, const ReportSet& reports,
                       const std::array<int, kReportSlots>& positions, const AnalysisResult& analysis,
                       const AnalysisGrid& grid) {
    out << texts::cli::kAnalysisOf << OneLine(path) << '\n';
    WriteChosenReports(out, reports, positions);
    out << '\n';
    WriteGrid(out, grid.screening);
    out << '\n';

    TextTable reliability({Lines(grid.reliability[0][0].text), Lines(grid.reliability[0][1].text),
                           Lines(grid.reliability[0][2].text), Lines(grid.reliability[0][3].text),
                           Lines(grid.reliability[0][4].text), Lines(grid.reliability[0][5].text),
                           Lines(grid.reliability[0][6].text)},
                          true);
    std::vector<std::string> cells;
    for (const GridCell& cell : grid.reliability[1]) cells.push_back(Utf8(Lines(Cell(cell))));
    reliability.AddRow(cells);
    reliability.Write(out);
    out << texts::cli::kShadedLegend << '\n' << '\n';
    WriteFollowUp(out, analysis);
}

int Run(const ParsedCommand& line, std::ostream& out, std::ostream& err) {
    const std::vector<int> records = RecordPositions(line);
    if (records.empty()) return UsageError(err, texts::cli::kNoRecordChosen);
    if (records.size() > kMaxRecords) {
        PrintMessage(err, {orva::texts::kTooManySelectionsCaption, orva::texts::kTooManySelections, MessageIcon::Stop});
        return kExitRefused;
    }

    RecordList list;
    const LoadedFile loaded = LoadRecordFile(line.Arguments()[0], list, err);
    if (loaded.status == kExitRefused) return kExitRefused;

    ReportSet reports;
    const auto positions = LoadChosenRecords(loaded.path, records, list.RecordsInFile(), reports, err);
    if (!positions) return kExitRefused;
    const AnalysisResult analysis = ComputeAnalysis(reports);
    const AnalysisGrid grid = BuildAnalysisGrid(analysis);
    if (line.Has(kJsonOption.name)) {
        nlohmann::ordered_json document = AnalysisDocument(grid, analysis);
        document["person"] = PersonJson(reports);
        WriteJson(out, document);
    } else {
        WriteAnalysisText(out, loaded.path, reports, *positions, analysis, grid);
    }
    return loaded.status;
}

constexpr ArgumentDefinition kArguments[] = {kRecordFileArgument};
constexpr OptionDefinition kOptions[] = {kRecordOption, kJsonOption};

}  // namespace

constinit const CommandDefinition kAnalyseCommand{
    .name = "analyse",
    .synopsis = texts::cli::kAnalyseSynopsis,
    .description = texts::cli::kAnalyseDescription,
    .exitStatus = texts::cli::kChosenReportsExitStatus,
    .arguments = kArguments,
    .options = kOptions,
    .run = Run,
    .changesFiles = false,
};

}  // namespace orva::cli
