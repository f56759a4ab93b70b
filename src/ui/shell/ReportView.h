#pragma once

#include <QWidget>
#include <memory>
#include <string>

#include "ui/settings/AppSettings.h"
#include "screening/ReportSet.h"

class QScrollArea;
class QStackedLayout;

namespace orva {

class AnalysisForm;
class Prompter;
class WelcomeScreen;

// The record chosen in the edit selection dialog, kept for the Edit command.
struct EditSelection {
    std::string path;   // record file, Windows-1252, as typed
    int position = -1;  // record position in the file; -1 while nothing was chosen
};

// The main window's view. It owns the current analysis, the in-memory settings and the last
// edit selection for the life of the program, runs the view's commands, and shows either the
// welcome screen or the analysis form.
class ReportView : public QWidget {
    Q_OBJECT

public:
    // Reads the settings from `store` (kept for every later write).
    ReportView(Prompter& prompter, std::shared_ptr<SettingsStore> store, QWidget* parent = nullptr);
    ~ReportView() override;

    // An analysis is shown when one exists and at least one of its slots is filled.
    bool AnalysisShown() const { return reports_ != nullptr && reports_->AnyPresent(); }
    // The current analysis, or null before the first questionnaire or analysis command.
    const ReportSet* CurrentAnalysis() const { return reports_.get(); }

    AppSettings& Settings() { return settings_; }
    EditSelection& LastEditSelection() { return editSelection_; }
    Prompter& Prompts() { return prompter_; }
    WelcomeScreen* Welcome() const { return welcome_; }
    AnalysisForm* Form() const { return form_; }

    // How every questionnaire and analysis command begins: the current analysis is created
    // when there is none and emptied, and the view returns to the welcome screen.
    ReportSet& ResetAnalysis();
    // Shows the current analysis on the form; with every slot empty the welcome screen stays.
    void ShowAnalysis();
    // Empties the current analysis and the form's fields and returns to the welcome screen.
    void DiscardAnalysis();

public slots:
    // Lets the user pick a person's records and shows their analysis.
    void OnAnalysis();
    // Opens the product's web page; the wait cursor shows for three seconds without
    // holding up the window.
    void OnWebsite();

signals:
    // After every change between the welcome screen and a shown analysis.
    void AnalysisShownChanged(bool shown);

private:
    // Brings the window in line with the analysis: title, the visible page, the focus.
    void Refresh();

    Prompter& prompter_;
    AppSettings settings_;
    std::unique_ptr<ReportSet> reports_;
    EditSelection editSelection_;
    QStackedLayout* pages_;
    QScrollArea* welcomePage_;
    WelcomeScreen* welcome_;
    QScrollArea* formPage_;
    AnalysisForm* form_;
    bool shownBefore_ = false;
};

}  // namespace orva
