#include "ui/reporter/ReporterLook.h"

#include <QFontMetrics>
#include <QLayout>
#include <QScreen>
#include <QWidget>

namespace orva {

qreal ReporterLook::Scale(ReporterOptions::TextSize size) {
    switch (size) {
        case ReporterOptions::TextSize::Normal:
            return 1.0;
        case ReporterOptions::TextSize::Large:
            return 1.5;
        case ReporterOptions::TextSize::ExtraLarge:
            return 2.0;
    }
    return 1.0;
}

void ReporterLook::Apply(ReporterOptions::TextSize size) {
    if (!applied_) {
        ownFont_ = window_.testAttribute(Qt::WA_SetFont);
        font_ = window_.font();
        styleSheet_ = window_.styleSheet();
        geometry_ = window_.saveGeometry();
        if (const QLayout* layout = window_.layout()) constraint_ = layout->sizeConstraint();
        applied_ = true;
    }
    QFont larger = font_;
    larger.setPointSizeF(font_.pointSizeF() * Scale(size));
    window_.setFont(larger);
    // The round buttons grow with the text, to be hit by a finger as easily as read.
    const int indicator = QFontMetrics(larger).height();
    window_.setStyleSheet(QStringLiteral("QRadioButton::indicator { width: %1px; height: %1px; }"
                                         " QRadioButton { spacing: %2px; }")
                              .arg(indicator)
                              .arg(indicator / 3));
    // The larger text must not make the layout resize the window, which ends full screen.
    if (QLayout* layout = window_.layout()) layout->setSizeConstraint(QLayout::SetNoConstraint);
    // A screen without a window manager honours no full-screen request: the window covers
    // the screen itself there.
    if (const QScreen* screen = window_.screen()) window_.setGeometry(screen->geometry());
    window_.showFullScreen();
    // Where the keys go: the window the choices came from, not whatever had it before them.
    window_.activateWindow();
}

void ReporterLook::Restore() {
    if (!applied_) return;
    applied_ = false;
    window_.setStyleSheet(styleSheet_);
    // A default font sets nothing of its own, so the window inherits the application's again.
    window_.setFont(ownFont_ ? font_ : QFont());
    if (QLayout* layout = window_.layout()) layout->setSizeConstraint(constraint_);
    window_.showNormal();
    window_.restoreGeometry(geometry_);
}

}  // namespace orva
