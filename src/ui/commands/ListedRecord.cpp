// SPDX-License-Identifier: Apache-2.0
#include "ui/commands/ListedRecord.h"

#include "store/RecordList.h"

namespace orva {

bool ReadsAsListed(const AssessmentRecord& read, const RecordRow& listed) {
    const RecordRow row = RecordList::MakeRow(read, listed.filePosition);
    return RecordList::CompareNames(row.firstName, listed.firstName) == 0 &&
           RecordList::CompareNames(row.lastName, listed.lastName) == 0 &&
           row.birthDate == listed.birthDate && row.saved == listed.saved && row.reporter == listed.reporter;
}

}  // namespace orva
