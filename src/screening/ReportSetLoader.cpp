// SPDX-License-Identifier: Apache-2.0
#include "screening/ReportSetLoader.h"

#include "store/RecordStore.h"

namespace orva {

int ReadRecordForAnalysis(const std::string& path, int position, AssessmentRecord& record, FileSystem& fileSystem) {
    AssessmentRecord decoded;
    const int result = RecordStore(fileSystem).Read(RecordFilePath(path), position, decoded);
    if (result < 0) return result;
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
