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

// Writes each record handed out by the store as a CSV row, creating the CSV only once a
// record has been read and decoded; counts what could not be read, decoded or written; and
// notes the stop when the run cannot go on.
class CsvExport {
  public:
    CsvExport(const ExportRequest& request, const ReplaceDecision& replaceExisting, FileSystem& fs)
        : request_(request),
          replaceExisting_(replaceExisting),
          csvPath_(request.exportName + texts::kCsvSuffixLabel),
          csv_(fs) {}

    bool Visit(long long position, int code, const AssessmentRecord& record) {
        if (code == kChecksumMismatch) {
            ++counters_.couldNotImport;
            return true;
        }
        if (code < 0) {
            // A file whose first record cannot be read is no file to export.
            if (position == 0 && code == kIncompleteRecord) {
                return Stop(ExportStop::RecordFile, RecordFileOpenMessage(code, request_.recordFileName),
                            code);
            }
            ++counters_.couldNotRead;
            return true;
        }
        if (!csv_.IsOpen() && !csv_.Failed()) {
            int opened = csv_.Open(csvPath_, false);
            if (opened == kFileExists) {
                if (!replaceExisting_()) return Stop(ExportStop::Declined, std::nullopt, opened);
                opened = csv_.Open(csvPath_, true);
            }
            if (opened < 0) {
                return Stop(ExportStop::ExportFile, ExportFileOpenMessage(opened, request_.exportName),
                            opened);
            }
            // A CSV without its header row is no export: a failure here fails every row.
            csv_.Write(texts::kCsvHeader);
        }
        if (csv_.Write(FormatCsvLine(record))) {
            ++counters_.recordsWritten;
        } else {
            ++counters_.couldNotWrite;
        }
        return true;
    }

    // The outcome once the store has handed out every record of the `inFile` the file holds.
    ExportOutcome Finish(long long inFile) {
        if (stopped_) {
            // A stop at the first record came before the file's records were counted.
            if (stopped_->stop != ExportStop::RecordFile) {
                stopped_->counters.numberOfRecords = static_cast<unsigned>(inFile);
            }
            return *stopped_;
        }
        counters_.numberOfRecords = static_cast<unsigned>(inFile);
        int failure = csv_.Failure();
        if (csv_.IsOpen()) {
            const int closed = csv_.Close();
            if (failure == 0) failure = closed;
        }
        if (failure < 0) {
            // No CSV is left behind after a failure: none of its rows counts as written.
            counters_.couldNotWrite += counters_.recordsWritten;
            counters_.recordsWritten = 0;
            return Stopped(ExportStop::NotWritten,
                           ExportNotWrittenMessage(request_.recordFileName, request_.exportName, failure), counters_,
                           failure);
        }
        ExportOutcome outcome;
        outcome.exported = true;
        outcome.counters = counters_;
        outcome.message = ExportFinishedMessage(request_.recordFileName, request_.exportName, counters_);
        return outcome;
    }

  private:
    bool Stop(ExportStop stop, std::optional<UserMessage> message, int code) {
        stopped_ = Stopped(stop, std::move(message), counters_, code);
        return false;
    }

    const ExportRequest& request_;
    const ReplaceDecision& replaceExisting_;
    const std::string csvPath_;
    CsvWriter csv_;
    ExportCounters counters_;
    std::optional<ExportOutcome> stopped_;
};

}  // namespace

ExportOutcome RunExport(const ExportRequest& request, const ReplaceDecision& replaceExisting,
                        FileSystem& fileSystem) {
    if (!request.privacyAccepted) return Stopped(ExportStop::Privacy, ExportPrivacyMessage(), {}, 0);

    CsvExport run(request, replaceExisting, fileSystem);
    const long long inFile =
        RecordStore(fileSystem)
            .ForEach(RecordFilePath(request.recordFileName), true,
                     [&run](long long position, int code, const AssessmentRecord& record) {
                         return run.Visit(position, code, record);
                     });
    if (inFile < 0) {
        const int code = static_cast<int>(inFile);
        return Stopped(ExportStop::RecordFile, RecordFileOpenMessage(code, request.recordFileName), {}, code);
    }
    return run.Finish(inFile);
}

}  // namespace orva
