// SPDX-License-Identifier: Apache-2.0
#include "ui/shell/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QToolBar>

#include "ui/Resources.h"
#include "ui/Workspace.h"
#include "ui/commands/AnalysisCommand.h"
#include "ui/commands/CompareReportersCommand.h"
#include "ui/commands/CompleteOnScreenCommand.h"
#include "ui/commands/EditCommand.h"
#include "ui/commands/EnterResponsesCommand.h"
#include "ui/commands/ExportFileCommand.h"
#include "ui/commands/PersonHistoryCommand.h"
#include "ui/commands/PrintCommand.h"
#include "ui/commands/SaveAsCommand.h"
#include "ui/commands/WebsiteCommand.h"
#include "ui/shell/AboutDialog.h"
#include "ui/shell/AnalysisView.h"
#include "ui/shell/ShellTexts.h"
#include "ui/shell/WindowPlacement.h"

namespace orva {

namespace {

// The smallest first size, for a form that would ask for less.
constexpr int kWidth = 880;
constexpr int kHeight = 575;

struct CommandEntry {
    MainWindow::Command command;
    const char* text;  // the menu text; a shortcut follows a tab
    const char* objectName;
    const char* tip;        // toolbar commands only
    const char* icon;       // toolbar commands only
    bool needsAnalysis;     // enabled only while an analysis is shown
    int reportsNeeded = 1;  // of a command that needs an analysis: the reports it must hold
};

using C = MainWindow::Command;

constexpr CommandEntry kCommands[] = {
    {C::Export, texts::kCommandExport, "actionExport", nullptr, nullptr, false},
    {C::Print, texts::kCommandPrint, "actionPrint", texts::kTipPrint, "print", true},
    {C::PrintPreview, texts::kCommandPrintPreview, "actionPrintPreview", nullptr, nullptr, true},
    {C::SaveAs, texts::kCommandSaveAs, "actionSaveAs", texts::kTipSaveAs, "save_as", true},
    {C::Exit, texts::kCommandExit, "actionExit", nullptr, nullptr, false},
    {C::CompleteOnScreen, texts::kCommandCompleteOnScreen, "actionCompleteOnScreen", texts::kTipCompleteOnScreen,
     "complete_on_screen", false},
    {C::EnterResponses, texts::kCommandEnterResponses, "actionEnterResponses", texts::kTipEnterResponses,
     "enter_responses", false},
    {C::Analysis, texts::kCommandAnalysis, "actionAnalysis", texts::kTipAnalysis, "analysis", false},
    {C::Edit, texts::kCommandEdit, "actionEdit", nullptr, nullptr, false},
    {C::CompareReporters, texts::kCommandCompareReporters, "actionCompareReporters", nullptr, nullptr, true, 2},
    {C::PersonHistory, texts::kCommandPersonHistory, "actionPersonHistory", nullptr, nullptr, false},
    {C::About, texts::kCommandAbout, "actionAbout", texts::kTipAbout, "about", false},
    {C::Website, texts::kCommandWebsite, "actionWebsite", texts::kTipWebsite, "website", false},
};

// The reports of the current analysis; none before the first analysis.
int PresentReports(const Workspace& workspace) {
    const ReportSet* analysis = workspace.CurrentAnalysis();
    int present = 0;
    for (int slot = 0; analysis != nullptr && slot < kReportSlots; ++slot)
        if (!analysis->IsSlotEmpty(slot)) ++present;
    return present;
}

}  // namespace

MainWindow::MainWindow(Prompter& prompter, std::shared_ptr<SettingsStore> store, QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QString::fromLatin1(texts::kMainWindowTitle));
    setWindowIcon(Resources::AppIcon());

    workspace_ = new Workspace(prompter, std::move(store), this);
    view_ = new AnalysisView(*workspace_, this);
    setCentralWidget(view_);

    CreateActions();
    CreateToolBar();
    CreateMenus();
    WindowPlacement().Place(*this, OpeningSize());

    SetHandler(Command::Exit, [this] { close(); });
    SetHandler(Command::About, [this] { OnAbout(); });
    SetHandler(Command::Analysis, [this] { RunAnalysisCommand(*workspace_, this); });
    SetHandler(Command::CompareReporters, [this] { RunCompareReportersCommand(*workspace_, this); });
    SetHandler(Command::PersonHistory, [this] { RunPersonHistoryCommand(*workspace_, this); });
    SetHandler(Command::Website, [this] { RunWebsiteCommand(this); });
    SetHandler(Command::CompleteOnScreen, [this] { RunCompleteOnScreenCommand(*workspace_, this); });
    SetHandler(Command::EnterResponses, [this] { RunEnterResponsesCommand(*workspace_, this); });
    SetHandler(Command::Edit, [this] { RunEditCommand(*workspace_, this); });
    SetHandler(Command::Print, [this] { RunPrintCommand(*workspace_, this); });
    SetHandler(Command::PrintPreview, [this] { RunPrintPreviewCommand(*workspace_, this); });
    SetHandler(Command::Export, [this] { RunExportFileCommand(*workspace_, this); });
    SetHandler(Command::SaveAs, [this] { RunSaveAsCommand(*workspace_, this); });
    connect(workspace_, &Workspace::AnalysisChanged, this, &MainWindow::UpdateCommandStates);
    UpdateCommandStates();
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() = default;

QSize MainWindow::OpeningSize() const {
    const QSize form = view_->FormPageSize();
    const int above = menuBar()->sizeHint().height() + toolBar_->sizeHint().height();
    return QSize(form.width(), form.height() + above).expandedTo(QSize(kWidth, kHeight));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    WindowPlacement().Remember(*this);
    QMainWindow::closeEvent(event);
}

void MainWindow::CreateActions() {
    for (const CommandEntry& entry : kCommands) {
        const QString text = QString::fromLatin1(entry.text);
        const qsizetype tab = text.indexOf(QLatin1Char('\t'));
        auto* action = new QAction(text.left(tab), this);
        action->setObjectName(QLatin1String(entry.objectName));
        if (tab >= 0) {
            action->setShortcut(QKeySequence(text.mid(tab + 1), QKeySequence::PortableText));
        }
        if (entry.tip != nullptr) {
            action->setToolTip(QString::fromLatin1(entry.tip));
            action->setIcon(Resources::ToolbarIcon(entry.icon));
        }
        const int index = static_cast<int>(entry.command);
        connect(action, &QAction::triggered, this, [this, index] {
            if (handlers_[index]) {
                handlers_[index]();
            }
        });
        actions_[index] = action;
    }
}

void MainWindow::CreateToolBar() {
    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName(QStringLiteral("mainToolBar"));
    toolBar_->setWindowTitle(QString::fromLatin1(texts::kCommandToolbar).remove(QLatin1Char('&')));
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->setMovable(true);
    toolBar_->setFloatable(true);
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar_->addAction(Action(Command::CompleteOnScreen));
    toolBar_->addAction(Action(Command::EnterResponses));
    toolBar_->addSeparator();
    toolBar_->addAction(Action(Command::Analysis));
    toolBar_->addSeparator();
    toolBar_->addAction(Action(Command::Print));
    toolBar_->addAction(Action(Command::SaveAs));
    toolBar_->addSeparator();
    toolBar_->addAction(Action(Command::About));
    toolBar_->addAction(Action(Command::Website));
    addToolBar(Qt::TopToolBarArea, toolBar_);

    // The toolbar's own show/hide action, whose check mark follows its visibility.
    QAction* toggle = toolBar_->toggleViewAction();
    toggle->setText(QString::fromLatin1(texts::kCommandToolbar));
    toggle->setObjectName(QStringLiteral("actionToolbar"));
    actions_[static_cast<int>(Command::Toolbar)] = toggle;
}

void MainWindow::CreateMenus() {
    QMenu* file = menuBar()->addMenu(QString::fromLatin1(texts::kMenuFile));
    file->setObjectName(QStringLiteral("fileMenu"));
    file->addAction(Action(Command::Export));
    file->addSeparator();
    file->addAction(Action(Command::Print));
    file->addAction(Action(Command::PrintPreview));
    file->addAction(Action(Command::SaveAs));
    file->addSeparator();
    file->addAction(Action(Command::Exit));

    QMenu* orva = menuBar()->addMenu(QString::fromLatin1(texts::kMenuOrva));
    orva->setObjectName(QStringLiteral("orvaMenu"));
    orva->addAction(Action(Command::CompleteOnScreen));
    orva->addAction(Action(Command::EnterResponses));
    orva->addAction(Action(Command::Analysis));
    orva->addAction(Action(Command::Edit));
    orva->addSeparator();
    orva->addAction(Action(Command::CompareReporters));
    orva->addAction(Action(Command::PersonHistory));

    QMenu* view = menuBar()->addMenu(QString::fromLatin1(texts::kMenuView));
    view->setObjectName(QStringLiteral("viewMenu"));
    view->addAction(Action(Command::Toolbar));

    QMenu* help = menuBar()->addMenu(QString::fromLatin1(texts::kMenuHelp));
    help->setObjectName(QStringLiteral("helpMenu"));
    help->addAction(Action(Command::About));
    help->addSeparator();
    help->addAction(Action(Command::Website));
}

void MainWindow::SetHandler(Command command, std::function<void()> handler) {
    handlers_[static_cast<int>(command)] = std::move(handler);
    UpdateCommandStates();
}

void MainWindow::UpdateCommandStates() {
    const int reports = PresentReports(*workspace_);
    for (const CommandEntry& entry : kCommands) {
        const int index = static_cast<int>(entry.command);
        actions_[index]->setEnabled(handlers_[index] && (!entry.needsAnalysis || reports >= entry.reportsNeeded));
    }
}

bool MainWindow::OwnsKeyOf(QObject* watched) const {
    if (!watched->isWidgetType() || QApplication::activeModalWidget() != nullptr) return false;
    for (const QWidget* window = static_cast<QWidget*>(watched)->window(); window != nullptr;
         window = window->parentWidget() != nullptr ? window->parentWidget()->window() : nullptr) {
        if (window == this) return true;
    }
    return false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && OwnsKeyOf(watched)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* action : actions_) {
            if (!action->shortcut().isEmpty() && action->shortcut() == pressed) {
                // Not accepted by the field, so the shortcut runs.
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::OnAbout() {
    AboutDialog about(this);
    about.exec();
}

}  // namespace orva
