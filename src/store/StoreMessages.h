// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <optional>
#include <string>

#include "model/UserMessage.h"
#include "store/StoreError.h"

namespace orva {

// The messages of the save and load flows, chosen from the store's result codes, so that
// every dialog shows the same words. Texts are Windows-1252 bytes like the records.

// "Save Has Failed" with the text for `error` (stop icon).
UserMessage SaveFailedMessage(StoreError error);

// "Save Was Successful": the person's names, the birth date (stored YYYYMMDD, shown
// dd/mm/yyyy) and the path the record was saved to, ".rpc" included (information icon).
UserMessage SaveSucceededMessage(const std::string& firstName, const std::string& lastName,
                                 const std::string& birthStored, const std::string& path);

// What to show for the result of RecordList::Load (the records not loaded, or the failure);
// nothing when every record loaded. `nameWithoutExtension` is the file's path as entered,
// without ".rpc".
std::optional<UserMessage> LoadResultMessage(const StoreResult<int>& loaded,
                                             const std::string& nameWithoutExtension);

// No row of the list matches the person (stop icon).
UserMessage NoMatchingRecordsMessage();

// The edit selection could open the file only for reading (information icon).
UserMessage ReadOnlyEditWarning();

// A journal beside `recordFile` did not belong to it and was not applied; it was kept as
// `keptAs`, or could not be moved when that is empty (exclamation icon). The names are given
// as the caller shows paths.
UserMessage UnmatchedJournalMessage(const std::string& recordFile, const std::string& keptAs);

}  // namespace orva
