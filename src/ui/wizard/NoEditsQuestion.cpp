// SPDX-License-Identifier: Apache-2.0
#include "ui/wizard/NoEditsQuestion.h"

#include <QString>
#include <QStringList>

#include "ui/Prompter.h"
#include "ui/wizard/EditState.h"
#include "ui/wizard/WizardContext.h"
#include "ui/wizard/WizardTexts.h"

namespace orva {

namespace w = texts::wizard;

bool EditedOrSaveAnyway(WizardContext& context) {
    if (context.edit == nullptr || !context.record.SameContent(context.edit->reference)) return true;
    const QString text =
        QString::fromUtf8(w::kNoEditsText) + QStringLiteral("\n\n") + QString::fromUtf8(w::kNoEditsQuestion);
    return context.prompter.Choose(QString::fromUtf8(w::kNoEditsCaption), text,
                                   {QString::fromUtf8(w::kYesProceed), QString::fromUtf8(w::kDoNotSave)}, 0,
                                   MessageIcon::Question) == 0;
}

}  // namespace orva
