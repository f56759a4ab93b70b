// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QFile>
#include <QString>

#include "model/AssessmentRecord.h"
#include "model/Clock.h"
#include "ui/commands/RecordSaver.h"
#include "ui/selection/RecordPath.h"

// Records of one person saved at known times, for the analysis shown after a paper save.
namespace orva::wizard_test {

// Appends a record of `reporter` for a person born on day `birthDay` of March 2012 (the person
// the wizard tests type is born on the 15th), saved at `when`; returns its file position.
inline int SaveAt(const QString& path, int reporter, const char* first, const char* last, int birthDay,
                  const char* observer, LocalDateTime when) {
    AssessmentRecord record;
    record.SetReporter(reporter);
    record.SetFirstName(first);
    record.SetLastName(last);
    record.SetBirthDate(2012, 3, birthDay);
    record.SetObserverName(observer);
    for (int item = 1; item <= kItemCount; ++item) record.SetResponse(item, item % 3);
    const FixedClock clock(when);
    const SaveOutcome outcome = AppendRecord(record, RecordFilePath(FileSystemPath(path)), clock);
    return outcome.status ? outcome.position : -1;
}

}  // namespace orva::wizard_test
