// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>

#include "store/RecordFormat.h"

// Record files as the store never leaves them, changed byte by byte behind its back: a damaged
// record, or one another program put in place without the lock and the journal.
namespace orva::testsupport {

// Spoils record `position` of the file so that it fails its checks. False when the file
// could not be changed.
[[nodiscard]] bool SpoilRecord(const std::string& path, int position);

// Puts `stored` in place of record `position` of the file.
[[nodiscard]] bool OverwriteRecord(const std::string& path, int position, const StoredRecord& stored);

}  // namespace orva::testsupport
