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

namespace {

// In the reporter's look the read-aloud button stands left of the answers, under the number.
constexpr int kReadColumn = 1;

QString AnswerWord(int value) {
    return QString::fromUtf8(ItemCatalogue::AnswerLabel(value));
}

}  // namespace

ItemRow::ItemRow(int item, QGridLayout& grid, int row, QWidget* page) : QObject(page), item_(item) {
    const QString prefix = QStringLiteral("item%1").arg(item);
    number_ = new QLabel(QString::fromUtf8(w::kItemNumber).arg(item), page);
    number_->setObjectName(prefix + QStringLiteral("NumberLabel"));
    number_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    wording_ = new QLabel(page);
    wording_->setObjectName(prefix + QStringLiteral("WordingLabel"));
    wording_->setWordWrap(true);
    wording_->setTextFormat(Qt::PlainText);
    wording_->setFrameShape(QFrame::StyledPanel);
    wording_->setMargin(2);
    wording_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    // Narrow enough for a small screen; the wording column takes all the width there is.
    wording_->setMinimumWidth(wording_->fontMetrics().averageCharWidth() * 28);

    group_ = new QButtonGroup(this);
    for (int value = 0; value < kAnswerCount; ++value) {
        auto* answer = new QRadioButton(page);
        answer->setObjectName(prefix + QStringLiteral("Answer%1Radio").arg(value));
        answer->setAccessibleDescription(QString::fromUtf8(w::kAnswerPosition).arg(value + 1).arg(kAnswerCount));
        answer->installEventFilter(this);
        group_->addButton(answer, value);
        connect(answer, &QRadioButton::clicked, this, [this, value] { Choose(value); });
        answers_[static_cast<std::size_t>(value)] = answer;
    }
    clear_ = new QPushButton(QString::fromUtf8(w::kClear), page);
    clear_->setObjectName(prefix + QStringLiteral("ClearButton"));
    clear_->setAutoDefault(false);
    connect(clear_, &QPushButton::clicked, this, [this] { Choose(-1); });
    read_ = new QPushButton(QString::fromUtf8(w::kReadAloud), page);
    read_->setObjectName(prefix + QStringLiteral("ReadAloudButton"));
    read_->setAutoDefault(false);
    read_->hide();
    connect(read_, &QPushButton::clicked, this, &ItemRow::ReadAloudPressed);

    cover_ = new QFrame(page);
    cover_->setObjectName(prefix + QStringLiteral("CoverPanel"));
    cover_->setAutoFillBackground(true);
    Place(grid, row, Look::Desk, false);
    SetAnswer(-1);
}

int ItemRow::GridRows(Look look) {
    switch (look) {
        case Look::Desk:
            return 1;
        case Look::ReporterRow:
            return 2;
        case Look::ReporterColumn:
            return 2 + kAnswerCount;
    }
    return 1;
}

void ItemRow::Place(QGridLayout& grid, int row, Look look, bool readAloud) {
    const bool reporter = look != Look::Desk;
    readAloud_ = reporter && readAloud;
    for (QWidget* widget : {static_cast<QWidget*>(number_), static_cast<QWidget*>(wording_),
                            static_cast<QWidget*>(clear_), static_cast<QWidget*>(read_), cover_})
        grid.removeWidget(widget);
    for (QRadioButton* answer : answers_) grid.removeWidget(answer);

    grid.addWidget(number_, row, 0);
    grid.addWidget(wording_, row, 1, 1, reporter ? kClearColumn : 1);
    const int answers = reporter ? row + 1 : row;
    for (int value = 0; value < kAnswerCount; ++value) {
        QRadioButton* answer = answers_[static_cast<std::size_t>(value)];
        // The reporter reads the word on the button itself; the desk reads the column heading.
        answer->setText(reporter ? AnswerWord(value) : QString());
        if (look == Look::ReporterColumn)
            grid.addWidget(answer, answers + value, kFirstAnswerColumn, 1, kAnswerCount, Qt::AlignLeft);
        else
            grid.addWidget(answer, answers, kFirstAnswerColumn + value, reporter ? Qt::AlignLeft : Qt::AlignCenter);
    }
    if (look == Look::ReporterColumn) {
        grid.addWidget(clear_, answers + kAnswerCount, kFirstAnswerColumn, Qt::AlignLeft);
        grid.addWidget(cover_, answers, kFirstAnswerColumn, kAnswerCount + 1, kAnswerCount + 1);
    } else {
        grid.addWidget(clear_, answers, kClearColumn, Qt::AlignCenter);
        grid.addWidget(cover_, answers, kFirstAnswerColumn, 1, kAnswerCount + 1);
    }
    if (reporter) grid.addWidget(read_, answers, kReadColumn, Qt::AlignLeft | Qt::AlignTop);
    ApplyVisibility();
}

void ItemRow::SetWording(const QString& wording) {
    wording_->setText(wording);
    const QString item = QString::fromUtf8(w::kItemNumber).arg(item_);
    for (int value = 0; value < kAnswerCount; ++value)
        answers_[static_cast<std::size_t>(value)]->setAccessibleName(
            QString::fromUtf8(w::kAnswerAccessible).arg(AnswerWord(value), item, wording));
    clear_->setAccessibleName(QString::fromUtf8(w::kClearAccessible).arg(item, wording));
    read_->setAccessibleName(QString::fromUtf8(w::kReadAloudAccessible).arg(item, wording));
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
    const bool focused = HoldsFocus();
    SetAnswer(value);
    if (focused) FocusAnswers();
    emit Answered();
}

void ItemRow::FocusAnswers() {
    answers_[static_cast<std::size_t>(answer_ < 0 ? 0 : answer_)]->setFocus();
}

bool ItemRow::HoldsFocus() const {
    return std::any_of(answers_.begin(), answers_.end(), [](const QRadioButton* answer) { return answer->hasFocus(); });
}

void ItemRow::SetCovered(bool covered) {
    covered_ = covered;
    ApplyVisibility();
}

void ItemRow::SetShown(bool shown) {
    shown_ = shown;
    ApplyVisibility();
}

void ItemRow::ApplyVisibility() {
    const bool answerable = shown_ && !covered_;
    number_->setVisible(shown_);
    wording_->setVisible(shown_);
    cover_->setVisible(shown_ && covered_);
    for (QRadioButton* answer : answers_) answer->setVisible(answerable);
    clear_->setVisible(answerable);
    read_->setVisible(answerable && readAloud_);
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
