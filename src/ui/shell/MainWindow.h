// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QCloseEvent;
class QMenu;
class QToolBar;

namespace orva {

class AnalysisView;
class Prompter;
class SettingsStore;
class Workspace;

// The main window: menu, shortcuts, the dockable toolbar and the view, over the workspace
// its commands work on.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    enum class Command {
        Export,
        Print,
        PrintPreview,
        SaveAs,
        Exit,
        CompleteOnScreen,
        EnterResponses,
        Analysis,
        Edit,
        CompareReporters,
        PersonHistory,
        Toolbar,
        About,
        Website,
    };
    static constexpr int kCommandCount = static_cast<int>(Command::Website) + 1;

    // The workspace reads its settings from `store`.
    MainWindow(Prompter& prompter, std::shared_ptr<SettingsStore> store, QWidget* parent = nullptr);
    ~MainWindow() override;

    Workspace& Work() const { return *workspace_; }
    AnalysisView* View() const { return view_; }
    QAction* Action(Command command) const { return actions_[static_cast<int>(command)]; }
    QToolBar* ToolBar() const { return toolBar_; }

    // Connects a command to the workflow it starts. A command without one stays disabled;
    // Print, Print preview and Save As are enabled only while an analysis is shown as well,
    // Compare Reporters only while the analysis shown holds at least two reports.
    void SetHandler(Command command, std::function<void()> handler);

    // Shows the About box modally.
    void OnAbout();

protected:
    // Remembers where the user left the window, for the next start.
    void closeEvent(QCloseEvent* event) override;
    // Installed on the application, so it sees every widget of the window, those created
    // later included: lets the window's shortcuts win over its fields (Ctrl+A starts an
    // analysis even while a read-only field has the focus, where it would otherwise select
    // the field's text). The keys of a modal dialog stay the dialog's.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void UpdateCommandStates();
    // Large enough for the whole analysis form below the menu and the toolbar.
    QSize OpeningSize() const;
    // The key belongs to this window: it goes to one of its widgets (or to a window of its
    // own, such as the floating toolbar) while no modal dialog is open.
    bool OwnsKeyOf(QObject* watched) const;

    Workspace* workspace_;
    AnalysisView* view_;
    QToolBar* toolBar_ = nullptr;
    std::array<QAction*, kCommandCount> actions_{};
    std::array<std::function<void()>, kCommandCount> handlers_{};
};

}  // namespace orva
