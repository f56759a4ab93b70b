// SPDX-License-Identifier: Apache-2.0
#include "ui/wizard/CommentPage.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/wizard/PageWidgets.h"
#include "ui/wizard/RecordTextEdit.h"
#include "ui/wizard/WizardTexts.h"

namespace orva {

namespace w = texts::wizard;

CommentPage::CommentPage(WizardContext& context, QWidget* parent) : WizardPage(parent), context_(context) {
    setObjectName(QStringLiteral("commentPage"));
    comment_ = new RecordTextEdit(static_cast<int>(MaxLength(TextField::ObserverComment)),
                                  QStringLiteral("commentEdit"), this);
    comment_->setAccessibleName(QString::fromUtf8(w::kCommentAccessibleName));
    comment_->setMinimumHeight(comment_->fontMetrics().lineSpacing() * 5 + 12);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageText(w::kThankYou, QStringLiteral("thankYouLabel"), this));
    layout->addSpacing(12);
    layout->addWidget(PageText(w::kReviewHint, QStringLiteral("reviewLabel"), this));
    layout->addSpacing(12);
    // Only the invitation is worded for who types: the reporter on screen, a user from paper.
    const char* invite = context.mode == WizardMode::Paper ? w::kCommentInvitationPaper : w::kCommentInvitation;
    QLabel* invitation = PageText(invite, QStringLiteral("invitationLabel"), this);
    invitation->setBuddy(comment_);
    comment_->setAccessibleDescription(invitation->text());
    layout->addWidget(invitation);
    layout->addWidget(comment_);
    layout->addStretch(1);
}

void CommentPage::BecomeCurrent() {
    comment_->SetText(RecordTextValidator::FromRecord(context_.record.GetObserverComment()));
    comment_->setFocus();
}

bool CommentPage::Next() {
    Store();
    return true;
}

void CommentPage::Back() {
    Store();
}

void CommentPage::Store() {
    context_.record.SetObserverComment(RecordTextValidator::ToRecord(comment_->Text()));
}

}  // namespace orva
