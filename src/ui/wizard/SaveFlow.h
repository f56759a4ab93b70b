// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>
#include <optional>

#include "model/RecordFilePath.h"
#include "ui/wizard/WizardContext.h"

namespace orva {

// Where a record was saved: its file and its position there.
struct SavedRecord {
    RecordFilePath file;
    int position = -1;
};

// The save of every questionnaire wizard's Finish, under the wait cursor, followed by "Save Has
// Failed" or "Save Was Successful". A new record is appended to the file at `path` (".rpc"
// included, a path the file functions can take as it is). An edit that replaces its record writes in the
// record's place in the file it was read from, whatever `path` says, and only while that place still holds
// the record as read. Where the record was saved, or nothing after a failure.
std::optional<SavedRecord> SaveRecord(WizardContext& context, const QString& path);

// The same save with its outcome told later, to someone else than who pressed the button (the
// clinician, after a reporter answered alone): the store's result code and where it went.
struct SaveAttempt {
    int code = 0;
    SavedRecord saved;
};
SaveAttempt SaveRecordUntold(WizardContext& context, const QString& path);
// "Save Has Failed" or "Save Was Successful", as SaveRecord shows it.
void TellSave(WizardContext& context, const SaveAttempt& attempt);

}  // namespace orva
