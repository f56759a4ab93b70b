#include "reports/ExportRun.h"

#include "model/AssessmentRecord.h"
#include "reports/CsvFormat.h"
#include "store/OutputFile.h"
#include "store/RecordCodec.h"
#include "store/RecordFile.h"
#include "reports/ReportsTexts.h"
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

    RecordFile records(SystemClock::Instance(), fileSystem);
    int read = records.OpenForReading(request.recordFileName + texts::kRpcSuffixLabel, true);
    if (read < 0) {
        records.Close();
        return Stopped(ExportStop::RecordFile, RecordFileOpenMessage(read, request.recordFileName), counters,
                       read);
    }

    const std::string csvPath = request.exportName + texts::kCsvSuffixLabel;
    counters.numberOfRecords = static_cast<unsigned>(records.RecordCount());
    CsvWriter csv(fileSystem);
    AssessmentRecord record;
    for (unsigned k = 1; k <= counters.numberOfRecords; ++k) {
        if (k > 1) read = records.ReadNext();
        if (read < 0) {
            ++counters.couldNotRead;
            continue;
        }
        if (DecodeFromStorage(record, records.CurrentRecord().data()) < 0) {
            ++counters.couldNotImport;
            continue;
        }
        if (!csv.IsOpen() && !csv.Failed()) {
            int opened = csv.Open(csvPath, false);
            if (opened == kFileExists) {
                if (!replaceExisting()) {
                    records.Close();
                    return Stopped(ExportStop::Declined, std::nullopt, counters, opened);
                }
                opened = csv.Open(csvPath, true);
            }
            if (opened < 0) {
                records.Close();
                return Stopped(ExportStop::ExportFile, ExportFileOpenMessage(opened, request.exportName),
                               counters, opened);
            }
            // A CSV without its header row is no export: a failure here fails every row.
            csv.Write(texts::kCsvHeader);
        }
        if (csv.Write(FormatCsvLine(record))) {
            ++counters.recordsWritten;
        } else {
            ++counters.couldNotWrite;
        }
    }
    records.Close();

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
