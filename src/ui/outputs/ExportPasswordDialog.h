// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QDialog>

#include "reports/ExportPasswordCheck.h"

class QLineEdit;

namespace orva {

class Prompter;

// The gate in front of the export: one masked field, lower-cased as it is typed. OK closes the
// dialog only for a password that the shared check accepts; a wrong one is reported, cleared
// and costs the check's delay.
class ExportPasswordDialog : public QDialog {
    Q_OBJECT

  public:
    ExportPasswordDialog(Prompter& prompter, const ExportPasswords& passwords, Sleeper sleep = SleepFor,
                         QWidget* parent = nullptr);

  private:
    void LowerCase(const QString& typed);
    void Check();

    Prompter& prompter_;
    const ExportPasswords& passwords_;
    Sleeper sleep_;
    QLineEdit* passwordEdit_ = nullptr;
};

}  // namespace orva
