#include "ui/shell/ProgramStyle.h"

#include <QApplication>

namespace orva {

ProgramStyle::ProgramStyle(QStyle* base) : QProxyStyle(base) {}

int ProgramStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const {
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void ProgramStyle::Install() {
    if (qobject_cast<ProgramStyle*>(QApplication::style()) != nullptr) return;
    // The proxy takes the current style over, so the application does not delete it when
    // the proxy replaces it.
    QApplication::setStyle(new ProgramStyle(QApplication::style()));
}

}  // namespace orva
