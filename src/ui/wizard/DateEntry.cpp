// SPDX-License-Identifier: Apache-2.0
#include "ui/wizard/DateEntry.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "model/FieldRules.h"
#include "ui/wizard/WizardTexts.h"

namespace orva {

namespace w = texts::wizard;

namespace {

QLineEdit* DigitsEdit(const QString& name, int digits, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(digits);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(digits)), edit));
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(digits + 2, QLatin1Char('0'))) + 10);
    edit->setAlignment(Qt::AlignHCenter);
    return edit;
}

QString Padded(int value, int width) {
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

}  // namespace

DateEntry::DateEntry(const QString& prefix, const QString& meaning, QWidget* parent) : QWidget(parent) {
    day_ = DigitsEdit(prefix + QStringLiteral("DayEdit"), 2, this);
    month_ = DigitsEdit(prefix + QStringLiteral("MonthEdit"), 2, this);
    year_ = DigitsEdit(prefix + QStringLiteral("YearEdit"), 4, this);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(0);
    int column = 0;
    for (auto [edit, name] : {std::pair{day_, w::kDay}, {month_, w::kMonth}, {year_, w::kYear}}) {
        if (column > 0) grid->addWidget(new QLabel(QString::fromUtf8(w::kDateSeparator), this), 1, column++);
        auto* label = new QLabel(QString::fromUtf8(name), this);
        label->setAlignment(Qt::AlignHCenter);
        label->setBuddy(edit);
        edit->setAccessibleName(meaning + QLatin1Char(' ') + label->text());
        grid->addWidget(label, 0, column);
        grid->addWidget(edit, 1, column++);
    }
    grid->setColumnStretch(column, 1);
}

bool DateEntry::Holds(const QWidget* field) const {
    return field == day_ || field == month_ || field == year_;
}

std::string DateEntry::DayText() const {
    return day_->text().toStdString();
}
std::string DateEntry::MonthText() const {
    return month_->text().toStdString();
}
std::string DateEntry::YearText() const {
    return year_->text().toStdString();
}

Date DateEntry::Value() const {
    return {FieldNumber(YearText()), FieldNumber(MonthText()), FieldNumber(DayText())};
}

void DateEntry::Show(const Date& date) {
    day_->setText(Padded(date.day, 2));
    month_->setText(Padded(date.month, 2));
    year_->setText(Padded(date.year, 4));
}

void DateEntry::Clear() {
    day_->clear();
    month_->clear();
    year_->clear();
}

bool DateEntry::Tidy(QLineEdit* field, int currentYear) {
    const std::string text = field->text().toStdString();
    // Only what was typed is tidied: an empty year would otherwise become the century's year 00.
    if (text.empty()) return false;
    std::string tidied;
    if (field == day_)
        tidied = TidyDay(text);
    else if (field == month_)
        tidied = TidyMonth(text);
    else
        tidied = TidyYear(text, currentYear);
    field->setText(QString::fromStdString(tidied));
    return tidied != text;
}

void DateEntry::TidyAll(int currentYear) {
    for (QLineEdit* field : {day_, month_, year_}) Tidy(field, currentYear);
}

}  // namespace orva
