#include "ReportCommand.h"

#include "AnalysisSelection.h"
#include "CliOutput.h"
#include "CliTexts.h"
#include "FileNameRules.h"
#include "OutputFile.h"
#include "RecordList.h"
#include "ReportFileNames.h"
#include "ReportMessages.h"
#include "ReportSetLoader.h"
#include "ReportsCliSupport.h"
#include "ReportsCliTexts.h"
#include "ReportsTexts.h"
#include "RtfReportWriter.h"
#include "ScreeningTexts.h"
#include "StoreMessages.h"
#include "StoreResult.h"

namespace orva::cli {

namespace {

constexpr const char* kRecord = "--record";
constexpr const char* kRtf = "--rtf";
constexpr const char* kReplace = "--replace";
constexpr std::size_t kMostRecords = 3;
constexpr std::size_t kMaxPositionDigits = 9;

bool ParsePosition(const std::string& text, int& position) {
    if (text.empty() || text.size() > kMaxPositionDigits) return false;
    position = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        position = position * 10 + (c - '0');
    }
    return true;
}

std::string PersonKey(const AssessmentRecord& record) {
    return RecordList::UpperCase(record.GetFirstName()) + '\n' + RecordList::UpperCase(record.GetLastName()) +
           '\n' + record.GetText(TextField::BirthDate);
}

// Fills the analysis from the chosen records as the analysis command does: one record per
// reporter, all of one person, each with a last name.
bool LoadAnalysis(const std::string& path, const std::vector<int>& positions, ReportSet& reports,
                  std::ostream& err) {
    const UserMessage readError{orva::texts::kReadErrorCaption, orva::texts::kReadError, MessageIcon::Stop};
    std::vector<SelectedRecord> selected;
    std::string person;
    for (int position : positions) {
        AssessmentRecord record;
        const int result = ReadRecordForAnalysis(path, position, record);
        if (result < 0) {
            const std::string name =
                path.substr(0, path.size() - std::string(orva::texts::kRpcSuffixLabel).size());
            const auto message = LoadResultMessage(result, std::string(1, kNameMarker));
            PrintMessage(err, message ? *message : readError, name);
            if (result == kPositionBeyondEnd) err << texts::kPositionBeyondEnd << position << '\n';
            return false;
        }
        if (record.GetLastName().empty()) {
            err << texts::kProgram << ": " << texts::kNoLastName << position << '\n';
            return false;
        }
        if (!person.empty() && PersonKey(record) != person) {
            err << texts::kProgram << ": " << texts::kDifferentPersons << '\n';
            return false;
        }
        person = PersonKey(record);
        selected.push_back({record.GetReporter(), position});
    }
    const AnalysisSelection selection = ClassifyAnalysisSelection(selected);
    if (selection.refusal) {
        PrintMessage(err, *selection.refusal);
        return false;
    }
    if (LoadReportSet(path, selection.positions, reports) < 0) {
        PrintMessage(err, readError);
        return false;
    }
    return true;
}

}  // namespace

int RunReportCommand(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    const CommandWords parsed = ParseCommandWords(words, {kReplace}, {kRecord, kRtf});
    if (!parsed.ok) return UsageError(err, parsed.problem, parsed.detail);
    if (parsed.arguments.empty()) return UsageError(err, texts::kMissingFile);
    if (parsed.arguments.size() > 1) return UsageError(err, texts::kExtraArgument, parsed.arguments[1]);
    std::vector<int> positions;
    std::string rtfName;
    bool haveRtf = false;
    for (const auto& [option, value] : parsed.values) {
        if (option == kRtf) {
            rtfName = WithoutExtension(value, orva::texts::kRtfSuffixLabel);
            haveRtf = true;
            continue;
        }
        int position = 0;
        if (!ParsePosition(value, position)) return UsageError(err, texts::kBadPosition, value);
        positions.push_back(position);
    }
    if (positions.empty()) return UsageError(err, texts::kNoRecordChosen);
    if (positions.size() > kMostRecords) {
        PrintMessage(err, {orva::texts::kTooManySelectionsCaption, orva::texts::kTooManySelections,
                           MessageIcon::Stop});
        return kExitRefused;
    }
    if (!haveRtf) return UsageError(err, texts::kNoRtfFile);
    if (const auto refusal = CheckSaveFileName(rtfName)) {
        PrintPlainMessage(err, *refusal);
        return kExitRefused;
    }

    const FileNameCheck recordFile = ApplyRecordFileNameRule(parsed.arguments[0]);
    if (!recordFile.ok) {
        PrintPlainMessage(err, {orva::texts::kIncorrectFileName, recordFile.message, MessageIcon::Stop});
        return kExitRefused;
    }
    ReportSet reports;
    if (!LoadAnalysis(recordFile.fullPath, positions, reports, err)) return kExitRefused;

    OutputFile file;
    file.SetPath(rtfName + orva::texts::kRtfSuffixLabel);
    int opened = file.Open(false);
    if (opened == kFileExists) {
        if (parsed.flags.count(kReplace) == 0) {
            PrintPlainMessage(err, FileExistsQuestion());
            err << file.Path() << '\n' << texts::kUseReplace << '\n';
            return kExitRefused;
        }
        opened = file.Open(true);
    }
    if (opened < 0) {
        PrintPlainMessage(err, SaveFileOpenMessage(opened, rtfName));
        return kExitRefused;
    }
    const long long written = WriteRtfReport(reports, file);
    const int closed = file.Close();
    const long long failure = written < 0 ? written : closed;
    if (failure < 0) {
        PrintPlainMessage(err, SaveIncompleteMessage(rtfName));
        err << texts::kReportIncompleteCode << failure << '\n';
        return kExitRefused;
    }
    const UserMessage saved = SaveSuccessfulMessage(rtfName);
    out << saved.caption << '\n' << saved.text << '\n';
    return kExitSuccess;
}

}  // namespace orva::cli
