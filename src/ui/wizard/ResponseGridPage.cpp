// SPDX-License-Identifier: Apache-2.0
#include "ui/wizard/ResponseGridPage.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "model/ItemCatalogue.h"
#include "ui/CoreText.h"
#include "ui/Prompter.h"
#include "ui/access/Announcer.h"
#include "ui/wizard/BlankItemsQuestion.h"
#include "ui/wizard/PageWidgets.h"
#include "ui/wizard/ResponseField.h"
#include "ui/wizard/WizardTexts.h"

namespace orva {

namespace w = texts::wizard;

namespace {

// Items run down the columns: eight columns of fourteen.
constexpr int kRowsPerColumn = 14;

}  // namespace

ResponseGridPage::ResponseGridPage(WizardContext& context, QWidget* parent)
    : WizardPage(parent), context_(context) {
    setObjectName(QStringLiteral("responseGridPage"));
    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    for (int item = 1; item <= kItemCount; ++item) {
        auto* field = new ResponseField(item, this);
        auto* label = new QLabel(QString::fromUtf8(w::kGridItemLabel).arg(item), this);
        label->setObjectName(QStringLiteral("item%1Label").arg(item));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setBuddy(field);
        QSizePolicy policy = label->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        label->setSizePolicy(policy);
        const int row = (item - 1) % kRowsPerColumn;
        const int column = (item - 1) / kRowsPerColumn;
        grid->addWidget(label, row, 2 * column);
        grid->addWidget(field, row, 2 * column + 1);
        if (column > 0)
            grid->setColumnMinimumWidth(2 * column,
                                        fontMetrics().horizontalAdvance(QStringLiteral("1111:")) + 12);
        connect(field, &ResponseField::textEdited, this,
                [this, field](const QString& text) { Edited(field, text); });
        fields_.push_back(field);
        labels_.push_back(label);
    }

    end_ = new QWidget(this);
    end_->setObjectName(QStringLiteral("gridEndWidget"));
    // Reached only when item 111 is answered, never by Tab; read out as the end of the grid.
    end_->setFocusPolicy(Qt::ClickFocus);
    end_->setAccessibleName(QString::fromUtf8(w::kGridEndAccessible));
    end_->setFixedSize(0, 0);

    QLabel* legend = new QLabel(QString::fromUtf8(w::kGridLegend), this);
    legend->setObjectName(QStringLiteral("legendLabel"));
    // The legend lines its values up with spaces.
    legend->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    legend->setFrameShape(QFrame::StyledPanel);
    legend->setMargin(8);
    teacherNote_ = PageText(w::kGridTeacherNote, QStringLiteral("teacherNoteLabel"), this);
    teacherNote_->setMaximumWidth(fontMetrics().averageCharWidth() * 32);

    auto* side = new QVBoxLayout();
    side->addWidget(legend);
    side->addSpacing(12);
    side->addWidget(teacherNote_);
    side->addStretch(1);
    auto* body = new QHBoxLayout();
    body->addLayout(grid);
    body->addSpacing(24);
    body->addLayout(side);
    body->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageText(w::kGridInstruction, QStringLiteral("instructionLabel"), this));
    layout->addSpacing(8);
    layout->addLayout(body);
    layout->addWidget(end_);
    layout->addStretch(1);
}

bool ResponseGridPage::Asked(int item) const {
    return context_.record.GetReporter() != kTeacher || ItemCatalogue::InTeacherReport(item);
}

void ResponseGridPage::BecomeCurrent() {
    const AssessmentRecord& record = context_.record;
    const bool teacher = record.GetReporter() == kTeacher;
    teacherNote_->setVisible(teacher);
    for (ResponseField* field : fields_) {
        const int item = field->Item();
        const bool asked = Asked(item);
        const char answer = record.GetResponseChar(item);
        field->setText(asked && answer != ' ' ? QString(QLatin1Char(answer)) : QString());
        field->setAccessibleName(QString::fromUtf8(w::kGridItemAccessible)
                                     .arg(item)
                                     .arg(CoreText::ToQt(record.GetItemText(item))));
        field->setVisible(asked);
        labels_[static_cast<std::size_t>(item - 1)]->setVisible(asked);
    }
    fields_.front()->setFocus();
    fields_.front()->selectAll();
}

void ResponseGridPage::Edited(ResponseField* field, const QString& text) {
    if (text.isEmpty()) return;
    if (text == QStringLiteral(" ")) {
        field->clear();
        MoveOn(field);
        return;
    }
    if (text.size() > 1 || text.at(0) < u'0' || text.at(0) > u'5') {
        const QString caption = QString::fromUtf8(w::kIncorrectValueCaption);
        const QString message = QString::fromUtf8(w::kIncorrectValueText);
        context_.prompter.Message(caption, message, MessageIcon::Stop);
        field->clear();
        field->setFocus();
        // The field empties where the focus already is, so a screen reader is told.
        Announcer::Announce(this, QString::fromUtf8(w::kAnnouncedMessage).arg(caption, message));
        return;
    }
    MoveOn(field);
}

void ResponseGridPage::MoveOn(const ResponseField* from) {
    for (int item = from->Item() + 1; item <= kItemCount; ++item) {
        if (!Asked(item)) continue;
        ResponseField* next = fields_[static_cast<std::size_t>(item - 1)];
        next->setFocus();
        next->selectAll();
        return;
    }
    end_->setFocus();
}

bool ResponseGridPage::Next() {
    const bool blank = std::any_of(fields_.begin(), fields_.end(), [this](const ResponseField* field) {
        return Asked(field->Item()) && field->text().isEmpty();
    });
    if (blank && !LeaveBlankItems(context_.prompter)) return false;
    Store();
    return true;
}

void ResponseGridPage::Back() {
    Store();
}

// The reporter is chosen on an earlier page, the items are the grid's own and a field's text
// parses to an answer or a blank.
void ResponseGridPage::Store() {
    for (const ResponseField* field : fields_) {
        const std::string text = field->text().toStdString();
        AssumeAccepted(context_.record.SetResponse(field->Item(), AssessmentRecord::ParseResponse(text)));
    }
}

}  // namespace orva
