#pragma once

#include <QByteArray>
#include <QFont>
#include <QLayout>
#include <QString>

#include "ui/reporter/ReporterOptions.h"

class QWidget;

namespace orva {

// How the wizard looks while a reporter answers alone: full screen, over everything else,
// its text and answer buttons at the size the clinician chose; and back to the desk's look.
class ReporterLook {
public:
    explicit ReporterLook(QWidget& window) : window_(window) {}

    void Apply(ReporterOptions::TextSize size);
    void Restore();
    // How much larger than the desk's the text is.
    static qreal Scale(ReporterOptions::TextSize size);

private:
    QWidget& window_;
    bool applied_ = false;
    bool ownFont_ = false;
    QFont font_;
    QString styleSheet_;
    QByteArray geometry_;
    QLayout::SizeConstraint constraint_ = QLayout::SetDefaultConstraint;
};

}  // namespace orva
