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

PaperEntryWizard::PaperEntryWizard(AssessmentRecord& record, QString& fileName, RecordSave save, ViewChoices preset,
                                   Prompter& prompter, const Clock& clock, QWidget* parent)
    : PaperEntryWizard(record, fileName, nullptr, std::move(save), preset, prompter, clock, parent) {
    setObjectName(QStringLiteral("paperEntryWizard"));
}

PaperEntryWizard::PaperEntryWizard(AssessmentRecord& record, QString& fileName, EditState* edit, RecordSave save,
                                   ViewChoices preset, Prompter& prompter, const Clock& clock, QWidget* parent)
    : QuestionnaireWizard(prompter, parent),
      context_{record, fileName, prompter, clock, std::move(save), WizardMode::Paper, edit} {
    const Buttons backNext = Buttons(kBack) | kNext;
    save_ = new PaperSavePage(context_, preset);
    AddPage(new ReportTypePage(context_), Caption(1), kNext);
    AddPage(new DetailsPage(context_), Caption(2), backNext);
    AddPage(new ResponseGridPage(context_), Caption(3), backNext);
    AddPage(new CommentPage(context_), Caption(4), backNext);
    AddPage(save_, Caption(5), Buttons(kBack) | kFinish);
    Start();
}

bool PaperEntryWizard::ViewAnalysis() const {
    return save_->Choices().view;
}

bool PaperEntryWizard::AlsoViewRelated() const {
    return save_->Choices().alsoRelated;
}

std::unique_ptr<PaperEntryWizard> MakePaperEditWizard(AssessmentRecord& record, QString& fileName, EditState& edit,
                                                      RecordSave save, ViewChoices preset, Prompter& prompter,
                                                      const Clock& clock, QWidget* parent) {
    std::unique_ptr<PaperEntryWizard> wizard(
        new PaperEntryWizard(record, fileName, &edit, std::move(save), preset, prompter, clock, parent));
    wizard->setObjectName(QStringLiteral("paperEditWizard"));
    return wizard;
}

}  // namespace orva
