// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>
#include <optional>
#include <string>

#include "store/StoreError.h"
#include "ui/wizard/WizardContext.h"

namespace orva {

// Where a record was saved: its file as the store opened it and its position there.
struct SavedRecord {
    std::string path;
    int position = -1;
};

// The save of every questionnaire wizard's Finish, under the wait cursor, followed by "Save Has
// Failed" or "Save Was Successful". A new record is appended to the file at `path` (".rpc"
// included). An edit that replaces its record writes in the record's place in the file it was
// read from, whatever `path` says, and only while that place still holds the record as read.
// Where the record was saved, or nothing after a failure.
std::optional<SavedRecord> SaveRecord(WizardContext& context, const QString& path);

// The same save with its outcome told later, to someone else than who pressed the button (the
// clinician, after a reporter answered alone): whether it succeeded and where it went.
struct SaveAttempt {
    StoreStatus status;
    SavedRecord saved;
};
SaveAttempt SaveRecordUntold(WizardContext& context, const QString& path);
// "Save Has Failed" or "Save Was Successful", as SaveRecord shows it.
void TellSave(WizardContext& context, const SaveAttempt& attempt);

}  // namespace orva
