#include "screening/ReportSetLoader.h"

#include "store/RecordCodec.h"
#include "store/RecordFile.h"

namespace orva {

int ReadRecordForAnalysis(const std::string& path, int position, AssessmentRecord& record, FileSystem& fileSystem) {
    RecordFile file(SystemClock::Instance(), fileSystem);
    StoredRecord stored{};
    const int status = file.ReadRecordAt(path, position, stored);
    if (status != static_cast<int>(kStoredRecordSize)) return status < 0 ? status : kIncompleteRecord;
    // Decode into a fresh record so that one failing its checks leaves the caller's untouched.
    AssessmentRecord decoded;
    const int decodedResult = DecodeFromStorage(decoded, stored.data());
    if (decodedResult < 0) return decodedResult;
    decoded.ComputeEndorsements();
    record = decoded;
    return 0;
}

int LoadReportSet(const std::string& path, const std::array<int, kReportSlots>& positions, ReportSet& reports,
                  FileSystem& fileSystem) {
    reports.Reset();
    for (int slot = 0; slot < kReportSlots; ++slot) {
        if (positions[slot] < 0) continue;
        const int result = ReadRecordForAnalysis(path, positions[slot], reports.Record(slot), fileSystem);
        if (result < 0) {
            reports.Reset();
            return result;
        }
    }
    return 0;
}

}  // namespace orva
