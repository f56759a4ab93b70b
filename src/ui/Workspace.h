#pragma once

#include <QObject>
#include <memory>

#include "screening/ReportSet.h"
#include "store/UnmatchedJournal.h"
#include "ui/EditSelection.h"
#include "ui/settings/AppSettings.h"

namespace orva {

class Prompter;
class SettingsStore;
class Speaker;

// What the commands work on for the life of the program: the current analysis, the in-memory
// settings with their store, the prompter every message goes through and the last edit
// selection. Views follow the analysis through AnalysisChanged; dialogs never change it, the
// commands do once a dialog has returned its choice. While it lives, a journal that the store
// finds not to belong to its record file is reported through the prompter, whichever window
// opened the file.
class Workspace : public QObject {
    Q_OBJECT

  public:
    // Reads the settings from `store` (kept for every later write).
    Workspace(Prompter& prompter, std::shared_ptr<SettingsStore> store, QObject* parent = nullptr);
    ~Workspace() override;

    // An analysis is shown when one exists and at least one of its slots is filled.
    bool AnalysisShown() const { return analysis_ != nullptr && analysis_->AnyPresent(); }
    // The current analysis, or null before the first questionnaire or analysis command.
    const ReportSet* CurrentAnalysis() const { return analysis_.get(); }

    // How every questionnaire and analysis command begins: the current analysis is created
    // when there is none, then emptied.
    void ResetAnalysis();
    // Makes `analysis` the current analysis.
    void SetAnalysis(const ReportSet& analysis);

    AppSettings& Settings() { return settings_; }
    const AppSettings& Settings() const { return settings_; }
    Prompter& Prompts() { return prompter_; }
    // Where items are read aloud: the system's speech, made on first use; null where there is
    // none. SetSpeaker puts another in its place (tests use a scripted one).
    Speaker* Speech();
    void SetSpeaker(std::unique_ptr<Speaker> speaker);
    const EditSelection& LastEditSelection() const { return editSelection_; }
    void SetEditSelection(EditSelection selection) { editSelection_ = std::move(selection); }

  signals:
    // After every change of the current analysis, emptied included.
    void AnalysisChanged();

  private:
    Prompter& prompter_;
    AppSettings settings_;
    std::unique_ptr<ReportSet> analysis_;
    EditSelection editSelection_;
    UnmatchedJournalListening journals_;
    std::unique_ptr<Speaker> speaker_;
    bool speakerMade_ = false;
};

}  // namespace orva
