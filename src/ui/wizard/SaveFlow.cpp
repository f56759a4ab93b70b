// SPDX-License-Identifier: Apache-2.0
#include "ui/wizard/SaveFlow.h"

#include "store/StoreMessages.h"
#include "ui/CoreText.h"
#include "ui/Prompter.h"
#include "ui/selection/RecordPath.h"

namespace orva {

void TellSave(WizardContext& context, const SaveAttempt& attempt) {
    if (!attempt.status) {
        context.prompter.Message(SaveFailedMessage(attempt.status.Error()));
        return;
    }
    const AssessmentRecord& r = context.record;
    UserMessage done =
        SaveSucceededMessage(r.GetFirstName(), r.GetLastName(), r.GetText(TextField::BirthDate), {});
    // The path is not a record text: it is shown as it was named.
    context.prompter.Message(CoreText::ToQt(done.caption),
                             CoreText::ToQt(done.text) + FromFileSystemPath(attempt.saved.file.Named()),
                             done.icon);
}

std::optional<SavedRecord> SaveRecord(WizardContext& context, const RecordFilePath& file) {
    const SaveAttempt attempt = context.save(file);
    TellSave(context, attempt);
    if (!attempt.status) return std::nullopt;
    return attempt.saved;
}

}  // namespace orva
