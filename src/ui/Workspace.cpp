// SPDX-License-Identifier: Apache-2.0
#include "ui/Workspace.h"

#include "store/StoreMessages.h"
#include "ui/CoreText.h"
#include "ui/Prompter.h"
#include "ui/speech/Speaker.h"

namespace orva {

namespace {

// A path as the messages name files; paths reach the file functions as UTF-8.
std::string Shown(const std::string& path) {
    return path.empty() ? path : MessageName(QString::fromUtf8(path));
}

}  // namespace

Workspace::Workspace(Prompter& prompter, std::shared_ptr<SettingsStore> store, QObject* parent)
    : QObject(parent),
      prompter_(prompter),
      settings_(std::move(store)),
      journals_([this](const UnmatchedJournal& journal) {
          prompter_.Message(UnmatchedJournalMessage(Shown(journal.recordFile), Shown(journal.keptAs)));
      }) {}

Workspace::~Workspace() = default;

void Workspace::ResetAnalysis() {
    if (!analysis_) analysis_ = std::make_unique<ReportSet>();
    analysis_->Reset();
    emit AnalysisChanged();
}

void Workspace::SetAnalysis(const ReportSet& analysis) {
    if (!analysis_) analysis_ = std::make_unique<ReportSet>();
    *analysis_ = analysis;
    emit AnalysisChanged();
}

Speaker* Workspace::Speech() {
    if (!speakerMade_) {
        speaker_ = MakeSystemSpeaker();
        speakerMade_ = true;
    }
    return speaker_.get();
}

void Workspace::SetSpeaker(std::unique_ptr<Speaker> speaker) {
    speaker_ = std::move(speaker);
    speakerMade_ = true;
}

}  // namespace orva
