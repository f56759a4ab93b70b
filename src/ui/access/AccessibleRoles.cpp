#include "ui/access/AccessibleRoles.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace orva {

namespace {

// Asked for each class of an object from the most derived up; the answer is given for the
// most derived, so a page of any kind is found by what it inherits.
QAccessibleInterface* OwnRoles(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType() || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (object->inherits("orva::Announcer")) return new QAccessibleWidget(widget, QAccessible::Notification);
    if (object->inherits("orva::WizardPage") || object->inherits("orva::ReadingPane"))
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    return nullptr;
}

}  // namespace

void InstallAccessibleRoles() {
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(&OwnRoles);
        return true;
    }();
}

}  // namespace orva
