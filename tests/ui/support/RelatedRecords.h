// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>

#include "model/AssessmentRecord.h"
#include "model/Clock.h"
#include "support/RecordBuilder.h"
#include "support/RecordFileWriter.h"
#include "ui/selection/RecordPath.h"

// Records of one person saved at known times, for the analysis shown after a paper save.
namespace orva::wizard_test {

// Appends a record of `reporter` for a person born on day `birthDay` of March 2012 (the person
// the wizard tests type is born on the 15th), saved at `when`; returns its file position.
inline int SaveAt(const QString& path, int reporter, const char* first, const char* last, int birthDay,
                  const char* observer, LocalDateTime when) {
    testsupport::RecordBuilder record(reporter);
    record.Names(first, last).Born(2012, 3, birthDay).Observer(observer);
    for (int item = 1; item <= kItemCount; ++item) record.Answers({{item, item % 3}});
    return testsupport::AppendRecords(FileSystemPath(path), {record}, {when}).value_or(-1);
}

}  // namespace orva::wizard_test
