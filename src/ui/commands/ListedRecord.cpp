// SPDX-License-Identifier: Apache-2.0
#include "ui/commands/ListedRecord.h"

#include "store/RecordList.h"

namespace orva {

bool ReadsAsListed(const AssessmentRecord& read, const RecordRow& listed) {
    const RecordRow row = RecordList::MakeRow(read, listed.filePosition);
    return row.upperFirst == listed.upperFirst && row.upperLast == listed.upperLast &&
           row.birthStored == listed.birthStored && row.savedStored == listed.savedStored &&
           row.reporter == listed.reporter;
}

}  // namespace orva
