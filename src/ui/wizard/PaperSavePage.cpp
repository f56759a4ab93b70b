// SPDX-License-Identifier: Apache-2.0
#include "ui/wizard/PaperSavePage.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/wizard/NoEditsQuestion.h"
#include "ui/wizard/PageWidgets.h"
#include "ui/wizard/RecordFileChoice.h"
#include "ui/wizard/RecordFileField.h"
#include "ui/wizard/SaveFlow.h"
#include "ui/wizard/WizardTexts.h"

namespace orva {

namespace w = texts::wizard;

PaperSavePage::PaperSavePage(WizardContext& context, ViewChoices preset, QWidget* parent)
    : WizardPage(parent), context_(context), preset_(preset) {
    setObjectName(QStringLiteral("paperSavePage"));
    file_ = new RecordFileChoice(context, this);
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
        file_->Load();
        view_->setChecked(preset_.view);
        alsoView_->setChecked(preset_.alsoRelated);
    }
    file_->Field().Edit()->setFocus();
}

bool PaperSavePage::Finish() {
    file_->Store();
    if (!EditedOrSaveAnyway(context_)) return false;
    const std::optional<RecordFilePath> file = file_->CheckedFile();
    if (!file) return false;
    if (!SaveRecord(context_, *file)) {
        file_->Field().Edit()->setFocus();
        return false;
    }
    return true;
}

ViewChoices PaperSavePage::Choices() const {
    return {view_->isChecked(), alsoView_->isChecked()};
}

}  // namespace orva
