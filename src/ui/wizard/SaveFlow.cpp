// SPDX-License-Identifier: Apache-2.0
#include "ui/wizard/SaveFlow.h"

#include "store/StoreMessages.h"
#include "ui/CoreText.h"
#include "ui/Prompter.h"
#include "ui/WaitCursor.h"
#include "ui/selection/RecordPath.h"
#include "ui/wizard/EditState.h"
#include "ui/wizard/RecordSaver.h"

namespace orva {

namespace {

// Writes the context's record; whether it succeeded, and where it went.
StoreStatus Write(WizardContext& context, SavedRecord& saved) {
    WaitCursor wait;
    FileSystem& files = context.files != nullptr ? *context.files : DefaultFileSystem();
    if (context.edit != nullptr && context.edit->replace) {
        const EditSelection& source = context.edit->source;
        saved = {source.path, source.position};
        return ReplaceRecord(context.record, source.path, source.position, context.edit->reference, context.clock,
                             files);
    }
    const SaveOutcome outcome = AppendRecord(context.record, saved.path, context.clock, files);
    saved.position = outcome.position;
    return outcome.status;
}

}  // namespace

SaveAttempt SaveRecordUntold(WizardContext& context, const QString& path) {
    SaveAttempt attempt{{}, {FileSystemPath(path), -1}};
    attempt.status = Write(context, attempt.saved);
    return attempt;
}

void TellSave(WizardContext& context, const SaveAttempt& attempt) {
    if (!attempt.status) {
        context.prompter.Message(SaveFailedMessage(attempt.status.Error()));
        return;
    }
    const AssessmentRecord& r = context.record;
    UserMessage done =
        SaveSucceededMessage(r.GetFirstName(), r.GetLastName(), r.GetText(TextField::BirthDate), {});
    // The path is not a record text: it is shown as the file functions were given it.
    context.prompter.Message(CoreText::ToQt(done.caption),
                             CoreText::ToQt(done.text) + FromFileSystemPath(attempt.saved.path),
                             done.icon);
}

std::optional<SavedRecord> SaveRecord(WizardContext& context, const QString& path) {
    const SaveAttempt attempt = SaveRecordUntold(context, path);
    TellSave(context, attempt);
    if (!attempt.status) return std::nullopt;
    return attempt.saved;
}

}  // namespace orva
