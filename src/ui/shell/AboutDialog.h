#pragma once

#include <QDialog>

namespace orva {

// The About box: the product picture, the version text, the web address, the copyright and
// licence, and OK.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace orva
