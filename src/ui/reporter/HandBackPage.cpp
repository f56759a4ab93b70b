#include "ui/reporter/HandBackPage.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/reporter/ReporterTexts.h"

namespace orva {

namespace r = texts::reporter;

HandBackPage::HandBackPage(QWidget* parent) : WizardPage(parent) {
    setObjectName(QStringLiteral("handBackPage"));
    thanks_ = new QLabel(QString::fromUtf8(r::kHandBack), this);
    thanks_->setObjectName(QStringLiteral("handBackLabel"));
    thanks_->setWordWrap(true);
    thanks_->setAlignment(Qt::AlignCenter);
    clinician_ = new QPushButton(QString::fromUtf8(r::kClinician), this);
    clinician_->setObjectName(QStringLiteral("clinicianButton"));
    clinician_->setAutoDefault(false);
    connect(clinician_, &QPushButton::clicked, this, &HandBackPage::ClinicianPressed);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(thanks_);
    layout->addSpacing(24);
    layout->addWidget(clinician_, 0, Qt::AlignHCenter);
    layout->addStretch(2);
}

void HandBackPage::BecomeCurrent() {
    // Read from across the room: half as large again as the screens before, and bold.
    QFont large = font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    large.setBold(true);
    thanks_->setFont(large);
    clinician_->setFocus();
}

}  // namespace orva
