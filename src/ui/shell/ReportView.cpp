#include "ui/shell/ReportView.h"

#include <QDesktopServices>
#include <QScrollArea>
#include <QStackedLayout>
#include <QTimer>
#include <QUrl>

#include "ui/analysis/AnalysisForm.h"
#include "ui/selection/AnalysisSelectionDialog.h"
#include "ui/CoreText.h"
#include "ui/shell/ShellTexts.h"
#include "ui/WaitCursor.h"
#include "ui/shell/WelcomeScreen.h"

namespace orva {

namespace {
constexpr int kWebsiteWaitMs = 3000;
}

ReportView::ReportView(Prompter& prompter, std::shared_ptr<SettingsStore> store, QWidget* parent)
    : QWidget(parent), prompter_(prompter), settings_(std::move(store)) {
    setObjectName(QStringLiteral("reportView"));

    welcome_ = new WelcomeScreen;
    welcomePage_ = new QScrollArea;
    welcomePage_->setObjectName(QStringLiteral("welcomeScrollArea"));
    welcomePage_->setWidget(welcome_);
    welcomePage_->setWidgetResizable(true);
    welcomePage_->setFrameShape(QFrame::NoFrame);
    // Focus rests on the page itself, so no field of the form holds the caret.
    welcomePage_->setFocusPolicy(Qt::StrongFocus);

    form_ = new AnalysisForm;
    form_->SetUpGrids();
    formPage_ = new QScrollArea;
    formPage_->setObjectName(QStringLiteral("analysisScrollArea"));
    formPage_->setWidget(form_);
    formPage_->setFrameShape(QFrame::NoFrame);
    formPage_->setBackgroundRole(QPalette::Base);
    formPage_->setFocusPolicy(Qt::StrongFocus);

    pages_ = new QStackedLayout(this);
    pages_->setContentsMargins(0, 0, 0, 0);
    pages_->addWidget(welcomePage_);
    pages_->addWidget(formPage_);
    Refresh();
}

ReportView::~ReportView() = default;

ReportSet& ReportView::ResetAnalysis() {
    if (!reports_) {
        reports_ = std::make_unique<ReportSet>();
    }
    reports_->Reset();
    Refresh();
    return *reports_;
}

void ReportView::ShowAnalysis() {
    if (AnalysisShown()) {
        form_->ShowAnalysis(*reports_);
    }
    Refresh();
}

void ReportView::DiscardAnalysis() {
    if (reports_) {
        reports_->Reset();
    }
    form_->Clear();
    Refresh();
}

void ReportView::OnAnalysis() {
    ReportSet& reports = ResetAnalysis();
    AnalysisSelectionDialog dialog(prompter_, reports, CoreText::ToQt(settings_.ORVAFileName()), window());
    if (dialog.exec() != QDialog::Accepted) {
        DiscardAnalysis();
        return;
    }
    // A name Windows-1252 cannot hold could not be read back as typed; keep the last good one.
    if (const auto fileName = CoreText::FromQt(dialog.FileText())) {
        settings_.SetORVAFileName(*fileName);
        settings_.WriteAll();
    }
    ShowAnalysis();
}

void ReportView::OnWebsite() {
    auto waiting = std::make_shared<WaitCursor>();
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(texts::kWebAddress)));
    QTimer::singleShot(kWebsiteWaitMs, Qt::PreciseTimer, this, [waiting]() mutable { waiting.reset(); });
}

void ReportView::Refresh() {
    window()->setWindowTitle(QString::fromLatin1(texts::kMainWindowTitle));
    const bool shown = AnalysisShown();
    form_->SetAnalysisShown(shown);
    QScrollArea* page = shown ? formPage_ : welcomePage_;
    pages_->setCurrentWidget(page);
    page->setFocus();
    if (shown != shownBefore_) {
        shownBefore_ = shown;
        emit AnalysisShownChanged(shown);
    }
}

}  // namespace orva
