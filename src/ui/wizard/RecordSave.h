// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <functional>

#include "model/RecordFilePath.h"
#include "store/StoreError.h"

namespace orva {

// Where a record was saved: its file and its position there.
struct SavedRecord {
    RecordFilePath file;
    int position = -1;
};

// How a save went: whether it succeeded, and where the record went.
struct SaveAttempt {
    StoreStatus status;
    SavedRecord saved;
};

// The one function a questionnaire wizard saves its record with, handed to it by the command
// that runs it: the wizard's record saved to `file` (the name its page was left with, checked
// by the record-file name rule), or in its own place when an edit replaces it. The wizard
// shows and asks; this acts.
using RecordSave = std::function<SaveAttempt(const RecordFilePath& file)>;

}  // namespace orva
