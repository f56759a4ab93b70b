// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QWidget>
#include <string>

#include "model/Date.h"

class QLineEdit;

namespace orva {

// A date typed as day / month / year digits under the labels "Day", "Month", "Year".
class DateEntry final : public QWidget {
    Q_OBJECT

public:
    // Field names are `prefix` + "DayEdit", "MonthEdit", "YearEdit"; `meaning` (the row's
    // label) starts each field's accessible name.
    DateEntry(const QString& prefix, const QString& meaning, QWidget* parent = nullptr);

    QLineEdit* Day() const { return day_; }
    QLineEdit* Month() const { return month_; }
    QLineEdit* Year() const { return year_; }
    bool Holds(const QWidget* field) const;

    // The fields as typed, and as a date (each field's leading digits, 0 when none).
    std::string DayText() const;
    std::string MonthText() const;
    std::string YearText() const;
    Date Value() const;

    // Shows a date as "dd", "mm", "yyyy", or empties the fields.
    void Show(const Date& date);
    void Clear();

    // Tidies one field as it is left; an empty field stays empty. True when it changed.
    bool Tidy(QLineEdit* field, int currentYear);
    void TidyAll(int currentYear);

private:
    QLineEdit* day_;
    QLineEdit* month_;
    QLineEdit* year_;
};

}  // namespace orva
