#include "ReportView.h"

#include <QDesktopServices>
#include <QScrollArea>
#include <QStackedLayout>
#include <QTimer>
#include <QUrl>

#include "ShellTexts.h"
#include "WaitCursor.h"
#include "WelcomeScreen.h"

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

    pages_ = new QStackedLayout(this);
    pages_->setContentsMargins(0, 0, 0, 0);
    pages_->addWidget(welcomePage_);
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

void ReportView::OnWebsite() {
    auto waiting = std::make_shared<WaitCursor>();
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(texts::kWebAddress)));
    QTimer::singleShot(kWebsiteWaitMs, this, [waiting]() mutable { waiting.reset(); });
}

void ReportView::Refresh() {
    window()->setWindowTitle(QString::fromLatin1(texts::kMainWindowTitle));
    const bool shown = AnalysisShown();
    pages_->setCurrentWidget(welcomePage_);
    welcomePage_->setFocus();
    if (shown != shownBefore_) {
        shownBefore_ = shown;
        emit AnalysisShownChanged(shown);
    }
}

}  // namespace orva
