#pragma once

#include <QDialog>

namespace orva {

// The About box: the product picture, the version text, the web address and OK.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace orva
