// SPDX-License-Identifier: Apache-2.0
#include "ui/wizard/ItemsPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "model/ItemCatalogue.h"
#include "ui/CoreText.h"
#include "ui/wizard/BlankItemsQuestion.h"
#include "ui/wizard/ItemRow.h"
#include "ui/wizard/WizardTexts.h"

namespace orva {

namespace w = texts::wizard;

ItemsPage::ItemsPage(WizardContext& context, int firstItem, int count, QWidget* parent)
    : WizardPage(parent), context_(context) {
    setObjectName(QStringLiteral("itemsPage%1").arg(firstItem));
    // The page itself holds the focus on arrival, so that no answer is chosen by a keystroke.
    setFocusPolicy(Qt::ClickFocus);

    leadIn_ = new QLineEdit(this);
    leadIn_->setObjectName(QStringLiteral("leadInEdit"));
    leadIn_->setReadOnly(true);
    leadIn_->setFocusPolicy(Qt::NoFocus);
    leadIn_->setAccessibleName(QString::fromUtf8(w::kLeadInAccessible));
    leadIn_->setFixedWidth(leadIn_->fontMetrics().horizontalAdvance(QStringLiteral("This student:")) * 2);

    grid_ = new QGridLayout();
    grid_->setHorizontalSpacing(4);
    const int columnWidth = fontMetrics().horizontalAdvance(QStringLiteral("Sometimes")) + 8;
    for (int value = 0; value < ItemRow::kAnswerCount; ++value) {
        auto* scale = new QLabel(QString::fromUtf8(ItemCatalogue::AnswerLabel(value)), this);
        scale->setObjectName(QStringLiteral("scale%1Label").arg(value));
        scale->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        scale->setWordWrap(true);
        grid_->addWidget(scale, 0, ItemRow::kFirstAnswerColumn + value);
        grid_->setColumnMinimumWidth(ItemRow::kFirstAnswerColumn + value, columnWidth);
        scaleLabels_.push_back(scale);
    }
    grid_->addWidget(leadIn_, 0, 1, Qt::AlignLeft | Qt::AlignBottom);
    for (int i = 0; i < count; ++i) {
        auto* row = new ItemRow(firstItem + i, *grid_, i + 1, this);
        connect(row, &ItemRow::Answered, this, &ItemsPage::ApplyTeacherRule);
        connect(row, &ItemRow::ReadAloudPressed, this, [this, row] { emit ReadAloudRequested(ReadingOf(*row)); });
        rows_.push_back(row);
    }
    PlaceRows();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid_);
    layout->addStretch(1);
}

void ItemsPage::PlaceRows() {
    using Look = ItemRow::Look;
    const Look look = !reporter_ ? Look::Desk : oneAtATime_ ? Look::ReporterColumn : Look::ReporterRow;
    // One item per screen shows one item at a time, so all share the same grid rows: hidden
    // rows of their own would still take the grid's spacing.
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const int place = look == Look::ReporterColumn ? 0 : static_cast<int>(i);
        rows_[i]->Place(*grid_, 1 + place * ItemRow::GridRows(look), look, readAloud_);
    }
    // The wording column takes the spare width at the desk; a page of the reporter's keeps the
    // answers together after their wording, and one item per screen gives its wording the width.
    grid_->setColumnStretch(1, look == Look::Desk ? 1 : 0);
    grid_->setColumnStretch(ItemRow::kClearColumn, look == Look::ReporterColumn ? 1 : 0);
    grid_->setColumnStretch(ItemRow::kClearColumn + 1, look == Look::ReporterRow ? 1 : 0);
    for (QLabel* scale : scaleLabels_) scale->setVisible(!reporter_);
}

bool ItemsPage::Asked(const ItemRow& row) const {
    return context_.record.GetReporter() != kTeacher || ItemCatalogue::InTeacherReport(row.Item());
}

void ItemsPage::BecomeCurrent() {
    const AssessmentRecord& record = context_.record;
    leadIn_->setText(CoreText::ToQt(record.GetItemText(0)));
    for (ItemRow* row : rows_) {
        row->SetWording(CoreText::ToQt(record.GetItemText(row->Item())));
        row->SetAnswer(record.GetResponse(row->Item()));
    }
    ApplyTeacherRule();
    setFocus();
}

void ItemsPage::ApplyTeacherRule() {
    for (ItemRow* row : rows_) {
        const bool asked = Asked(*row);
        if (!asked) row->SetAnswer(-1);
        row->SetCovered(!asked);
    }
}

void ItemsPage::SetReporterLook(bool reporter, bool oneAtATime, bool readAloud) {
    reporter_ = reporter;
    oneAtATime_ = reporter && oneAtATime;
    readAloud_ = reporter && readAloud;
    PlaceRows();
    if (!oneAtATime_)
        for (ItemRow* row : rows_) row->SetShown(true);
}

int ItemsPage::NextAsked(int from, int step) const {
    for (int index = from + step; index >= 0 && index < static_cast<int>(rows_.size()); index += step)
        if (Asked(*rows_[static_cast<std::size_t>(index)])) return index;
    return -1;
}

int ItemsPage::ShownIndex() const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i]->Shown()) return static_cast<int>(i);
    return -1;
}

void ItemsPage::ShowOnly(int index) {
    for (std::size_t i = 0; i < rows_.size(); ++i) rows_[i]->SetShown(static_cast<int>(i) == index);
    // The scrolling area around the page fits it again only when the page's size changes.
    adjustSize();
    rows_[static_cast<std::size_t>(index)]->FocusAnswers();
}

void ItemsPage::ShowFirstItem() {
    if (oneAtATime_) ShowOnly(std::max(NextAsked(-1, 1), 0));
}

void ItemsPage::ShowLastItem() {
    if (oneAtATime_) ShowOnly(std::max(NextAsked(static_cast<int>(rows_.size()), -1), 0));
}

bool ItemsPage::AtLastItem() const {
    return !oneAtATime_ || NextAsked(ShownIndex(), 1) < 0;
}

bool ItemsPage::CanStepBack() const {
    return oneAtATime_ && NextAsked(ShownIndex(), -1) >= 0;
}

bool ItemsPage::StepForward() {
    const int next = NextAsked(ShownIndex(), 1);
    if (next < 0 || !BlanksAccepted()) return false;
    ShowOnly(next);
    return true;
}

bool ItemsPage::StepBack() {
    if (!CanStepBack()) return false;
    ShowOnly(NextAsked(ShownIndex(), -1));
    return true;
}

bool ItemsPage::BlanksAccepted() {
    const bool blank = std::any_of(rows_.begin(), rows_.end(), [this](const ItemRow* row) {
        return row->Shown() && Asked(*row) && row->Answer() < 0;
    });
    if (!blank) return true;
    if (!reporter_) return LeaveBlankItems(context_.prompter);
    return LeaveBlankItemsInPlainWords(context_.prompter, oneAtATime_);
}

bool ItemsPage::Next() {
    if (!BlanksAccepted()) return false;
    Store();
    return true;
}

void ItemsPage::Back() {
    Store();
}

// The reporter is chosen on an earlier page, and a row holds one of its item's answers or none.
void ItemsPage::Store() {
    for (const ItemRow* row : rows_) AssumeAccepted(context_.record.SetResponse(row->Item(), row->Answer()));
}

QStringList ItemsPage::ReadingOf(const ItemRow& row) const {
    const QString leadIn = leadIn_->text();
    const QString wording = CoreText::ToQt(context_.record.GetItemText(row.Item()));
    QStringList texts{leadIn.isEmpty() ? wording : leadIn + QLatin1Char(' ') + wording};
    for (int value = 0; value < ItemRow::kAnswerCount; ++value)
        texts << QString::fromUtf8(ItemCatalogue::AnswerLabel(value));
    return texts;
}

QStringList ItemsPage::ReadingOfShownItems() const {
    QStringList texts;
    for (const ItemRow* row : rows_)
        if (row->Shown() && Asked(*row)) texts << ReadingOf(*row);
    return texts;
}

QStringList ItemsPage::ReadingOfCurrentItem() const {
    const auto focused = std::find_if(rows_.begin(), rows_.end(), [](const ItemRow* row) { return row->HoldsFocus(); });
    if (focused != rows_.end()) return ReadingOf(**focused);
    for (const ItemRow* row : rows_)
        if (row->Shown() && Asked(*row)) return ReadingOf(*row);
    return {};
}

}  // namespace orva
