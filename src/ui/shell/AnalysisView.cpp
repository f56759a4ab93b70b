#include "ui/shell/AnalysisView.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QStackedLayout>
#include <QStyle>

#include "ui/Workspace.h"
#include "ui/analysis/AnalysisForm.h"
#include "ui/shell/ReadingPane.h"
#include "ui/shell/ShellTexts.h"
#include "ui/shell/WelcomeScreen.h"

namespace orva {

AnalysisView::AnalysisView(const Workspace& workspace, QWidget* parent)
    : QWidget(parent), workspace_(workspace) {
    setObjectName(QStringLiteral("analysisView"));

    // Focus rests on the page itself, so no field of the form holds the caret.
    welcome_ = new WelcomeScreen;
    welcomePage_ =
        new ReadingPane(QStringLiteral("welcomeScrollArea"), QString::fromLatin1(texts::kWelcomeAccessible));
    welcomePage_->setWidget(welcome_);
    welcomePage_->setWidgetResizable(true);
    // The welcome lines are painted; a screen reader reads them from here.
    welcomePage_->setAccessibleDescription(WelcomeScreen::Text());

    form_ = new AnalysisForm;
    form_->SetUpGrids();
    formPage_ = new ReadingPane(QStringLiteral("analysisScrollArea"),
                                QString::fromLatin1(texts::kAnalysisAccessible));
    formPage_->setWidget(form_);
    formPage_->setBackgroundRole(QPalette::Base);

    pages_ = new QStackedLayout(this);
    pages_->setContentsMargins(0, 0, 0, 0);
    pages_->addWidget(welcomePage_);
    pages_->addWidget(formPage_);

    connect(&workspace_, &Workspace::AnalysisChanged, this, &AnalysisView::ShowCurrentAnalysis);
    Refresh();
}

AnalysisView::~AnalysisView() = default;

QSize AnalysisView::FormPageSize() const {
    // The vertical scroll bar is counted too: on a short screen the form keeps it.
    const int frame = 2 * formPage_->frameWidth();
    const int bar = formPage_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, formPage_);
    const QSize form = form_->size();
    return {form.width() + frame + bar, form.height() + frame};
}

void AnalysisView::ShowCurrentAnalysis() {
    // An emptied analysis empties the form as well, so nothing of it stays behind the welcome.
    if (workspace_.AnalysisShown()) {
        form_->ShowAnalysis(*workspace_.CurrentAnalysis());
        // Each analysis opens at its top, where the person's name is, wherever the last one was left.
        formPage_->verticalScrollBar()->setValue(formPage_->verticalScrollBar()->minimum());
        formPage_->horizontalScrollBar()->setValue(formPage_->horizontalScrollBar()->minimum());
    } else {
        form_->Clear();
    }
    Refresh();
}

void AnalysisView::Refresh() {
    window()->setWindowTitle(QString::fromLatin1(texts::kMainWindowTitle));
    const bool shown = workspace_.AnalysisShown();
    form_->SetAnalysisShown(shown);
    QScrollArea* page = shown ? formPage_ : welcomePage_;
    pages_->setCurrentWidget(page);
    page->setFocus();
}

}  // namespace orva
