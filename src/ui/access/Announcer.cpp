#include "ui/access/Announcer.h"

#include <QAccessible>

#include "ui/access/AccessibleRoles.h"

namespace orva {

namespace {
constexpr const char* kObjectName = "announcer";
}

Announcer::Announcer(QWidget* window) : QWidget(window) {
    InstallAccessibleRoles();
    setObjectName(QLatin1String(kObjectName));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Kept on screen, where a reader takes it for shown, without covering anything readable.
    setGeometry(0, 0, 1, 1);
    show();
}

Announcer* Announcer::Of(const QWidget* window) {
    return window == nullptr ? nullptr
                             : window->findChild<Announcer*>(QLatin1String(kObjectName), Qt::FindDirectChildrenOnly);
}

void Announcer::Announce(QWidget* widget, const QString& text) {
    if (widget == nullptr) return;
    QWidget* window = widget->window();
    Announcer* announcer = Of(window);
    if (announcer == nullptr) announcer = new Announcer(window);
    announcer->Say(text);
}

void Announcer::Say(const QString& text) {
    text_ = text;
    setAccessibleName(text);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    emit Announced(text);
}

}  // namespace orva
