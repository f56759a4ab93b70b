// SPDX-License-Identifier: Apache-2.0
#include "ui/wizard/PaperEntryWizard.h"

#include "ui/wizard/CommentPage.h"
#include "ui/wizard/DetailsPage.h"
#include "ui/wizard/PaperSavePage.h"
#include "ui/wizard/ReportTypePage.h"
#include "ui/wizard/ResponseGridPage.h"
#include "ui/wizard/WizardTexts.h"

namespace orva {

namespace {

QString Caption(int page) {
    return QString::fromUtf8(texts::wizard::kPageCaption).arg(page).arg(texts::wizard::kPaperPageCount);
}

}  // namespace

PaperEntryWizard::PaperEntryWizard(AssessmentRecord& record, QString& fileName, ReportSet& analysis,
                                   Prompter& prompter, const Clock& clock, QWidget* parent)
    : PaperEntryWizard(record, fileName, nullptr, analysis, prompter, clock, parent) {
    setObjectName(QStringLiteral("paperEntryWizard"));
}

PaperEntryWizard::PaperEntryWizard(AssessmentRecord& record, QString& fileName, EditState* edit,
                                   ReportSet& analysis, Prompter& prompter, const Clock& clock, QWidget* parent)
    : QuestionnaireWizard(prompter, parent), context_{record, fileName, prompter, clock, WizardMode::Paper, edit} {
    const Buttons backNext = Buttons(kBack) | kNext;
    save_ = new PaperSavePage(context_, analysis);
    AddPage(new ReportTypePage(context_), Caption(1), kNext);
    AddPage(new DetailsPage(context_), Caption(2), backNext);
    AddPage(new ResponseGridPage(context_), Caption(3), backNext);
    AddPage(new CommentPage(context_), Caption(4), backNext);
    AddPage(save_, Caption(5), Buttons(kBack) | kFinish);
    Start();
}

bool PaperEntryWizard::ViewAnalysis() const {
    return save_->ViewAnalysis();
}

bool PaperEntryWizard::AlsoViewRelated() const {
    return save_->AlsoViewRelated();
}

}  // namespace orva
