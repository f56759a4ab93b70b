#include "ui/wizard/SaveFlow.h"

#include "store/StoreMessages.h"
#include "ui/CoreText.h"
#include "ui/Prompter.h"
#include "ui/WaitCursor.h"
#include "ui/selection/RecordPath.h"
#include "ui/wizard/RecordSaver.h"

namespace orva {

std::optional<int> SaveNewRecord(WizardContext& context, const QString& path) {
    SaveOutcome outcome;
    {
        WaitCursor wait;
        outcome = AppendRecord(context.record, FileSystemPath(path), context.clock);
    }
    if (outcome.code != 0) {
        context.prompter.Message(SaveFailedMessage(outcome.code));
        return std::nullopt;
    }
    const AssessmentRecord& r = context.record;
    UserMessage done =
        SaveSucceededMessage(r.GetFirstName(), r.GetLastName(), r.GetText(TextField::BirthDate), {});
    // The path is not a record text: it is shown as the file functions were given it.
    context.prompter.Message(CoreText::ToQt(done.caption), CoreText::ToQt(done.text) + path, done.icon);
    return outcome.position;
}

}  // namespace orva
