// SPDX-License-Identifier: Apache-2.0
#include "screening/ReportSetLoader.h"

#include "store/RecordStore.h"

namespace orva {

StoreResult<AssessmentRecord> ReadRecordForAnalysis(const std::string& path, int position,
                                                    FileSystem& fileSystem) {
    return RecordStore(fileSystem).Read(RecordFilePath(path), position);
}

StoreStatus LoadReportSet(const std::string& path, const std::array<int, kReportSlots>& positions,
                          ReportSet& reports, FileSystem& fileSystem) {
    reports.Reset();
    for (int slot = 0; slot < kReportSlots; ++slot) {
        if (positions[slot] < 0) continue;
        const StoreResult<AssessmentRecord> read = ReadRecordForAnalysis(path, positions[slot], fileSystem);
        if (!read) {
            reports.Reset();
            return read.Error();
        }
        reports.Record(slot) = *read;
    }
    return {};
}

}  // namespace orva
