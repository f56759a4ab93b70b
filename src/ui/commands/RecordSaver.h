// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <optional>

#include "model/AssessmentRecord.h"
#include "model/Clock.h"
#include "model/RecordFilePath.h"
#include "store/FileSystem.h"
#include "store/StoreError.h"
#include "ui/wizard/SaveFlow.h"

namespace orva {

struct EditState;

// What an append reports: whether it succeeded, and the new record's position.
struct SaveOutcome {
    StoreStatus status;
    int position = -1;
};

// Saves `record` as a new record at the end of `file` (created when missing): stamps the save
// date-time, encodes and appends all or nothing.
SaveOutcome AppendRecord(AssessmentRecord& record, const RecordFilePath& file, const Clock& clock,
                         FileSystem& files = DefaultFileSystem());

// Saves `record` in place of record `position` of `file`, stamped with the save date-time, only
// while that place still holds `expected` (the record as it was read); otherwise nothing is
// written and the result is StoreError::RecordChanged.
StoreStatus ReplaceRecord(AssessmentRecord& record, const RecordFilePath& file, int position,
                          const AssessmentRecord& expected, const Clock& clock,
                          FileSystem& files = DefaultFileSystem());

// The save a questionnaire command hands its wizard, the one place a wizard's record is written:
// under the wait cursor, a new record is appended to the file the page names; an edit that
// replaces its record writes in the record's place in the file it was read from, whatever the
// page names, and only while that place still holds the record as read. It keeps where the last
// save that succeeded went, for what the command does once the wizard has closed.
class WizardRecordSaver {
  public:
    // `record` is the wizard's record, `edit` its edit (null for a new record); both belong to
    // the caller and are read at each save.
    WizardRecordSaver(AssessmentRecord& record, const EditState* edit, const Clock& clock);

    SaveAttempt Save(const RecordFilePath& file);
    // Save as the function the wizard takes; the saver must outlive the wizard.
    RecordSave Function();
    // Where the last successful save went; nothing before one.
    const std::optional<SavedRecord>& Saved() const { return saved_; }
    // Where records are written; tests make writes fail through it.
    void SetFileSystem(FileSystem& files) { files_ = &files; }

  private:
    AssessmentRecord& record_;
    const EditState* edit_;
    const Clock& clock_;
    FileSystem* files_;
    std::optional<SavedRecord> saved_;
};

}  // namespace orva
