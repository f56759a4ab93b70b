#include "ui/wizard/QuestionnaireWizard.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/access/Announcer.h"
#include "ui/wizard/MoveOverride.h"
#include "ui/wizard/WizardPage.h"
#include "ui/wizard/WizardTexts.h"

namespace orva {

namespace {

QPushButton* WizardButton(const char* text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

QuestionnaireWizard::QuestionnaireWizard(Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
    setModal(true);
    stack_ = new QStackedWidget(this);
    stack_->setObjectName(QStringLiteral("pageStack"));

    namespace w = texts::wizard;
    backButton_ = WizardButton(w::kBack, "backButton", this);
    nextButton_ = WizardButton(w::kNext, "nextButton", this);
    finishButton_ = WizardButton(w::kFinish, "finishButton", this);
    cancelButton_ = WizardButton(w::kCancel, "cancelButton", this);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    buttonRow_ = new QHBoxLayout();
    buttonRow_->addStretch(1);
    for (QPushButton* button : {backButton_, nextButton_, finishButton_, cancelButton_})
        buttonRow_->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(stack_, 1);
    layout->addWidget(rule);
    layout->addLayout(buttonRow_);

    connect(backButton_, &QPushButton::clicked, this, &QuestionnaireWizard::OnBack);
    connect(nextButton_, &QPushButton::clicked, this, &QuestionnaireWizard::OnNext);
    connect(finishButton_, &QPushButton::clicked, this, &QuestionnaireWizard::OnFinish);
    connect(cancelButton_, &QPushButton::clicked, this, &QuestionnaireWizard::reject);
}

void QuestionnaireWizard::AddPage(WizardPage* page, const QString& caption, Buttons buttons) {
    auto* frame = new QScrollArea(stack_);
    frame->setFrameShape(QFrame::NoFrame);
    // The page's fields are the stops; a stop on the scrolling area itself would have no name.
    frame->setFocusPolicy(Qt::NoFocus);
    // A page that takes the focus itself (an items page, so no answer is chosen by a key) is
    // read out by its caption.
    page->setAccessibleName(caption);
    frame->setWidgetResizable(true);
    frame->setWidget(page);
    stack_->addWidget(frame);
    pages_.push_back({page, frame, caption, buttons});
}

void QuestionnaireWizard::AddOwnButton(QPushButton* button) {
    // Before the stretch that pushes the wizard's buttons to the right.
    buttonRow_->insertWidget(ownButtons_++, button);
}

QPushButton* QuestionnaireWizard::ButtonOf(Button which) const {
    switch (which) {
        case kBack:
            return backButton_;
        case kNext:
            return nextButton_;
        case kFinish:
            return finishButton_;
    }
    return nullptr;
}

int QuestionnaireWizard::CurrentIndex() const {
    return stack_->currentIndex();
}

WizardPage* QuestionnaireWizard::CurrentPage() const {
    const int index = CurrentIndex();
    return index >= 0 && index < PageCount() ? pages_[static_cast<std::size_t>(index)].page : nullptr;
}

void QuestionnaireWizard::Start() {
    // Room for the largest page, and for ten items of three lines, where the screen allows;
    // a page that does not fit scrolls rather than being cut.
    const QFontMetrics metrics = fontMetrics();
    QSize wanted(metrics.averageCharWidth() * 110, metrics.lineSpacing() * 36);
    for (const Entry& entry : pages_) {
        entry.page->ensurePolished();
        wanted = wanted.expandedTo(entry.page->sizeHint()).expandedTo(entry.page->minimumSizeHint());
    }
    // A scroll bar's width to spare, so that a page that just fits never shows one.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    wanted += QSize(2 * bar, 2 * bar);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        wanted = wanted.boundedTo(screen->availableSize() * 9 / 10);
    stack_->setMinimumSize(wanted);
    resize(sizeHint());
    ShowPage(0);
}

void QuestionnaireWizard::ShowPage(int index) {
    const Entry& entry = pages_[static_cast<std::size_t>(index)];
    stack_->setCurrentWidget(entry.frame);
    entry.frame->ensureVisible(0, 0);
    setWindowTitle(entry.caption);
    // The title bar changes without a focus move: said for those who cannot see it.
    Announcer::Announce(this, entry.caption);
    backButton_->setEnabled(entry.buttons.testFlag(kBack));
    nextButton_->setVisible(entry.buttons.testFlag(kNext));
    finishButton_->setVisible(entry.buttons.testFlag(kFinish));
    nextButton_->setDefault(entry.buttons.testFlag(kNext));
    finishButton_->setDefault(entry.buttons.testFlag(kFinish));
    entry.page->BecomeCurrent();
    emit PageShown(index);
}

void QuestionnaireWizard::OnBack() {
    if (moves_ != nullptr && moves_->Back()) return;
    const int index = CurrentIndex();
    if (index <= 0) return;
    pages_[static_cast<std::size_t>(index)].page->Back();
    ShowPage(index - 1);
}

void QuestionnaireWizard::OnNext() {
    if (moves_ != nullptr && moves_->Next()) return;
    const int index = CurrentIndex();
    if (index + 1 >= PageCount() || !pages_[static_cast<std::size_t>(index)].page->Next()) return;
    ShowPage(index + 1);
}

void QuestionnaireWizard::OnFinish() {
    if (WizardPage* page = CurrentPage(); page != nullptr && page->Finish()) accept();
}

void QuestionnaireWizard::reject() {
    if (moves_ != nullptr) {
        if (moves_->Cancel()) QDialog::reject();
        return;
    }
    WizardPage* page = CurrentPage();
    if (page == nullptr || page->CancelQuery(prompter_)) QDialog::reject();
}

}  // namespace orva
