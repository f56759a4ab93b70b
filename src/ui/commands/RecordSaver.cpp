// SPDX-License-Identifier: Apache-2.0
#include "ui/commands/RecordSaver.h"

#include <vector>

#include "store/RecordStore.h"
#include "ui/WaitCursor.h"
#include "ui/wizard/EditState.h"

namespace orva {

SaveOutcome AppendRecord(AssessmentRecord& record, const RecordFilePath& file, const Clock& clock,
                         FileSystem& files) {
    std::vector<AssessmentRecord> records = {record};
    const AppendOutcome appended = RecordStore(files, clock).Append(file, records);
    // The record saved carries the save date-time it was stamped with.
    if (appended.status) record = records.front();
    return {appended.status, appended.firstPosition};
}

StoreStatus ReplaceRecord(AssessmentRecord& record, const RecordFilePath& file, int position,
                          const AssessmentRecord& expected, const Clock& clock, FileSystem& files) {
    return RecordStore(files, clock).Replace(file, position, expected, record);
}

WizardRecordSaver::WizardRecordSaver(AssessmentRecord& record, const EditState* edit, const Clock& clock)
    : record_(record), edit_(edit), clock_(clock), files_(&DefaultFileSystem()) {}

SaveAttempt WizardRecordSaver::Save(const RecordFilePath& file) {
    const WaitCursor wait;
    SaveAttempt attempt;
    if (edit_ != nullptr && edit_->replace) {
        const EditSelection& source = edit_->source;
        attempt.saved = {source.file, source.position};
        attempt.status =
            ReplaceRecord(record_, source.file, source.position, edit_->reference, clock_, *files_);
    } else {
        const SaveOutcome outcome = AppendRecord(record_, file, clock_, *files_);
        attempt = {outcome.status, {file, outcome.position}};
    }
    if (attempt.status) saved_ = attempt.saved;
    return attempt;
}

RecordSave WizardRecordSaver::Function() {
    return [this](const RecordFilePath& file) { return Save(file); };
}

}  // namespace orva
