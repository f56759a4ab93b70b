// SPDX-License-Identifier: Apache-2.0
#include "cli/ReportCommand.h"

#include <functional>

#include "cli/ChosenRecords.h"
#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "cli/CommandLine.h"
#include "cli/PathChecks.h"
#include "model/RecordFilePath.h"
#include "store/OutputFile.h"
#include "cli/ReportsCliSupport.h"
#include "reports/ReportFileNames.h"
#include "reports/ReportMessages.h"
#include "reports/ReportsTexts.h"
#include "reports/RtfReportWriter.h"
#include "screening/ScreeningTexts.h"
#include "store/StoreMessages.h"
#include "store/StoreError.h"
#ifdef ORVA_CLI_PDF
#include "cli/ToolkitMessages.h"
#include "reports/print/OffscreenApplication.h"
#include "reports/print/PdfReport.h"
#endif

namespace orva::cli {

namespace {

constexpr std::string_view kRtf = "--rtf";
constexpr std::string_view kPdf = "--pdf";
constexpr std::size_t kMostRecords = 3;

// Opens the report file: one that is there only with --replace, a record file never. Prints
// why not and gives false.
bool OpenReportFile(OutputFile& file, bool replace, std::ostream& err,
                    const std::function<void(StoreError)>& openFailed) {
    StoreStatus opened = file.Open(false);
    if (!opened && opened.Error() == StoreError::FileExists) {
        if (!replace) {
            PrintPlainMessage(err, FileExistsQuestion());
            err << EscapedPath(file.Path()) << '\n' << texts::cli::kUseReplace << '\n';
            return false;
        }
        opened = file.Open(true);
    }
    if (!opened) {
        openFailed(opened.Error());
        return false;
    }
    return true;
}

// The RTF report, written whole or not at all.
int WriteRtf(const ReportSet& reports, const std::string& rtfName, bool replace, std::ostream& out,
             std::ostream& err) {
    OutputFile file;
    file.SetPath(rtfName + orva::texts::kRtfSuffixLabel);
    const auto openFailed = [&err, &rtfName](StoreError failure) {
        PrintPlainMessage(err, SaveFileOpenMessage(failure, rtfName));
    };
    if (!OpenReportFile(file, replace, err, openFailed)) return kExitRefused;
    const StoreStatus written = WriteRtfReport(reports, file);
    const StoreStatus closed = written ? file.Close() : written;
    if (!closed) {
        PrintPlainMessage(err, SaveNotWrittenMessage(rtfName));
        err << texts::cli::kReportIncompleteCode << Code(closed.Error()) << '\n';
        return kExitRefused;
    }
    const UserMessage saved = SaveSuccessfulMessage(rtfName);
    out << EscapedMessage(saved.caption) << '\n' << EscapedMessage(saved.text) << '\n';
    return kExitSuccess;
}

#ifdef ORVA_CLI_PDF
// The printed pages as a PDF file, drawn without a display, written whole or not at all.
int WritePdf(const ReportSet& reports, const std::string& path, bool replace, std::ostream& out, std::ostream& err) {
    SilenceToolkitMessages();
    OutputFile file;
    file.SetPath(path);
    const auto notWritten = [&err, &path](long long code) {
        err << texts::cli::kProgram << ": " << texts::cli::kPdfNotWritten << EscapedPath(path) << " (" << code << ")\n";
        return kExitRefused;
    };
    const auto openFailed = [&err, &path, &notWritten](StoreError failure) {
        if (failure == StoreError::OutputIsRecordFile) {
            PrintPlainMessage(err, OutputIsRecordFileMessage(path));
        } else {
            notWritten(Code(failure));
        }
    };
    if (!OpenReportFile(file, replace, err, openFailed)) return kExitRefused;
    std::string pdf;
    const PrintStatus rendered = [&reports, &pdf] {
        const OffscreenApplication drawing;
        return RenderPdfReport(reports, pdf);
    }();
    if (!rendered) return notWritten(static_cast<int>(rendered.Error()));
    const StoreStatus written = file.Write(pdf.data(), pdf.size());
    const StoreStatus closed = written ? file.Close() : written;
    if (!closed) return notWritten(Code(closed.Error()));
    out << texts::cli::kPdfWritten << EscapedPath(path) << '\n';
    return kExitSuccess;
}
#endif

int Run(const ParsedCommand& line, std::ostream& out, std::ostream& err) {
    const std::vector<int> positions = RecordPositions(line);
    const std::optional<std::string> rtf = line.Last(kRtf);
    const std::string rtfName = rtf ? WithoutExtension(*rtf, orva::texts::kRtfSuffixLabel) : std::string();
    const bool haveRtf = rtf.has_value();
    const std::string pdfPath = line.Last(kPdf).value_or("");
    if (positions.empty()) return UsageError(err, texts::cli::kNoRecordChosen);
    if (positions.size() > kMostRecords) {
        PrintMessage(err, {orva::texts::kTooManySelectionsCaption, orva::texts::kTooManySelections,
                           MessageIcon::Stop});
        return kExitRefused;
    }
    if (!haveRtf && pdfPath.empty()) return UsageError(err, texts::cli::kNoRtfFile);
    if (haveRtf && !pdfPath.empty()) return UsageError(err, texts::cli::kRtfOrPdf);
#ifndef ORVA_CLI_PDF
    if (!pdfPath.empty()) return UsageError(err, texts::cli::kNoPdfInThisBuild);
#endif
    if (haveRtf) {
        if (const auto refusal = CheckSaveFileName(rtfName)) {
            PrintPlainMessage(err, *refusal);
            return kExitRefused;
        }
    }

    const std::optional<std::string> recordFile = ResolveRecordFile(line.Arguments()[0], err);
    if (!recordFile) return kExitRefused;
    ReportSet reports;
    if (!LoadChosenRecords(*recordFile, positions, std::nullopt, reports, err)) return kExitRefused;
    const bool replace = line.Has(kReplaceOption.name);
#ifdef ORVA_CLI_PDF
    if (!pdfPath.empty()) return WritePdf(reports, pdfPath, replace, out, err);
#endif
    return WriteRtf(reports, rtfName, replace, out, err);
}

constexpr ArgumentDefinition kArguments[] = {kRecordFileArgument};
constexpr OptionDefinition kOptions[] = {
    kRecordOption,
    {kRtf, "OUT", texts::cli::kRtfHelp},
    {kPdf, "OUT", texts::cli::kPdfHelp},
    kReplaceOption,
};

}  // namespace

constinit const CommandDefinition kReportCommand{
    .name = "report",
    .synopsis = texts::cli::kReportSynopsis,
    .description = texts::cli::kReportDescription,
    .exitStatus = texts::cli::kReportExitStatus,
    .arguments = kArguments,
    .options = kOptions,
    .run = Run,
    .changesFiles = true,
};

}  // namespace orva::cli
