// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "model/RecordFilePath.h"
#include "store/RecordRow.h"

namespace orva {

// The record chosen in the edit selection dialog, kept for the Edit command.
struct EditSelection {
    RecordFilePath file;  // the record file as typed and where the store opens it
    int position = -1;  // record position in the file; -1 while nothing was chosen
    RecordRow listed{};   // the record as the list showed it, to check the record read against

    bool operator==(const EditSelection&) const = default;
};

}  // namespace orva
