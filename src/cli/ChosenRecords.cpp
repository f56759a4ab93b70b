// SPDX-License-Identifier: Apache-2.0
#include "cli/ChosenRecords.h"

#include "screening/AnalysisSelection.h"
#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "store/RecordList.h"
#include "screening/ReportSetLoader.h"
#include "screening/ScreeningTexts.h"
#include "model/FieldRules.h"
#include "model/RecordFilePath.h"
#include "store/StoreMessages.h"
#include "store/StoreError.h"

namespace orva::cli {

namespace {

UserMessage ReadError() { return {orva::texts::kReadErrorCaption, orva::texts::kReadError, MessageIcon::Stop}; }

}  // namespace

std::string PersonKey(const AssessmentRecord& record) {
    return RecordList::NameKey(record.GetFirstName()) + '\n' + RecordList::NameKey(record.GetLastName()) + '\n' +
           record.GetText(TextField::BirthDate);
}

void PrintReadFailure(std::ostream& err, const std::string& path, int position, StoreError failure,
                      std::optional<long long> recordsInFile) {
    if (failure == StoreError::PositionBeyondEnd) {
        PrintMessage(err, ReadError());
        err << texts::cli::kPositionBeyondEnd << position;
        if (recordsInFile) err << texts::cli::kRecordsInFile << *recordsInFile << texts::cli::kRecordsWord;
        err << '\n';
    } else if (failure == StoreError::ChecksumMismatch || failure == StoreError::IncompleteRecord) {
        PrintMessage(err, ReadError());
        err << texts::cli::kRecordFailsChecks << position << '\n';
    } else if (const auto message = LoadResultMessage(failure, std::string(1, kNameMarker))) {
        PrintMessage(err, *message, RecordFilePath(path).WithoutExtension());
    } else {
        PrintMessage(err, ReadError());
    }
}

std::optional<std::array<int, kReportSlots>> LoadChosenRecords(const std::string& path,
                                                               const std::vector<int>& positions,
                                                               std::optional<long long> recordsInFile,
                                                               ReportSet& reports, std::ostream& err) {
    // Each chosen record is read once to learn its reporter, then classified as the selection
    // dialog classifies its entries.
    std::vector<SelectedRecord> selected;
    std::vector<std::string> persons;
    for (int position : positions) {
        const StoreResult<AssessmentRecord> read = ReadRecordForAnalysis(path, position);
        if (!read) {
            PrintReadFailure(err, path, position, read.Error(), recordsInFile);
            return std::nullopt;
        }
        const AssessmentRecord& record = *read;
        // The dialogs offer only records found by name and birth date; here the choice is free,
        // so a record an analysis could not show, or a mix of persons, is refused.
        if (record.GetLastName().empty()) {
            err << texts::cli::kProgram << ": " << texts::cli::kNoLastName << position << '\n';
            return std::nullopt;
        }
        selected.push_back({record.GetReporter(), position});
        persons.push_back(PersonKey(record));
    }
    const AnalysisSelection selection = ClassifyAnalysisSelection(selected);
    if (selection.refusal) {
        PrintMessage(err, *selection.refusal);
        return std::nullopt;
    }
    for (const std::string& person : persons) {
        if (person != persons.front()) {
            err << texts::cli::kProgram << ": " << texts::cli::kDifferentPersons << '\n';
            return std::nullopt;
        }
    }
    if (!LoadReportSet(path, selection.positions, reports)) {
        PrintMessage(err, ReadError());
        return std::nullopt;
    }
    return selection.positions;
}

void WriteChosenReports(std::ostream& out, const ReportSet& reports, const std::array<int, kReportSlots>& positions) {
    for (int slot = 0; slot < kReportSlots; ++slot) {
        out << texts::cli::kReportLabels[slot];
        if (reports.IsSlotEmpty(slot)) {
            out << texts::cli::kNoReport << '\n';
            continue;
        }
        const AssessmentRecord& record = reports.Record(slot);
        out << texts::cli::kPositionWord << positions[slot] << "  "
            << OneLine(Utf8(record.GetFirstName() + " " + record.GetLastName())) << "  " << texts::cli::kSavedWord
            << OneLine(Utf8(SaveDateTimeFromStored(record.GetText(TextField::SaveDateTime))));
        if (!record.GetObserverName().empty()) {
            out << "  " << texts::cli::kObserverWord << OneLine(Utf8(record.GetObserverName()));
        }
        out << '\n';
    }
}

}  // namespace orva::cli
