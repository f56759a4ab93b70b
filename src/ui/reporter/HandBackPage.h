#pragma once

#include "ui/wizard/WizardPage.h"

class QLabel;
class QPushButton;

namespace orva {

// The reporter's last screen, once the answers are saved: "Thank you — please hand the
// computer back", until the clinician presses "Clinician".
class HandBackPage final : public WizardPage {
    Q_OBJECT

public:
    explicit HandBackPage(QWidget* parent = nullptr);

    void BecomeCurrent() override;

signals:
    void ClinicianPressed();

private:
    QLabel* thanks_;
    QPushButton* clinician_;
};

}  // namespace orva
