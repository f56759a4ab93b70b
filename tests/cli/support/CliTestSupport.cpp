// SPDX-License-Identifier: Apache-2.0
#include "cli/support/CliTestSupport.h"

#include <fstream>
#include <stdexcept>

#include "store/RecordCodec.h"
#include "store/RecordFile.h"

namespace orva::testing {

AssessmentRecord MakePerson(int reporter, const std::string& first, const std::string& last,
                            const std::vector<std::pair<int, int>>& answers, const std::string& observer) {
    AssessmentRecord record;
    record.SetReporter(reporter);
    record.SetFirstName(first);
    record.SetLastName(last);
    record.SetGender('F');
    record.SetBirthDate(2012, 5, 17);
    record.SetDataEntry(reporter == kTeacher ? kPaper : kOnScreen);
    record.SetObserverName(observer);
    for (const auto& [item, value] : answers) record.SetResponse(item, value);
    return record;
}

void AppendRecords(const std::string& path, std::vector<AssessmentRecord> records) {
    int n = 0;
    for (AssessmentRecord& record : records) {
        ++n;
        const FixedClock clock({2024, 3, (n - 1) % 28 + 1, 10, (n - 1) / 28, n % 60});
        const StoredRecord stored = EncodeForStorage(record, clock);
        RecordFile file(clock);
        int position = -1;
        if (file.WriteRecord(path, stored, -1, position) != 0) throw std::runtime_error("write failed");
    }
}

void PatchByte(const std::string& path, long long offset, unsigned char value) {
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    file.seekp(offset);
    file.put(static_cast<char>(value));
}

}  // namespace orva::testing
