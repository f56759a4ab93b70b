// SPDX-License-Identifier: Apache-2.0
#include "cli/support/CliTestSupport.h"

#include <fstream>

#include "support/RecordBuilder.h"

namespace orva::cli_test {

AssessmentRecord MakePerson(int reporter, const std::string& first, const std::string& last,
                            const std::vector<std::pair<int, int>>& answers, const std::string& observer) {
    testsupport::RecordBuilder record(reporter);
    record.Names(first, last).Gender('F').Born(2012, 5, 17).Observer(observer).Answers(answers);
    if (reporter == kTeacher) record.OnPaper();
    return record;
}

void PatchByte(const std::string& path, long long offset, unsigned char value) {
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    file.seekp(offset);
    file.put(static_cast<char>(value));
}

}  // namespace orva::cli_test
