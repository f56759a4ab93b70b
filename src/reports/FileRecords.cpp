#include "reports/FileRecords.h"

#include "store/RecordCodec.h"
#include "store/RecordFile.h"

namespace orva {

std::vector<AssessmentRecord> ReadSoundRecords(const std::string& path, FileSystem& fileSystem) {
    std::vector<AssessmentRecord> records;
    RecordFile file(SystemClock::Instance(), fileSystem);
    int read = file.OpenForReading(path, true);
    while (read == kMoreRecords || read == kLastRecord || read == kIncompleteRecord) {
        AssessmentRecord record;
        if (read != kIncompleteRecord && DecodeFromStorage(record, file.CurrentRecord().data()) == 0) {
            records.push_back(record);
        }
        if (read == kLastRecord) break;
        read = file.ReadNext();
    }
    file.Close();
    return records;
}

}  // namespace orva
