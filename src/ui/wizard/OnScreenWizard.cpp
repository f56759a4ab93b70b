#include "ui/wizard/OnScreenWizard.h"

#include "model/AssessmentRecord.h"
#include "ui/wizard/CommentPage.h"
#include "ui/wizard/DetailsPage.h"
#include "ui/wizard/IntroductionPage.h"
#include "ui/wizard/ItemsPage.h"
#include "ui/wizard/ReportTypePage.h"
#include "ui/wizard/SavePage.h"
#include "ui/wizard/WizardTexts.h"

namespace orva {

namespace {

constexpr int kItemsPerPage = 10;

QString Caption(int page) {
    return QString::fromUtf8(texts::wizard::kPageCaption).arg(page).arg(texts::wizard::kOnScreenPageCount);
}

}  // namespace

OnScreenWizard::OnScreenWizard(AssessmentRecord& record, QString& fileName, Prompter& prompter, const Clock& clock,
                               QWidget* parent)
    : OnScreenWizard(record, fileName, nullptr, prompter, clock, parent) {
    setObjectName(QStringLiteral("onScreenWizard"));
}

OnScreenWizard::OnScreenWizard(AssessmentRecord& record, QString& fileName, EditState* edit, Prompter& prompter,
                               const Clock& clock, QWidget* parent)
    : QuestionnaireWizard(prompter, parent), context_{record, fileName, prompter, clock, WizardMode::OnScreen, edit} {
    const Buttons backNext = Buttons(kBack) | kNext;
    int page = 1;
    AddPage(new IntroductionPage(context_), Caption(page++), kNext);
    AddPage(new ReportTypePage(context_), Caption(page++), backNext);
    AddPage(new DetailsPage(context_), Caption(page++), backNext);
    for (int first = 1; first <= kItemCount; first += kItemsPerPage)
        AddPage(new ItemsPage(context_, first, std::min(kItemsPerPage, kItemCount - first + 1)), Caption(page++),
                backNext);
    AddPage(new CommentPage(context_), Caption(page++), backNext);
    AddPage(new SavePage(context_), Caption(page++), Buttons(kBack) | kFinish);
    Start();
}

}  // namespace orva
