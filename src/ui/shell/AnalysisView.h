#pragma once

#include <QWidget>

class QStackedLayout;

namespace orva {

class AnalysisForm;
class ReadingPane;
class WelcomeScreen;
class Workspace;

// The main window's view: the welcome screen while no analysis is shown, the analysis form
// while one is. It follows the workspace's analysis and changes nothing of it.
class AnalysisView : public QWidget {
    Q_OBJECT

  public:
    explicit AnalysisView(const Workspace& workspace, QWidget* parent = nullptr);
    ~AnalysisView() override;

    WelcomeScreen* Welcome() const { return welcome_; }
    AnalysisForm* Form() const { return form_; }
    // The room the analysis page needs to show the whole form without scrolling.
    QSize FormPageSize() const;

  private:
    // Fills or empties the form from the workspace's analysis, then refreshes.
    void ShowCurrentAnalysis();
    // Brings the window in line with the analysis: title, the visible page, the focus.
    void Refresh();

    const Workspace& workspace_;
    QStackedLayout* pages_;
    ReadingPane* welcomePage_;
    WelcomeScreen* welcome_;
    ReadingPane* formPage_;
    AnalysisForm* form_;
};

}  // namespace orva
