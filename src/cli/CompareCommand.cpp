// SPDX-License-Identifier: Apache-2.0
#include "cli/CompareCommand.h"

#include <nlohmann/json.hpp>

#include "cli/ChosenRecords.h"
#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "cli/CommandLine.h"
#include "cli/PersonJson.h"
#include "cli/RecordFileLoad.h"
#include "cli/TextTable.h"
#include "model/ItemCatalogue.h"
#include "screening/ComparisonPresentation.h"
#include "screening/ReporterComparison.h"
#include "screening/ScreeningPresentation.h"
#include "screening/ScreeningTexts.h"
#include "store/RecordList.h"

namespace orva::cli {

namespace {

constexpr std::size_t kFewestRecords = 2;
constexpr std::size_t kMostRecords = 3;
constexpr const char* kSlotKeys[kReportSlots] = {"self", "parent", "teacher"};

nlohmann::ordered_json RowIds(const std::vector<DisorderId>& rows) {
    nlohmann::ordered_json ids = nlohmann::ordered_json::array();
    for (DisorderId id : rows) ids.push_back(DisorderName(id));
    return ids;
}

template <typename T>
nlohmann::ordered_json OrNull(const std::optional<T>& value) {
    return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
}

nlohmann::ordered_json ItemDocument(const ItemComparison& item) {
    nlohmann::ordered_json answers;
    nlohmann::ordered_json counted;
    for (int slot = 0; slot < kReportSlots; ++slot) {
        answers[kSlotKeys[slot]] = OrNull(item.answers[slot]);
        counted[kSlotKeys[slot]] = RowIds(item.countedPositive[slot]);
    }
    return {
        {"item", item.item},
        {"answers", std::move(answers)},
        {"rows", RowIds(item.rows)},
        {"disagreement", item.disagreement},
        {"counted_positive", std::move(counted)},
        {"not_asked_of_teacher", item.notAskedOfTeacher},
        {"wording", Utf8(ItemCatalogue::Wording(kParent, item.item))},
        {"self_wording", Utf8(ItemCatalogue::Wording(kSelf, item.item))},
    };
}

nlohmann::ordered_json ComparisonDocument(const ReporterComparison& comparison) {
    nlohmann::ordered_json items = nlohmann::ordered_json::array();
    for (const ItemComparison& item : comparison.items) items.push_back(ItemDocument(item));
    nlohmann::ordered_json pairs = nlohmann::ordered_json::array();
    for (const ReporterAgreement& pair : comparison.pairs) {
        pairs.push_back({
            {"reporters", {kSlotKeys[pair.first], kSlotKeys[pair.second]}},
            {"both_answered", pair.bothAnswered},
            {"identical_share", OrNull(pair.identicalShare)},
            {"pearson_r", OrNull(pair.pearsonR)},
        });
    }
    nlohmann::ordered_json present;
    for (int slot = 0; slot < kReportSlots; ++slot) present[kSlotKeys[slot]] = comparison.present[slot];
    return {
        {"present", std::move(present)},
        {"items", std::move(items)},
        {"pairs", std::move(pairs)},
        {"agreement_note", Utf8(orva::texts::kAgreementExplanation)},
    };
}

// The rows an item counted towards, each reporter's in the brackets of the analysis grid.
std::string CountedText(const ItemComparison& item) {
    std::string text;
    for (int slot = 0; slot < kReportSlots; ++slot) {
        if (item.countedPositive[slot].empty()) continue;
        if (!text.empty()) text += orva::texts::kItemsMetJoin;
        text += kGridBrackets.open[slot] + RowIdsText(item.countedPositive[slot]) + kGridBrackets.close[slot];
    }
    return text;
}

void WriteComparisonText(std::ostream& out, const std::string& path, const ReportSet& reports,
                         const std::array<int, kReportSlots>& positions,
                         const ReporterComparison& comparison) {
    out << texts::cli::kComparisonOf << OneLine(path) << '\n';
    WriteChosenReports(out, reports, positions);
    out << '\n';

    TextTable agreement(
        {std::begin(texts::cli::kAgreementHeadings), std::end(texts::cli::kAgreementHeadings)});
    for (const ReporterAgreement& pair : comparison.pairs) {
        agreement.AddRow({ReporterPairText(pair), std::to_string(pair.bothAnswered), IdenticalShareText(pair),
                          PearsonText(pair)});
    }
    agreement.Write(out);
    out << Utf8(orva::texts::kAgreementExplanation) << "\n\n";

    std::vector<std::string> headings = {texts::cli::kItemHeading, texts::cli::kWordingHeading};
    for (int slot = 0; slot < kReportSlots; ++slot) {
        if (comparison.present[slot]) headings.push_back(texts::cli::kAnswerHeadings[slot]);
    }
    for (const char* heading :
         {texts::cli::kRowsHeading, texts::cli::kCountedHeading, texts::cli::kDisagreementHeading}) {
        headings.push_back(heading);
    }
    TextTable items(headings);
    for (const ItemComparison& item : comparison.items) {
        std::vector<std::string> cells = {std::to_string(item.item),
                                          OneLine(Utf8(ItemCatalogue::Wording(kParent, item.item)))};
        for (int slot = 0; slot < kReportSlots; ++slot) {
            if (comparison.present[slot]) cells.push_back(ComparisonAnswerText(comparison, item, slot));
        }
        cells.push_back(RowIdsText(item.rows));
        cells.push_back(CountedText(item));
        cells.push_back(item.disagreement ? texts::cli::kDisagreementMark : "");
        items.AddRow(cells);
    }
    items.Write(out);
    out << texts::cli::kComparisonLegend << '\n';
}

int Run(const ParsedCommand& line, std::ostream& out, std::ostream& err) {
    const std::vector<int> records = RecordPositions(line);
    if (records.size() < kFewestRecords) return UsageError(err, texts::cli::kCompareNeedsTwo);
    if (records.size() > kMostRecords) {
        PrintMessage(err, {orva::texts::kTooManySelectionsCaption, orva::texts::kTooManySelections,
                           MessageIcon::Stop});
        return kExitRefused;
    }

    RecordList list;
    const LoadedFile loaded = LoadRecordFile(line.Arguments()[0], list, err);
    if (loaded.status == kExitRefused) return kExitRefused;

    ReportSet reports;
    const auto positions = LoadChosenRecords(loaded.path, records, list.RecordsInFile(), reports, err);
    if (!positions) return kExitRefused;
    const ReporterComparison comparison = CompareReporters(reports, ComputeAnalysis(reports));
    if (line.Has(kJsonOption.name)) {
        nlohmann::ordered_json document = ComparisonDocument(comparison);
        document["person"] = PersonJson(reports);
        WriteJson(out, document);
    } else {
        WriteComparisonText(out, loaded.path, reports, *positions, comparison);
    }
    return loaded.status;
}

constexpr ArgumentDefinition kArguments[] = {kRecordFileArgument};
constexpr OptionDefinition kOptions[] = {kRecordOption, kJsonOption};

}  // namespace

constinit const CommandDefinition kCompareCommand{
    .name = "compare",
    .synopsis = texts::cli::kCompareSynopsis,
    .description = texts::cli::kCompareDescription,
    .exitStatus = texts::cli::kChosenReportsExitStatus,
    .arguments = kArguments,
    .options = kOptions,
    .run = Run,
    .changesFiles = false,
};

}  // namespace orva::cli
