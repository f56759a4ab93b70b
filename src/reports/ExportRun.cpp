#include "reports/ExportRun.h"

#include "model/AssessmentRecord.h"
#include "reports/CsvFormat.h"
#include "reports/ReportsTexts.h"
#include "store/OutputFile.h"
#include "store/RecordStore.h"
#include "store/StoreResult.h"

namespace orva {

namespace {

class CsvWriter {
  public:
    explicit CsvWriter(FileSystem& fs) : file_(fs) {}

    bool IsOpen() const { return file_.IsOpen(); }
    bool Failed() const { return failure_ != 0; }
    int Failure() const { return failure_; }

    int Open(const std::string& path, bool replace) {
        file_.SetPath(path);
        return file_.Open(replace);
    }

    // False once any write has failed; nothing is written after that.
    bool Write(const std::string& text) {
        if (failure_ != 0) return false;
        const long long result = file_.Write(text.data(), text.size());
        if (result < 0) failure_ = static_cast<int>(result);
        return failure_ == 0;
    }

    int Close() { return file_.Close(); }

  private:
    OutputFile file_;
    int failure_ = 0;
};

ExportOutcome Stopped(ExportStop stop, std::optional<UserMessage> message, const ExportCounters& counters,
                      int code) {
    ExportOutcome outcome;
    outcome.stop = stop;
    outcome.message = std::move(message);
    outcome.counters = counters;
    outcome.failureCode = code;
    return outcome;
}

}  // namespace

ExportOutcome RunExport(const ExportRequest& request, const ReplaceDecision& replaceExisting,
                        FileSystem& fileSystem) {
    ExportCounters counters;
    if (!request.privacyAccepted) return Stopped(ExportStop::Privacy, ExportPrivacyMessage(), counters, 0);

    const std::string csvPath = request.exportName + texts::kCsvSuffixLabel;
    CsvWriter csv(fileSystem);
    std::optional<ExportOutcome> stopped;
    const auto exportRecord = [&](long long position, int code, const AssessmentRecord& record) {
        if (code == kChecksumMismatch) {
            ++counters.couldNotImport;
            return true;
        }
        if (code < 0) {
            // A file whose first record cannot be read is no file to export.
            if (position == 0 && code == kIncompleteRecord) {
                stopped = Stopped(ExportStop::RecordFile, RecordFileOpenMessage(code, request.recordFileName),
                                  counters, code);
                return false;
            }
            ++counters.couldNotRead;
            return true;
        }
        if (!csv.IsOpen() && !csv.Failed()) {
            int opened = csv.Open(csvPath, false);
            if (opened == kFileExists) {
                if (!replaceExisting()) {
                    stopped = Stopped(ExportStop::Declined, std::nullopt, counters, opened);
                    return false;
                }
                opened = csv.Open(csvPath, true);
            }
            if (opened < 0) {
                stopped = Stopped(ExportStop::ExportFile, ExportFileOpenMessage(opened, request.exportName),
                                  counters, opened);
                return false;
            }
            // A CSV without its header row is no export: a failure here fails every row.
            csv.Write(texts::kCsvHeader);
        }
        if (csv.Write(FormatCsvLine(record))) {
            ++counters.recordsWritten;
        } else {
            ++counters.couldNotWrite;
        }
        return true;
    };
    const long long inFile =
        RecordStore(fileSystem).ForEach(RecordFilePath(request.recordFileName), true, exportRecord);
    if (inFile < 0) {
        const int code = static_cast<int>(inFile);
        return Stopped(ExportStop::RecordFile, RecordFileOpenMessage(code, request.recordFileName), counters,
                       code);
    }
    counters.numberOfRecords = static_cast<unsigned>(inFile);
    if (stopped) {
        // Once the file was open its records were counted, as every later stop reports.
        if (stopped->stop != ExportStop::RecordFile)
            stopped->counters.numberOfRecords = counters.numberOfRecords;
        return *stopped;
    }

    int failure = csv.Failure();
    if (csv.IsOpen()) {
        const int closed = csv.Close();
        if (closed < 0 && failure == 0) {
            // The rows may never have reached the disk: none of them counts as written.
            failure = closed;
            counters.couldNotWrite += counters.recordsWritten;
            counters.recordsWritten = 0;
        }
    }

    ExportOutcome outcome;
    outcome.exported = true;
    outcome.counters = counters;
    outcome.failureCode = failure;
    outcome.message = ExportFinishedMessage(request.recordFileName, request.exportName, counters);
    return outcome;
}

}  // namespace orva
