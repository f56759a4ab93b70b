#pragma once

#include <QDialog>

#include "ui/reporter/ReporterOptions.h"

class QButtonGroup;
class QCheckBox;

namespace orva {

// The clinician's choices before handing the computer to a reporter: the text size, one item
// per screen, and reading each item aloud (offered only where the computer can speak).
// Accepted with "Hand over".
class HandOverDialog final : public QDialog {
    Q_OBJECT

public:
    HandOverDialog(bool speech, QWidget* parent = nullptr);

    ReporterOptions Options() const;

private:
    QButtonGroup* size_;
    QCheckBox* oneItem_;
    QCheckBox* readAutomatically_;
};

}  // namespace orva
