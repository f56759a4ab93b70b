#include "ui/wizard/BlankItemsQuestion.h"

#include <QString>
#include <QStringList>

#include "ui/Prompter.h"
#include "ui/wizard/WizardTexts.h"

namespace orva {

namespace w = texts::wizard;

bool LeaveBlankItems(Prompter& prompter) {
    const QString text = QString::fromUtf8(w::kBlankItemsWarning) + QStringLiteral("\n\n") +
                         QString::fromUtf8(w::kBlankItemsText);
    return prompter.Choose(QString::fromUtf8(w::kBlankItemsCaption), text,
                           {QString::fromUtf8(w::kLeaveBlank), QString::fromUtf8(w::kContinueCurrent)}, 0,
                           MessageIcon::Exclamation) == 0;
}

}  // namespace orva
