// SPDX-License-Identifier: Apache-2.0
#include "ui/wizard/OnScreenEditWizard.h"

namespace orva {

OnScreenEditWizard::OnScreenEditWizard(AssessmentRecord& record, QString& fileName, EditState& edit,
                                       Prompter& prompter, const Clock& clock, QWidget* parent)
    : OnScreenWizard(record, fileName, &edit, prompter, clock, parent) {
    setObjectName(QStringLiteral("onScreenEditWizard"));
}

}  // namespace orva
