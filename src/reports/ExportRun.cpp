// SPDX-License-Identifier: Apache-2.0
#include "reports/ExportRun.h"

#include "model/AssessmentRecord.h"
#include "reports/CsvFormat.h"
#include "reports/ReportsTexts.h"
#include "store/OutputFile.h"
#include "store/RecordStore.h"
#include "store/StoreError.h"

namespace orva {

namespace {

class CsvWriter {
  public:
    explicit CsvWriter(FileSystem& fs) : file_(fs) {}

    bool IsOpen() const { return file_.IsOpen(); }
    bool Failed() const { return !failure_; }
    StoreStatus Failure() const { return failure_; }

    StoreStatus Open(const std::string& path, bool replace) {
        file_.SetPath(path);
        return file_.Open(replace);
    }

    // False once any write has failed; nothing is written after that.
    bool Write(const std::string& text) {
        if (!failure_) return false;
        failure_ = file_.Write(text.data(), text.size());
        return failure_.Ok();
    }

    StoreStatus Close() { return file_.Close(); }

  private:
    OutputFile file_;
    StoreStatus failure_;
};

ExportOutcome Stopped(ExportStop stop, std::optional<UserMessage> message, const ExportCounters& counters,
                      StoreStatus failure) {
    ExportOutcome outcome;
    outcome.stop = stop;
    outcome.message = std::move(message);
    outcome.counters = counters;
    outcome.failure = failure;
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

    bool Visit(long long position, StoreStatus read, const AssessmentRecord& record) {
        if (!read && read.Error() == StoreError::ChecksumMismatch) {
            ++counters_.couldNotImport;
            return true;
        }
        if (!read) {
            // A file whose first record cannot be read is no file to export.
            if (position == 0 && read.Error() == StoreError::IncompleteRecord) {
                return Stop(ExportStop::RecordFile, RecordFileOpenMessage(read.Error(), request_.recordFileName),
                            read);
            }
            ++counters_.couldNotRead;
            return true;
        }
        if (!csv_.IsOpen() && !csv_.Failed()) {
            StoreStatus opened = csv_.Open(csvPath_, false);
            if (!opened && opened.Error() == StoreError::FileExists) {
                if (!replaceExisting_()) return Stop(ExportStop::Declined, std::nullopt, opened);
                opened = csv_.Open(csvPath_, true);
            }
            if (!opened) {
                return Stop(ExportStop::ExportFile, ExportFileOpenMessage(opened.Error(), request_.exportName),
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
        StoreStatus failure = csv_.Failure();
        if (csv_.IsOpen()) {
            const StoreStatus closed = csv_.Close();
            if (failure) failure = closed;
        }
        if (!failure) {
            // No CSV is left behind after a failure: none of its rows counts as written.
            counters_.couldNotWrite += counters_.recordsWritten;
            counters_.recordsWritten = 0;
            return Stopped(ExportStop::NotWritten,
                           ExportNotWrittenMessage(request_.recordFileName, request_.exportName, failure.Error()), counters_,
                           failure);
        }
        ExportOutcome outcome;
        outcome.exported = true;
        outcome.counters = counters_;
        outcome.message = ExportFinishedMessage(request_.recordFileName, request_.exportName, counters_);
        return outcome;
    }

  private:
    bool Stop(ExportStop stop, std::optional<UserMessage> message, StoreStatus failure) {
        stopped_ = Stopped(stop, std::move(message), counters_, failure);
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
    if (!request.privacyAccepted) return Stopped(ExportStop::Privacy, ExportPrivacyMessage(), {}, {});

    CsvExport run(request, replaceExisting, fileSystem);
    const StoreResult<long long> inFile =
        RecordStore(fileSystem)
            .ForEach(RecordFilePath(request.recordFileName), true,
                     [&run](long long position, StoreStatus read, const AssessmentRecord& record) {
                         return run.Visit(position, read, record);
                     });
    if (!inFile) {
        return Stopped(ExportStop::RecordFile, RecordFileOpenMessage(inFile.Error(), request.recordFileName), {},
                       inFile.AsStatus());
    }
    return run.Finish(*inFile);
}

}  // namespace orva
