// SPDX-License-Identifier: Apache-2.0
#include "cli/HistoryOutput.h"

#include <nlohmann/json.hpp>

#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "cli/GridCellText.h"
#include "cli/TextTable.h"
#include "model/FieldRules.h"
#include "screening/AnalysisGrid.h"
#include "screening/ScreeningPresentation.h"

namespace orva::cli {

namespace {

constexpr int kFirstScoreColumn = 2;
constexpr const char* kSlotKeys[kReportSlots] = {"self", "parent", "teacher"};

std::string CompletionStored(const HistoryAssessment& assessment) {
    return assessment.record.GetText(TextField::CompletionDate);
}

// The command refuses a person without a valid birth date before any output.
std::string BirthStored(const PersonQuery& person) {
    AssessmentRecord stamp;
    AssumeAccepted(stamp.SetBirthDate(person.birthYear, person.birthMonth, person.birthDay));
    return stamp.GetText(TextField::BirthDate);
}

nlohmann::ordered_json AssessmentDocument(const HistoryAssessment& assessment) {
    const int slot = assessment.reporter;
    nlohmann::ordered_json positiveRows = nlohmann::ordered_json::array();
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (DisorderId id : kAllDisorders) {
        const ReporterScore& score = assessment.analysis.Row(id).reporters[slot];
        if (score.result.positive) positiveRows.push_back(DisorderName(id));
        nlohmann::ordered_json counts = nlohmann::ordered_json::array();
        for (int c = 0; c < score.result.countCount; ++c) counts.push_back(score.result.counts[c]);
        rows.push_back({{"id", DisorderName(id)},
                        {"positive", score.result.positive},
                        {"counts", std::move(counts)},
                        {"score", Utf8(ScoreText(score))}});
    }
    const OmegaResult& omega = assessment.analysis.omega[slot];
    return {
        {"position", assessment.position},
        {"completion_date", Utf8(CompletionStored(assessment))},
        {"reporter", ReporterListLabel(slot)},
        {"positive_screens", assessment.analysis.positiveScreens[slot]},
        {"positive_rows", std::move(positiveRows)},
        {"saved", Utf8(assessment.record.GetText(TextField::SaveDateTime))},
        {"observer_name", Utf8(assessment.record.GetObserverName())},
        {"rows", std::move(rows)},
        {"omega", OmegaText(omega)},
        {"omega_value",
         omega.HasValue() ? nlohmann::ordered_json(omega.value) : nlohmann::ordered_json(nullptr)},
        {"reliable", omega.reliable},
    };
}

nlohmann::ordered_json PeriodDocument(const PersonHistory& history, const CompletionPeriod& period) {
    nlohmann::ordered_json records;
    for (int slot = 0; slot < kReportSlots; ++slot) {
        const int column = period.analysisColumns[slot];
        records[kSlotKeys[slot]] =
            column < 0
                ? nlohmann::ordered_json(nullptr)
                : nlohmann::ordered_json(history.assessments[static_cast<std::size_t>(column)].position);
    }
    return {
        {"completion_date",
         Utf8(CompletionStored(history.assessments[static_cast<std::size_t>(period.columns[0])]))},
        {"columns", period.columns},
        {"records", std::move(records)},
    };
}

std::string ColumnHeading(const HistoryAssessment& assessment) {
    const std::string date = ShortDateFromStored(CompletionStored(assessment));
    return (date.empty() ? std::string(texts::cli::kNoCompletionDate) : date) + '\n' +
           ReporterListLabel(assessment.reporter) + '\n' + texts::cli::kPositionWord +
           std::to_string(assessment.position);
}

}  // namespace

nlohmann::ordered_json HistoryDocument(const std::string& path, const PersonQuery& person,
                                       const PersonHistory& history) {
    nlohmann::ordered_json assessments = nlohmann::ordered_json::array();
    for (const HistoryAssessment& assessment : history.assessments)
        assessments.push_back(AssessmentDocument(assessment));
    nlohmann::ordered_json periods = nlohmann::ordered_json::array();
    for (const CompletionPeriod& period : GroupByCompletionDate(history)) {
        periods.push_back(PeriodDocument(history, period));
    }
    return {
        {"file", path},
        {"person",
         {{"first_name", Utf8(person.firstName)},
          {"last_name", Utf8(person.lastName)},
          {"birth_date", BirthStored(person)}}},
        {"assessments", std::move(assessments)},
        {"periods", std::move(periods)},
    };
}

void WriteHistoryText(std::ostream& out, const std::string& path, const PersonQuery& person,
                      const PersonHistory& history) {
    out << texts::cli::kHistoryOf << OneLine(Utf8(person.firstName + " " + person.lastName))
        << texts::cli::kBornWord << ShortDate(person.birthYear, person.birthMonth, person.birthDay)
        << texts::cli::kInWord << OneLine(path) << '\n'
        << texts::cli::kAssessmentsWord << history.assessments.size() << "\n\n";

    // Each column is the reporter's column of the record's own analysis grid.
    std::vector<AnalysisGrid> grids;
    std::vector<std::string> headings = {texts::cli::kDisorderHeading};
    for (const HistoryAssessment& assessment : history.assessments) {
        grids.push_back(BuildAnalysisGrid(assessment.analysis));
        headings.push_back(ColumnHeading(assessment));
    }
    TextTable table(headings, true);
    const AnalysisGrid labels = FixedAnalysisGrid();
    const auto addRow = [&](const std::string& label, const auto& cellOf) {
        std::vector<std::string> cells = {label};
        for (std::size_t c = 0; c < grids.size(); ++c) {
            cells.push_back(
                Utf8(Lines(Cell(cellOf(grids[c], kFirstScoreColumn + history.assessments[c].reporter)))));
        }
        table.AddRow(cells);
    };
    for (int row = 1; row <= kDisorderCount; ++row) {
        addRow(Utf8(labels.screening[static_cast<std::size_t>(row)][0].text),
               [row](const AnalysisGrid& grid, int column) {
                   return grid.screening[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
               });
    }
    addRow(Utf8(labels.screening[kCountRow][0].text), [](const AnalysisGrid& grid, int column) {
        return grid.screening[kCountRow][static_cast<std::size_t>(column)];
    });
    addRow(texts::cli::kOmegaLabel, [](const AnalysisGrid& grid, int column) {
        return grid.reliability[1][static_cast<std::size_t>(column)];
    });
    table.Write(out);
    out << texts::cli::kShadedLegend << "\n\n" << texts::cli::kPeriodsHeading << '\n';

    for (const CompletionPeriod& period : GroupByCompletionDate(history)) {
        const HistoryAssessment& first = history.assessments[static_cast<std::size_t>(period.columns[0])];
        const std::string date = ShortDateFromStored(CompletionStored(first));
        out << "  " << (date.empty() ? std::string(texts::cli::kNoCompletionDate) : date) << ": "
            << texts::cli::kProgram << " analyse " << OneLine(path);
        for (int column : period.analysisColumns) {
            if (column >= 0)
                out << " --record " << history.assessments[static_cast<std::size_t>(column)].position;
        }
        out << '\n';
    }
}

}  // namespace orva::cli
