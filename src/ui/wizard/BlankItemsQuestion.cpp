#include "ui/wizard/BlankItemsQuestion.h"

#include <QString>
#include <QStringList>

#include "ui/Prompter.h"
#include "ui/wizard/WizardTexts.h"

namespace orva {

namespace w = texts::wizard;

namespace {

// The first button goes on and is the default; closing the box stays.
bool GoOn(Prompter& prompter, const QString& text, const char* goOn, const char* stay) {
    return prompter.Choose(QString::fromUtf8(w::kBlankItemsCaption), text,
                           {QString::fromUtf8(goOn), QString::fromUtf8(stay)}, 0,
                           MessageIcon::Exclamation) == 0;
}

}  // namespace

bool LeaveBlankItems(Prompter& prompter) {
    const QString text = QString::fromUtf8(w::kBlankItemsWarning) + QStringLiteral("\n\n") +
                         QString::fromUtf8(w::kBlankItemsText);
    return GoOn(prompter, text, w::kLeaveBlank, w::kContinueCurrent);
}

bool LeaveBlankItemsInPlainWords(Prompter& prompter, bool oneItem) {
    return GoOn(prompter, QString::fromUtf8(oneItem ? w::kPlainBlankItem : w::kPlainBlankItems),
                w::kPlainLeaveBlank, w::kPlainAnswerNow);
}

}  // namespace orva
