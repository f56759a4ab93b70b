// SPDX-License-Identifier: Apache-2.0
#include "ui/wizard/OnScreenWizard.h"

#include <QPushButton>

#include "model/AssessmentRecord.h"
#include "ui/reporter/HandBackPage.h"
#include "ui/reporter/ReporterMode.h"
#include "ui/reporter/ReporterTexts.h"
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

OnScreenWizard::OnScreenWizard(AssessmentRecord& record, QString& fileName, RecordSave save, Prompter& prompter,
                               const Clock& clock, QWidget* parent)
    : OnScreenWizard(record, fileName, nullptr, std::move(save), prompter, clock, parent) {
    setObjectName(QStringLiteral("onScreenWizard"));
}

OnScreenWizard::OnScreenWizard(AssessmentRecord& record, QString& fileName, EditState* edit, RecordSave saver,
                               Prompter& prompter, const Clock& clock, QWidget* parent)
    : QuestionnaireWizard(prompter, parent),
      context_{record, fileName, prompter, clock, std::move(saver), WizardMode::OnScreen, edit} {
    const Buttons backNext = Buttons(kBack) | kNext;
    int page = 1;
    AddPage(new IntroductionPage(context_), Caption(page++), kNext);
    AddPage(new ReportTypePage(context_), Caption(page++), backNext);
    const int details = PageCount();
    AddPage(new DetailsPage(context_), Caption(page++), backNext);
    const int firstItems = PageCount();
    std::vector<ItemsPage*> items;
    for (int first = 1; first <= kItemCount; first += kItemsPerPage) {
        items.push_back(new ItemsPage(context_, first, std::min(kItemsPerPage, kItemCount - first + 1)));
        AddPage(items.back(), Caption(page++), backNext);
    }
    const int comment = PageCount();
    auto* commentPage = new CommentPage(context_);
    AddPage(commentPage, Caption(page++), backNext);
    const int save = PageCount();
    auto* savePage = new SavePage(context_);
    AddPage(savePage, Caption(page++), Buttons(kBack) | kFinish);
    if (edit == nullptr) {
        auto* handBack = new HandBackPage();
        const int handBackIndex = PageCount();
        AddPage(handBack, QString::fromUtf8(texts::reporter::kHandBack), {});
        auto* handOver = new QPushButton(QString::fromUtf8(texts::reporter::kHandOverButton), this);
        handOver->setObjectName(QStringLiteral("handOverButton"));
        handOver->setAutoDefault(false);
        handOver->hide();
        AddOwnButton(handOver);
        reporter_ = new ReporterMode(*this, context_, items,
                                     {details, firstItems, commentPage, comment, savePage, save, handBack,
                                      handBackIndex},
                                     handOver);
    }
    Start();
}

void OnScreenWizard::SetSpeech(std::function<Speaker*()> speech) {
    if (reporter_ != nullptr) reporter_->SetSpeech(std::move(speech));
}

bool OnScreenWizard::InReporterMode() const {
    return reporter_ != nullptr && reporter_->Active();
}

std::unique_ptr<OnScreenWizard> MakeOnScreenEditWizard(AssessmentRecord& record, QString& fileName, EditState& edit,
                                                       RecordSave save, Prompter& prompter, const Clock& clock,
                                                       QWidget* parent) {
    std::unique_ptr<OnScreenWizard> wizard(
        new OnScreenWizard(record, fileName, &edit, std::move(save), prompter, clock, parent));
    wizard->setObjectName(QStringLiteral("onScreenEditWizard"));
    return wizard;
}

}  // namespace orva
