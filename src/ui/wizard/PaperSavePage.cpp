// SPDX-License-Identifier: Apache-2.0
#include "ui/wizard/PaperSavePage.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QVBoxLayout>

#include "screening/ScreeningTexts.h"
#include "ui/Prompter.h"
#include "ui/settings/AppSettings.h"
#include "ui/wizard/AnalysisAfterSave.h"
#include "ui/wizard/EditState.h"
#include "ui/wizard/NoEditsQuestion.h"
#include "ui/wizard/PageWidgets.h"
#include "ui/wizard/RecordFileField.h"
#include "ui/wizard/ReplaceRecordBox.h"
#include "ui/wizard/SaveFlow.h"
#include "ui/wizard/WizardTexts.h"

namespace orva {

namespace w = texts::wizard;

PaperSavePage::PaperSavePage(WizardContext& context, ReportSet& analysis, QWidget* parent)
    : WizardPage(parent), context_(context), analysis_(analysis) {
    setObjectName(QStringLiteral("paperSavePage"));
    file_ = new RecordFileField(context.prompter, this);
    view_ = new QCheckBox(QString::fromUtf8(w::kViewAnalysis), this);
    view_->setObjectName(QStringLiteral("viewAnalysisCheck"));
    alsoView_ = new QCheckBox(QString::fromUtf8(w::kAlsoViewRelated), this);
    alsoView_->setObjectName(QStringLiteral("alsoViewRelatedCheck"));

    auto* indented = new QHBoxLayout();
    indented->addSpacing(style()->pixelMetric(QStyle::PM_IndicatorWidth) * 2);
    indented->addWidget(alsoView_);
    indented->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageText(w::kPaperSaveQuestion, QStringLiteral("questionLabel"), this));
    if (context.edit != nullptr) {
        replace_ = new ReplaceRecordBox(*file_, context.edit->ownFileName, context.prompter, this);
        layout->addWidget(replace_);
    }
    layout->addWidget(file_);
    layout->addSpacing(12);
    layout->addWidget(PageText(w::kPaperFileNote, QStringLiteral("noteLabel"), this));
    layout->addSpacing(24);
    layout->addWidget(view_);
    layout->addLayout(indented);
    layout->addStretch(1);
}

void PaperSavePage::BecomeCurrent() {
    if (presetPending_) {
        presetPending_ = false;
        file_->SetText(context_.fileName);
        if (replace_ != nullptr) replace_->SetReplacing(context_.edit->replace);
        // Read afresh: another window may have changed the stored choices since start-up.
        const AppSettings stored;
        view_->setChecked(stored.ViewAnalysisTicked());
        alsoView_->setChecked(stored.AlsoViewRelatedAnalysisTicked());
    }
    file_->Edit()->setFocus();
}

bool PaperSavePage::Finish() {
    context_.fileName = file_->Text();
    if (replace_ != nullptr) context_.edit->replace = replace_->isChecked();
    if (!EditedOrSaveAnyway(context_)) return false;
    const std::optional<QString> path = file_->CheckedFullPath();
    if (!path) return false;
    const std::optional<SavedRecord> saved = SaveRecord(context_, *path);
    if (!saved) {
        file_->Edit()->setFocus();
        return false;
    }
    if (view_->isChecked() &&
        !FillAnalysisAfterSave(saved->file.OnDisk(), saved->position, context_.record, alsoView_->isChecked(), analysis_))
        context_.prompter.Message(
            UserMessage{texts::kReadErrorCaption, texts::kReadError, MessageIcon::Stop});
    return true;
}

bool PaperSavePage::ViewAnalysis() const {
    return view_->isChecked();
}

bool PaperSavePage::AlsoViewRelated() const {
    return alsoView_->isChecked();
}

}  // namespace orva
