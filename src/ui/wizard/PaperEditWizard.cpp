// SPDX-License-Identifier: Apache-2.0
#include "ui/wizard/PaperEditWizard.h"

namespace orva {

PaperEditWizard::PaperEditWizard(AssessmentRecord& record, QString& fileName, EditState& edit, ReportSet& analysis,
                                 Prompter& prompter, const Clock& clock, QWidget* parent)
    : PaperEntryWizard(record, fileName, &edit, analysis, prompter, clock, parent) {
    setObjectName(QStringLiteral("paperEditWizard"));
}

}  // namespace orva
