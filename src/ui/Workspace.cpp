#include "ui/Workspace.h"

#include "ui/speech/Speaker.h"

namespace orva {

Workspace::Workspace(Prompter& prompter, std::shared_ptr<SettingsStore> store, QObject* parent)
    : QObject(parent), prompter_(prompter), settings_(std::move(store)) {}

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
