#include "ui/wizard/WizardPage.h"

#include "ui/Prompter.h"
#include "ui/access/AccessibleRoles.h"
#include "ui/wizard/WizardTexts.h"

namespace orva {

WizardPage::WizardPage(QWidget* parent) : QWidget(parent) {
    InstallAccessibleRoles();
}

bool WizardPage::CancelQuery(Prompter& prompter) {
    return prompter.AskYesNo(QString::fromUtf8(texts::wizard::kCancelCaption),
                             QString::fromUtf8(texts::wizard::kCancelText), MessageIcon::Question, false);
}

}  // namespace orva
