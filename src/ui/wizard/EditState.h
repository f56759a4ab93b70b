// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>

#include "model/AssessmentRecord.h"
#include "ui/EditSelection.h"

namespace orva {

// What the pages of an edit wizard share beyond the record being edited: the record exactly as
// it was read, where it was read from, the name its file goes by in the file field, and whether
// Finish replaces it there or saves the edits as a new record. Owned by the caller.
struct EditState {
    const AssessmentRecord& reference;
    EditSelection source;  // a replacement always goes here, whatever the file field says
    QString ownFileName;   // without ".rpc"
    bool replace = true;
};

}  // namespace orva
