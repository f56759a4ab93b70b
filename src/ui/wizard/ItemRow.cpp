#include "ui/wizard/ItemRow.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "model/ItemCatalogue.h"
#include "ui/wizard/WizardTexts.h"

namespace orva {

namespace w = texts::wizard;

ItemRow::ItemRow(int item, QGridLayout& grid, int row, QWidget* page) : QObject(page), item_(item) {
    const QString prefix = QStringLiteral("item%1").arg(item);
    auto* number = new QLabel(QString::fromUtf8(w::kItemNumber).arg(item), page);
    number->setObjectName(prefix + QStringLiteral("NumberLabel"));
    number->setAlignment(Qt::AlignRight | Qt::AlignTop);
    wording_ = new QLabel(page);
    wording_->setObjectName(prefix + QStringLiteral("WordingLabel"));
    wording_->setWordWrap(true);
    wording_->setTextFormat(Qt::PlainText);
    wording_->setFrameShape(QFrame::StyledPanel);
    wording_->setMargin(2);
    wording_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    // Narrow enough for a small screen; the wording column takes all the width there is.
    wording_->setMinimumWidth(wording_->fontMetrics().averageCharWidth() * 28);
    grid.addWidget(number, row, 0);
    grid.addWidget(wording_, row, 1);

    group_ = new QButtonGroup(this);
    for (int value = 0; value < kAnswerCount; ++value) {
        auto* answer = new QRadioButton(page);
        answer->setObjectName(prefix + QStringLiteral("Answer%1Radio").arg(value));
        answer->setAccessibleDescription(QString::fromUtf8(w::kAnswerPosition).arg(value + 1).arg(kAnswerCount));
        answer->installEventFilter(this);
        group_->addButton(answer, value);
        connect(answer, &QRadioButton::clicked, this, [this, value] { Choose(value); });
        grid.addWidget(answer, row, kFirstAnswerColumn + value, Qt::AlignCenter);
        answers_[static_cast<std::size_t>(value)] = answer;
    }
    clear_ = new QPushButton(QString::fromUtf8(w::kClear), page);
    clear_->setObjectName(prefix + QStringLiteral("ClearButton"));
    clear_->setAutoDefault(false);
    connect(clear_, &QPushButton::clicked, this, [this] { Choose(-1); });
    grid.addWidget(clear_, row, kFirstAnswerColumn + kAnswerCount, Qt::AlignCenter);

    cover_ = new QFrame(page);
    cover_->setObjectName(prefix + QStringLiteral("CoverPanel"));
    cover_->setAutoFillBackground(true);
    cover_->hide();
    grid.addWidget(cover_, row, kFirstAnswerColumn, 1, kAnswerCount + 1);
    SetAnswer(-1);
}

void ItemRow::SetWording(const QString& wording) {
    wording_->setText(wording);
    const QString item = QString::fromUtf8(w::kItemNumber).arg(item_);
    for (int value = 0; value < kAnswerCount; ++value)
        answers_[static_cast<std::size_t>(value)]->setAccessibleName(
            QString::fromUtf8(w::kAnswerAccessible)
                .arg(QString::fromUtf8(ItemCatalogue::AnswerLabel(value)), item, wording));
    clear_->setAccessibleName(QString::fromUtf8(w::kClearAccessible).arg(item, wording));
}

void ItemRow::SetAnswer(int value) {
    answer_ = (value >= 0 && value < kAnswerCount) ? value : -1;
    // The answers are one Tab stop, at the chosen answer (the first while blank).
    const int tabStop = answer_ < 0 ? 0 : answer_;
    // An exclusive group never lets its checked button go, which a blank answer needs.
    group_->setExclusive(false);
    for (int i = 0; i < kAnswerCount; ++i) {
        QRadioButton* answer = answers_[static_cast<std::size_t>(i)];
        answer->setChecked(i == answer_);
        answer->setFocusPolicy(i == tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    }
    group_->setExclusive(true);
}

void ItemRow::Choose(int value) {
    QWidget* focused = nullptr;
    for (QRadioButton* answer : answers_)
        if (answer->hasFocus()) focused = answer;
    SetAnswer(value);
    if (focused != nullptr) answers_[static_cast<std::size_t>(answer_ < 0 ? 0 : answer_)]->setFocus();
    emit Answered();
}

void ItemRow::SetCovered(bool covered) {
    covered_ = covered;
    cover_->setVisible(covered);
    for (QRadioButton* answer : answers_) answer->setVisible(!covered);
    clear_->setVisible(!covered);
}

bool ItemRow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const int at = static_cast<int>(std::find(answers_.begin(), answers_.end(), watched) - answers_.begin());
    int value = -2;
    if (key->key() >= Qt::Key_0 && key->key() < Qt::Key_0 + kAnswerCount) {
        value = key->key() - Qt::Key_0;
    } else if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Up) {
        value = answer_ < 0 ? at : std::max(answer_ - 1, 0);
    } else if (key->key() == Qt::Key_Right || key->key() == Qt::Key_Down) {
        value = answer_ < 0 ? at : std::min(answer_ + 1, kAnswerCount - 1);
    }
    if (value == -2) return QObject::eventFilter(watched, event);
    answers_[static_cast<std::size_t>(value)]->setFocus();
    Choose(value);
    return true;
}

}  // namespace orva
