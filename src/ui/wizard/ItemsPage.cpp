#include "ui/wizard/ItemsPage.h"

#include <QGridLayout>
#include <algorithm>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

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

    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(4);
    grid->setColumnStretch(1, 1);
    const int columnWidth = fontMetrics().horizontalAdvance(QStringLiteral("Sometimes")) + 8;
    for (int value = 0; value < ItemRow::kAnswerCount; ++value) {
        auto* scale = new QLabel(QString::fromUtf8(ItemCatalogue::AnswerLabel(value)), this);
        scale->setObjectName(QStringLiteral("scale%1Label").arg(value));
        scale->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        scale->setWordWrap(true);
        grid->addWidget(scale, 0, ItemRow::kFirstAnswerColumn + value);
        grid->setColumnMinimumWidth(ItemRow::kFirstAnswerColumn + value, columnWidth);
    }
    grid->addWidget(leadIn_, 0, 1, Qt::AlignLeft | Qt::AlignBottom);
    for (int i = 0; i < count; ++i) {
        auto* row = new ItemRow(firstItem + i, *grid, i + 1, this);
        connect(row, &ItemRow::Answered, this, &ItemsPage::ApplyTeacherRule);
        rows_.push_back(row);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
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

bool ItemsPage::Next() {
    const bool blank =
        std::any_of(rows_.begin(), rows_.end(), [this](const ItemRow* row) { return Asked(*row) && row->Answer() < 0; });
    if (blank && !LeaveBlankItems(context_.prompter)) return false;
    Store();
    return true;
}

void ItemsPage::Back() {
    Store();
}

void ItemsPage::Store() {
    for (const ItemRow* row : rows_) context_.record.SetResponse(row->Item(), row->Answer());
}

}  // namespace orva
