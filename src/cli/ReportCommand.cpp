#include "cli/ReportCommand.h"

#include "cli/ChosenRecords.h"
#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "cli/PathChecks.h"
#include "model/RecordFilePath.h"
#include "reports/ReportFileNames.h"
#include "reports/ReportMessages.h"
#include "store/OutputFile.h"
#include "cli/ReportsCliSupport.h"
#include "cli/ReportsCliTexts.h"
#include "reports/ReportFileNames.h"
#include "reports/ReportMessages.h"
#include "reports/ReportsTexts.h"
#include "reports/RtfReportWriter.h"
#include "screening/ScreeningTexts.h"
#include "store/StoreMessages.h"
#include "store/StoreResult.h"
#ifdef ORVA_CLI_PDF
#include "reports/print/PdfReport.h"
#endif

namespace orva::cli {

namespace {

constexpr const char* kRecord = "--record";
constexpr const char* kRtf = "--rtf";
constexpr const char* kPdf = "--pdf";
constexpr const char* kReplace = "--replace";
constexpr std::size_t kMostRecords = 3;

// Why one chosen record could not be read. A position past the end or a record that fails its
// checks is a read error of that record, not a fault of the file; other codes are the store's.
void PrintReadFailure(std::ostream& err, const std::string& path, int position, int code) {
    const UserMessage readError{orva::texts::kReadErrorCaption, orva::texts::kReadError, MessageIcon::Stop};
    if (code == kPositionBeyondEnd) {
        PrintMessage(err, readError);
        err << texts::kPositionBeyondEnd << position << '\n';
    } else if (code == kChecksumMismatch || code == kIncompleteRecord) {
        PrintMessage(err, readError);
        err << texts::kRecordFailsChecks << position << '\n';
    } else {
        const auto message = LoadResultMessage(code, std::string(1, kNameMarker));
        PrintMessage(err, message ? *message : readError, RecordFilePath(path).WithoutExtension());
    }
}

// The RTF report, written whole or not at all.
int WriteRtf(const ReportSet& reports, const std::string& rtfName, bool replace, std::ostream& out,
             std::ostream& err) {
    OutputFile file;
    file.SetPath(rtfName + orva::texts::kRtfSuffixLabel);
    int opened = file.Open(false);
    if (opened == kFileExists) {
        if (!replace) {
            PrintPlainMessage(err, FileExistsQuestion());
            err << EscapedPath(file.Path()) << '\n' << texts::kUseReplace << '\n';
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
    out << EscapedMessage(saved.caption) << '\n' << EscapedMessage(saved.text) << '\n';
    return kExitSuccess;
}

#ifdef ORVA_CLI_PDF
// The eight printed pages as a PDF file, drawn without a display, written whole or not at all.
int WritePdf(const ReportSet& reports, const std::string& path, bool replace, std::ostream& out, std::ostream& err) {
    const int written = WritePdfReport(reports, path, replace);
    if (written == kFileExists) {
        PrintPlainMessage(err, FileExistsQuestion());
        err << EscapedPath(path) << '\n' << texts::kUseReplace << '\n';
        return kExitRefused;
    }
    if (written < 0) {
        err << texts::kProgram << ": " << texts::kPdfNotWritten << EscapedPath(path) << " (" << written << ")\n";
        return kExitRefused;
    }
    out << texts::kPdfWritten << EscapedPath(path) << '\n';
    return kExitSuccess;
}
#endif

}  // namespace

int RunReportCommand(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    const CommandWords parsed = ParseCommandWords(words, {kReplace}, {kRecord, kRtf, kPdf});
    if (!parsed.ok) return UsageError(err, parsed.problem, parsed.detail);
    if (parsed.arguments.empty()) return UsageError(err, texts::kMissingFile);
    if (parsed.arguments.size() > 1) return UsageError(err, texts::kExtraArgument, parsed.arguments[1]);
    std::vector<int> positions;
    std::string rtfName;
    bool haveRtf = false;
    std::string pdfPath;
    for (const auto& [option, value] : parsed.values) {
        if (option == kRtf) {
            rtfName = WithoutExtension(value, orva::texts::kRtfSuffixLabel);
            haveRtf = true;
            continue;
        }
        if (option == kPdf) {
            pdfPath = value;
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
    if (!haveRtf && pdfPath.empty()) return UsageError(err, texts::kNoRtfFile);
    if (haveRtf && !pdfPath.empty()) return UsageError(err, texts::kRtfOrPdf);
#ifndef ORVA_CLI_PDF
    if (!pdfPath.empty()) return UsageError(err, texts::kNoPdfInThisBuild);
#endif
    if (haveRtf) {
        if (const auto refusal = CheckSaveFileName(rtfName)) {
            PrintPlainMessage(err, *refusal);
            return kExitRefused;
        }
    }

    const std::optional<std::string> recordFile = ResolveRecordFile(parsed.arguments[0], err);
    if (!recordFile) return kExitRefused;
    ReportSet reports;
    if (!LoadChosenRecords(*recordFile, positions, PrintReadFailure, reports, err)) return kExitRefused;
    const bool replace = parsed.flags.count(kReplace) != 0;
#ifdef ORVA_CLI_PDF
    if (!pdfPath.empty()) return WritePdf(reports, pdfPath, replace, out, err);
#endif
    return WriteRtf(reports, rtfName, replace, out, err);
}

}  // namespace orva::cli
