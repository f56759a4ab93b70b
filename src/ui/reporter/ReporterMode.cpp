// SPDX-License-Identifier: Apache-2.0
#include "ui/reporter/ReporterMode.h"

#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

#include "ui/CoreText.h"
#include "ui/Prompter.h"
#include "ui/reporter/HandBackPage.h"
#include "ui/reporter/HandOverDialog.h"
#include "ui/reporter/ReporterTexts.h"
#include "ui/speech/Speaker.h"
#include "ui/wizard/ItemsPage.h"
#include "ui/wizard/QuestionnaireWizard.h"
#include "ui/wizard/SavePage.h"
#include "ui/wizard/WizardTexts.h"

namespace orva {

namespace r = texts::reporter;

ReporterMode::ReporterMode(QuestionnaireWizard& wizard, WizardContext& context, std::vector<ItemsPage*> items,
                           Pages pages, QPushButton* handOverButton)
    : QObject(&wizard),
      wizard_(wizard),
      context_(context),
      items_(std::move(items)),
      pages_(pages),
      handOverButton_(handOverButton),
      look_(wizard) {
    readKey_ = new QShortcut(QKeySequence(QString::fromLatin1(r::kReadAloudKey)), &wizard);
    readKey_->setEnabled(false);
    connect(readKey_, &QShortcut::activated, this, &ReporterMode::ReadCurrentItem);
    for (ItemsPage* page : items_)
        connect(page, &ItemsPage::ReadAloudRequested, this, [this](const QStringList& texts) {
            if (speaker_ != nullptr) speaker_->Speak(texts);
        });
    connect(handOverButton_, &QPushButton::clicked, this, &ReporterMode::HandOver);
    connect(pages_.handBack, &HandBackPage::ClinicianPressed, this, &ReporterMode::TakeBack);
    connect(&wizard_, &QuestionnaireWizard::PageShown, this, &ReporterMode::Arrived);
}

ItemsPage* ReporterMode::ItemsAt(int index) const {
    const int at = index - pages_.firstItems;
    return at >= 0 && at < static_cast<int>(items_.size()) ? items_[static_cast<std::size_t>(at)] : nullptr;
}

void ReporterMode::HandOver() {
    // The details are checked and kept as Next would, before anything is handed over.
    if (wizard_.CurrentIndex() != pages_.details || !wizard_.CurrentPage()->Next()) return;
    speaker_ = speech_ ? speech_() : nullptr;
    HandOverDialog choices(speaker_ != nullptr, &wizard_);
    if (choices.exec() != QDialog::Accepted) return;
    Enter(choices.Options());
}

void ReporterMode::Enter(const ReporterOptions& options) {
    options_ = options;
    active_ = true;
    saved_.reset();
    look_.Apply(options.size);
    for (ItemsPage* page : items_) page->SetReporterLook(true, options.oneItemPerScreen, speaker_ != nullptr);
    wizard_.SetMoveOverride(this);
    arrivingBack_ = false;
    wizard_.ShowPage(pages_.firstItems);
}

void ReporterMode::Leave() {
    active_ = false;
    if (speaker_ != nullptr) speaker_->Stop();
    readKey_->setEnabled(false);
    wizard_.SetMoveOverride(nullptr);
    for (ItemsPage* page : items_) page->SetReporterLook(false, false, false);
    look_.Restore();
}

void ReporterMode::Arrived(int index) {
    handOverButton_->setVisible(!active_ && index == pages_.details);
    if (!active_) return;
    if (ItemsPage* page = ItemsAt(index)) {
        if (arrivingBack_)
            page->ShowLastItem();
        else
            page->ShowFirstItem();
        ReadShownItems();
    } else if (speaker_ != nullptr) {
        speaker_->Stop();
    }
    arrivingBack_ = false;
    SetButtons();
}

void ReporterMode::SetButtons() {
    const int index = wizard_.CurrentIndex();
    ItemsPage* page = ItemsAt(index);
    const bool handBack = index == pages_.handBackIndex;
    // Back goes no further than the first item; the details are the clinician's.
    const bool atFirst = index == pages_.firstItems && !page->CanStepBack();
    wizard_.ButtonOf(QuestionnaireWizard::kBack)->setVisible(!handBack);
    wizard_.ButtonOf(QuestionnaireWizard::kBack)->setEnabled(!atFirst);
    wizard_.ButtonOf(QuestionnaireWizard::kNext)->setVisible(!handBack);
    wizard_.ButtonOf(QuestionnaireWizard::kNext)->setDefault(!handBack);
    wizard_.ButtonOf(QuestionnaireWizard::kFinish)->setVisible(false);
    wizard_.CancelButton()->setVisible(!handBack);
    readKey_->setEnabled(page != nullptr && speaker_ != nullptr);
}

bool ReporterMode::Back() {
    const int index = wizard_.CurrentIndex();
    if (ItemsPage* page = ItemsAt(index)) {
        if (page->StepBack()) {
            ReadShownItems();
            SetButtons();
            return true;
        }
        if (index == pages_.firstItems) return true;
    }
    if (index == pages_.handBackIndex) return true;
    wizard_.CurrentPage()->Back();
    arrivingBack_ = true;
    wizard_.ShowPage(index - 1);
    return true;
}

bool ReporterMode::Next() {
    const int index = wizard_.CurrentIndex();
    if (ItemsPage* page = ItemsAt(index)) {
        if (!page->AtLastItem()) {
            if (page->StepForward()) {
                ReadShownItems();
                SetButtons();
            }
            return true;
        }
        if (page->Next()) wizard_.ShowPage(index + 1);
        return true;
    }
    if (index == pages_.commentIndex) {
        if (pages_.comment->Next()) SaveAndHandBack();
        return true;
    }
    return true;
}

bool ReporterMode::Cancel() {
    if (wizard_.CurrentIndex() == pages_.handBackIndex) {
        TakeBack();
        return false;
    }
    const int chosen = context_.prompter.Choose(CoreText::Fixed(r::kCallClinicianCaption), CoreText::Fixed(r::kCallClinician),
                                        {CoreText::Fixed(r::kBackToQuestions), CoreText::Fixed(r::kClinician)}, 0, MessageIcon::Information);
    if (chosen != 1) return false;
    // The clinician's decision: the question every questionnaire wizard asks.
    if (!wizard_.CurrentPage()->CancelQuery(context_.prompter)) return false;
    Leave();
    return true;
}

void ReporterMode::SaveAndHandBack() {
    if (speaker_ != nullptr) speaker_->Stop();
    saved_ = pages_.save->SaveUntold();
    wizard_.ShowPage(pages_.handBackIndex);
}

void ReporterMode::TakeBack() {
    if (!context_.prompter.AskYesNo(CoreText::Fixed(r::kTakeBackCaption), CoreText::Fixed(r::kTakeBack), MessageIcon::Question, false)) return;
    const std::optional<SaveAttempt> saved = saved_;
    Leave();
    if (saved && saved->status) {
        TellSave(context_, *saved);
        wizard_.accept();
        return;
    }
    wizard_.ShowPage(pages_.saveIndex);
    if (saved) TellSave(context_, *saved);
    pages_.save->ChooseAnotherFile();
}

void ReporterMode::ReadCurrentItem() {
    ItemsPage* page = ItemsAt(wizard_.CurrentIndex());
    if (page != nullptr && speaker_ != nullptr) speaker_->Speak(page->ReadingOfCurrentItem());
}

void ReporterMode::ReadShownItems() {
    if (speaker_ == nullptr) return;
    ItemsPage* page = ItemsAt(wizard_.CurrentIndex());
    if (page != nullptr && options_.readAutomatically)
        speaker_->Speak(page->ReadingOfShownItems());
    else
        speaker_->Stop();
}

}  // namespace orva
